-- andor: a 2,000 x 2,000 grid over [-1.5, 1.5) walked by nested while loops whose conditions
-- join comparisons with and; points in a ring or a corner are counted by a test that joins
-- them with and and or
local count = 0
local y = -1.5
while y < 1.5 and count >= 0 do
  local x = -1.5
  while x < 1.5 and count >= 0 do
    local r = x * x + y * y
    if r < 1 and r > 0.25 or x > 1.2 and y < -1.2 then
      count = count + 1
    end
    x = x + 0.0015
  end
  y = y + 0.0015
end
print(count)
