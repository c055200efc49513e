// The commands a CCmdTarget routed last, each with the message-map entry
// found for it (or none): a class's map never changes, so a command is
// routed by one look-up after its first. Private to CCmdTarget.
#pragma once

#include <cstddef>
#include <cstdint>

struct AFX_MSGMAP;
struct AFX_MSGMAP_ENTRY;

namespace radixel::platform {

class RouteCache {
 public:
  // The entry kept for command nID with notification code nCode in `map`;
  // where none is kept, `find()` finds it, and it is kept.
  template <typename Find>
  const AFX_MSGMAP_ENTRY* Lookup(const AFX_MSGMAP* map, std::uint32_t nID, std::uint32_t nCode,
                                 Find find) {
    Line& line = lines_[LineOf(nID, nCode)];
    if (line.map != map || line.key != Key(nID, nCode)) line = {map, Key(nID, nCode), find()};
    return line.entry;
  }

 private:
  struct Line {
    const AFX_MSGMAP* map = nullptr;
    std::uint64_t key = 0;  // Key of the command
    const AFX_MSGMAP_ENTRY* entry = nullptr;
  };
  // A command id and notification code as one number.
  static constexpr std::uint64_t Key(std::uint32_t nID, std::uint32_t nCode) {
    return std::uint64_t{nCode} << 32 | nID;
  }
  // A line per id modulo the table size, a notification code moving it half
  // the table on, so that a dialog's neighbouring ids, clicked or changed,
  // keep lines of their own.
  static constexpr std::size_t kLines = 64;
  static constexpr std::size_t LineOf(std::uint32_t nID, std::uint32_t nCode) {
    return (nID + (nCode >> 8) * (kLines / 2)) % kLines;
  }
  Line lines_[kLines];
};

}  // namespace radixel::platform
