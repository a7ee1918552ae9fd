-- strdoubles: str(i / 7) for i = 1 to 300,000; the total length of the texts and the last one
local format = string.format
local total = 0
for i = 1, 300000 do total = total + #format("%.15g", i / 7) end
print(format("%d %.15g", total, 300000 / 7))
