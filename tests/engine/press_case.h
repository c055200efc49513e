// One row of a conversion table: the mode, what the person types, and the
// three boxes after OK. Every row starts from a window whose output and
// error boxes already hold text of their own, so a row also shows whether
// the press replaced, kept or emptied them.
#pragma once

#include <initializer_list>
#include <ostream>
#include <string>
#include <vector>

#include "res/resource_ids.h"
#include "support/headless_fixture.h"

namespace radixel::testing {

// What the output and error boxes show before each row's press.
inline const std::string kOldOutput = "old output";
inline const std::string kOldErrors = "old message";

inline const std::string kIllegal{kMsgIllegal};
inline const std::string kTooLong{kMsgTooLong};
inline const std::string kRange{kMsgRange};

struct Row {
  const char* name;  // names the row in the test's name
  std::string input;
  Boxes expected;
};

struct PressCase {
  int mode;
  Row row;
};

inline void PrintTo(const PressCase& c, std::ostream* os) {
  *os << c.row.name << ": mode " << c.mode << ", input ";
  PrintEscaped(c.row.input, os);
}

// The rows of one mode's table.
inline std::vector<PressCase> ForMode(int mode, std::initializer_list<Row> rows) {
  std::vector<PressCase> cases;
  for (const Row& row : rows) cases.push_back({mode, row});
  return cases;
}

inline std::string ModeName(int mode) { return std::string(kModes[static_cast<std::size_t>(mode)].name); }

inline std::string CaseName(const ::testing::TestParamInfo<PressCase>& info) {
  return info.param.row.name;
}

// For tables whose rows run in several modes.
inline std::string ModeAndCaseName(const ::testing::TestParamInfo<PressCase>& info) {
  return std::string(ModeName(info.param.mode)) + "_" + info.param.row.name;
}

// A text of `count` copies of `unit`.
inline std::string Repeat(const std::string& unit, std::size_t count) {
  std::string text;
  for (std::size_t i = 0; i < count; ++i) text += unit;
  return text;
}

class PressTest : public HeadlessWindowTest, public ::testing::WithParamInterface<PressCase> {
 protected:
  // Fills the output and error boxes with the old texts, then runs the row.
  Boxes PressRow() {
    const PressCase& c = GetParam();
    Type(IDC_OUTPUT, kOldOutput);
    Type(IDC_ERRORS, kOldErrors);
    return Press(c.mode, c.row.input);
  }
};

// Runs every row of a table through one OK press.
#define RADIXEL_PRESS_TABLE(group, table) \
  INSTANTIATE_TEST_SUITE_P(group, PressTest, ::testing::ValuesIn(table), CaseName)
#define RADIXEL_MIXED_PRESS_TABLE(group, table) \
  INSTANTIATE_TEST_SUITE_P(group, PressTest, ::testing::ValuesIn(table), ModeAndCaseName)

}  // namespace radixel::testing
