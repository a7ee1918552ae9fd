-- strings: str(i) for i = 1 to 200,000 joined with ",", its length and the non-overlapping "99"
local parts = {}
for i = 1, 200000 do parts[i] = tostring(i) end
local s = table.concat(parts, ",")
local count, pos = 0, 1
while true do
  local a, b = string.find(s, "99", pos, true)
  if not a then break end
  count = count + 1
  pos = b + 1
end
print(#s .. " " .. count)
