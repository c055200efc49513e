# Writes N lines of "MODE<TAB>INPUT": the six modes in turn, inputs of 1 to
# 19 characters from the mode's own digits, one line in eight with a
# character no mode takes. A Park-Miller generator (exact in awk's doubles)
# makes the same file with every awk.
function next_random(limit) { seed = (seed * 16807) % 2147483647; return seed % limit }
BEGIN {
  split("hex2dec hex2bin dec2hex dec2bin bin2hex bin2dec", modes, " ")
  digits[1] = "0123456789abcdefABCDEF"; digits[2] = digits[1]
  digits[3] = "0123456789"; digits[4] = digits[3]
  digits[5] = "01"; digits[6] = digits[5]
  illegal = "gxZ-. +"
  if (seed == "") seed = 20261207  # another with -v seed=N
  for (i = 0; i < n; i++) {
    m = i % 6 + 1
    len = 1 + next_random(19)
    set = digits[m]
    text = ""
    for (j = 0; j < len; j++) text = text substr(set, 1 + next_random(length(set)), 1)
    if (next_random(8) == 0) {
      at = 1 + next_random(len)
      text = substr(text, 1, at - 1) substr(illegal, 1 + next_random(length(illegal)), 1) substr(text, at + 1)
    }
    print modes[m] "\t" text
  }
}
