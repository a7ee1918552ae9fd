# arrays: a sieve of Eratosthenes over a list of 0..1,000,000; the number of primes and their sum
n = 1000000
flags = [0] * (n + 1)
count = total = 0
for i in range(2, n + 1):
    if flags[i] == 0:
        count += 1
        total += i
        for j in range(i * i, n + 1, i):
            flags[j] = 1
print("%d %d" % (count, total))
