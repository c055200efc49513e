# The batch benchmark's idiomatic Python peer: the six conversions with
# int() and format(), the whole input read, mapped and written at once.
import sys

BASES = {"hex": 16, "dec": 10, "bin": 2}
FORMATS = {"dec": "{}.".format, "hex": "{:X}".format, "bin": "{:08b}".format}


def convert(line):
    mode, _, text = line.partition("\t")
    source, _, target = mode.partition("2")
    try:
        return f"{text}\t{FORMATS[target](int(text, BASES[source]))}\t"
    except ValueError:
        return f"{text}\t\tYour entered an illegal char."


sys.stdout.write("\n".join(map(convert, sys.stdin.read().splitlines())) + "\n")
