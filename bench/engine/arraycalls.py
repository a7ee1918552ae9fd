# arraycalls: a list of 0..100,000 read and written only through small functions; ten passes of
# running sums modulo 1,000,003, then the sum of the elements
def get_at(a, i):
    return a[i]


def set_at(a, i, v):
    a[i] = v


n = 100000
a = [0] * (n + 1)
for i in range(n + 1):
    set_at(a, i, (i * 7919) % 10007)
for _ in range(10):
    for i in range(1, n + 1):
        set_at(a, i, (get_at(a, i - 1) + get_at(a, i)) % 1000003)
total = 0
for i in range(n + 1):
    total += get_at(a, i)
print(total)
