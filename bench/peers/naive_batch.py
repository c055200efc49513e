# The batch benchmark's naive Python peer: a plain loop doing the six
# conversions with int() and format(), one line at a time.
import sys

out = sys.stdout
for line in sys.stdin:
    mode, _, text = line.rstrip("\n").partition("\t")
    error = ""
    try:
        if mode == "hex2dec":
            result = str(int(text, 16)) + "."
        elif mode == "hex2bin":
            result = format(int(text, 16), "08b")
        elif mode == "dec2hex":
            result = format(int(text), "X")
        elif mode == "dec2bin":
            result = format(int(text), "08b")
        elif mode == "bin2hex":
            result = format(int(text, 2), "X")
        else:
            result = str(int(text, 2)) + "."
    except ValueError:
        result, error = "", "Your entered an illegal char."
    out.write(text + "\t" + result + "\t" + error + "\n")
