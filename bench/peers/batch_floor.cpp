// The batch benchmark's floor: the six conversions of MODE<TAB>INPUT lines
// with the C library alone (getline, strtoull, snprintf), one line at a
// time; no window, no record, no escaping, no 12-digit form. What a
// program that only converts cannot go below by much.
#include <sys/types.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

int main() {
  char* line = nullptr;
  std::size_t capacity = 0;
  ssize_t length;
  char out[160];
  while ((length = getline(&line, &capacity, stdin)) > 0) {
    if (line[length - 1] == '\n') line[--length] = '\0';
    char* const tab = std::strchr(line, '\t');
    if (tab == nullptr) continue;
    const char* const text = tab + 1;
    const int base = line[0] == 'h' ? 16 : line[0] == 'd' ? 10 : 2;
    const char target = line[4];  // "hex2dec": the 'd' of "dec"
    char* end = nullptr;
    errno = 0;
    const unsigned long long value = std::strtoull(text, &end, base);
    int written;
    if (*text == '\0' || *end != '\0' || errno != 0) {
      written = std::snprintf(out, sizeof out, "%s\t\tYour entered an illegal char.\n", text);
    } else if (target == 'd') {
      written = std::snprintf(out, sizeof out, "%s\t%llu.\t\n", text, value);
    } else if (target == 'h') {
      written = std::snprintf(out, sizeof out, "%s\t%llX\t\n", text, value);
    } else {
      char bits[9] = "00000000";
      for (int bit = 0; bit < 8 && value <= 255; ++bit) {
        if (value >> bit & 1) bits[7 - bit] = '1';
      }
      written = std::snprintf(out, sizeof out, "%s\t%s\t%s\n", text, bits,
                              value > 255 ? "Enter number less than 255 Decimal." : "");
    }
    if (written > 0) {
      std::fwrite(out, 1, static_cast<std::size_t>(written) < sizeof out ? written : sizeof out - 1,
                  stdout);
    }
  }
  std::free(line);
  return 0;
}
