# a string doubled up to 256 MiB: s = s + s
s = "x"
while len(s) < 268435456:
    s = s + s
print(len(s))
