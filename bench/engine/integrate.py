# integrate: the midpoint rule for 4/(1+x^2) over 0..1 with 2,000,000 calls of a function
def f(x):
    return 4 / (1 + x * x)


n = 2000000
h = 1 / n
s = 0.0
for k in range(n):
    s = s + f((k + 0.5) * h)
print("%.15g" % (s * h))
