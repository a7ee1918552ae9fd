-- loop: i = 1 to 20,000,000 (integer), s = s + i*0.5 - (i mod 7) (float)
local s = 0.0
for i = 1, 20000000 do
  s = s + i * 0.5 - (i % 7)
end
print(string.format("%.15g", s))
