# fib: recursive fib(30) on floats
def fib(n):
    if n < 2:
        return n
    return fib(n - 1) + fib(n - 2)


print("%.15g" % fib(30.0))
