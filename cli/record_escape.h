// The escaping that keeps every batch record on one line: in a field,
// backslash, tab, newline and carriage return are written \\ \t \n \r, any
// other byte below 0x20 and 0x7F as \xHH (capital hex digits), and every
// other byte, UTF-8 or not, as it is.
#pragma once

#include <string>
#include <string_view>

namespace radixel::cli {

void AppendEscaped(std::string& out, std::string_view field);

}  // namespace radixel::cli
