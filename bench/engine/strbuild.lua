-- strbuild: a string built from 300,000 pieces that a function makes, then its length and the
-- number of "<99>" in it
local function item(i) return "<" .. tostring(i % 1000) .. ">" end
local parts = {}
for i = 1, 300000 do parts[i] = item(i) end
local s = table.concat(parts)
local _, count = s:gsub("<99>", "")
print(#s .. " " .. count)
