# strbuild: a string built from 300,000 pieces that a function makes, then its length and the
# number of "<99>" in it
def item(i):
    return "<" + str(i % 1000) + ">"


parts = []
for i in range(1, 300001):
    parts.append(item(i))
s = "".join(parts)
print(len(s), s.count("<99>"))
