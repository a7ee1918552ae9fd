dim x as double = 2*3
print str(x + 1)
print "Vorline"
