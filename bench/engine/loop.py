# loop: i = 1 to 20,000,000 (int), s = s + i*0.5 - (i mod 7) (float)
s = 0.0
for i in range(1, 20000001):
    s = s + i * 0.5 - (i % 7)
print("%.15g" % s)
