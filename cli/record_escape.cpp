#include "cli/record_escape.h"

namespace radixel::cli {

namespace {
bool NeedsEscape(unsigned char byte) { return byte < 0x20 || byte == 0x7F || byte == '\\'; }
}  // namespace

void AppendEscaped(std::string& out, std::string_view field) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::size_t plainStart = 0;
  for (std::size_t i = 0; i < field.size(); ++i) {
    const auto byte = static_cast<unsigned char>(field[i]);
    if (!NeedsEscape(byte)) continue;
    out.append(field.substr(plainStart, i - plainStart));
    plainStart = i + 1;
    switch (byte) {
      case '\\': out.append("\\\\"); break;
      case '\t': out.append("\\t"); break;
      case '\n': out.append("\\n"); break;
      case '\r': out.append("\\r"); break;
      default: {
        const char escape[] = {'\\', 'x', kHex[byte >> 4], kHex[byte & 0xF]};
        out.append(escape, sizeof escape);
      }
    }
  }
  out.append(field.substr(plainStart));
}

}  // namespace radixel::cli
