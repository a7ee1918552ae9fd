# strdoubles: str(i / 7) for i = 1 to 300,000; the total length of the texts and the last one
total = 0
for i in range(1, 300001):
    total += len("%.15g" % (i / 7))
print("%d %.15g" % (total, 300000 / 7))
