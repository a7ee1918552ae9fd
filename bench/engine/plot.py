# plot: 1,000,001 points x = -10 + k*0.00002, y = sin(x)*cos(x/2) + sqrt(abs(x)); sum, min, max
from math import sin, cos, sqrt, inf

total, mn, mx = 0.0, inf, -inf
for k in range(0, 1000001):
    x = -10 + k * 0.00002
    y = sin(x) * cos(x / 2) + sqrt(abs(x))
    total += y
    if y < mn:
        mn = y
    if y > mx:
        mx = y
print("%.15g %.15g %.15g" % (total, mn, mx))
