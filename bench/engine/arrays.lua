-- arrays: a sieve of Eratosthenes over an array of 0..1,000,000; the number of primes and their sum
local n = 1000000
local flags = {}
for i = 0, n do flags[i] = 0 end
local count, total = 0, 0
for i = 2, n do
  if flags[i] == 0 then
    count = count + 1
    total = total + i
    for j = i * i, n, i do flags[j] = 1 end
  end
end
print(string.format("%d %d", count, total))
