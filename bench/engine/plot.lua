-- plot: 1,000,001 points x = -10 + k*0.00002, y = sin(x)*cos(x/2) + sqrt(abs(x)); sum, min, max
local sin, cos, sqrt, abs = math.sin, math.cos, math.sqrt, math.abs
local sum, mn, mx = 0.0, math.huge, -math.huge
for k = 0, 1000000 do
  local x = -10 + k * 0.00002
  local y = sin(x) * cos(x / 2) + sqrt(abs(x))
  sum = sum + y
  if y < mn then mn = y end
  if y > mx then mx = y end
end
print(string.format("%.15g %.15g %.15g", sum, mn, mx))
