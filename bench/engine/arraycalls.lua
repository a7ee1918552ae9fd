-- arraycalls: an array of 0..100,000 read and written only through small functions; ten passes
-- of running sums modulo 1,000,003, then the sum of the elements
local function getAt(a, i) return a[i] end
local function setAt(a, i, v) a[i] = v end
local n = 100000
local a = {}
for i = 0, n do setAt(a, i, (i * 7919) % 10007) end
for pass = 1, 10 do
  for i = 1, n do setAt(a, i, (getAt(a, i - 1) + getAt(a, i)) % 1000003) end
end
local total = 0
for i = 0, n do total = total + getAt(a, i) end
print(string.format("%d", total))
