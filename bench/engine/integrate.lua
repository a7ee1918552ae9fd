-- integrate: the midpoint rule for 4/(1+x^2) over 0..1 with 2,000,000 calls of a function
local function f(x) return 4 / (1 + x * x) end
local n = 2000000
local h = 1 / n
local s = 0.0
for k = 0, n - 1 do s = s + f((k + 0.5) * h) end
print(string.format("%.15g", s * h))
