# Writes N lines of "MODE<TAB>INPUT": every mode radixel-cli names in its
# help, in turn, inputs of 1 to 19 characters from the mode's own digits
# (by the first word of its name: hex, dec or bin), one line in eight with
# a character no mode takes. A Park-Miller generator (exact in awk's
# doubles) makes the same file with every awk.
#   awk -v n=LINES -v cli=PATH/radixel-cli [-v seed=N] -f batch_input.awk
function next_random(limit) { seed = (seed * 16807) % 2147483647; return seed % limit }
BEGIN {
  if (cli == "") { print "batch_input.awk: -v cli=PATH/radixel-cli is missing" > "/dev/stderr"; exit 2 }
  # The help's mode lines: "  hex2dec  0  Hex to Dec". The path goes to
  # the shell in single quotes (each of its own quotes as '\''), so that a
  # folder with a space or a quote in its name stays one word.
  quoted = cli
  gsub(/'/, "'\\''", quoted)
  help = "'" quoted "' --help"
  count = 0
  while ((help | getline line) > 0) {
    if (line ~ /^  [a-z]+2[a-z]+  [0-9]+  /) { split(line, words, " "); modes[++count] = words[1] }
  }
  close(help)
  if (count == 0) { print "batch_input.awk: " cli " --help names no mode" > "/dev/stderr"; exit 2 }
  digits["hex"] = "0123456789abcdefABCDEF"
  digits["dec"] = "0123456789"
  digits["bin"] = "01"
  illegal = "gxZ-. +"
  if (seed == "") seed = 20261207  # another with -v seed=N
  for (i = 0; i < n; i++) {
    m = i % count + 1
    len = 1 + next_random(19)
    set = digits[substr(modes[m], 1, 3)]
    text = ""
    for (j = 0; j < len; j++) text = text substr(set, 1 + next_random(length(set)), 1)
    if (next_random(8) == 0) {
      at = 1 + next_random(len)
      text = substr(text, 1, at - 1) substr(illegal, 1 + next_random(length(illegal)), 1) substr(text, at + 1)
    }
    print modes[m] "\t" text
  }
}
