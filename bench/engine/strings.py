# strings: str(i) for i = 1 to 200,000 joined with ",", its length and the non-overlapping "99"
s = ",".join(str(i) for i in range(1, 200001))
print(len(s), s.count("99"))
