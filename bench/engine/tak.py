# tak: the Takeuchi function on integers, tak(26, 18, 9): deep recursion with three arguments
import sys

sys.setrecursionlimit(10000)


def tak(x, y, z):
    if y < x:
        return tak(tak(x - 1, y, z), tak(y - 1, z, x), tak(z - 1, x, y))
    return z


print(tak(26, 18, 9))
