// The engine side of the main dialog: the conversion form record (the four
// texts the window shows and every working value of a conversion) and the
// conversion operations, which exchange all their state through the
// record's fields. The window side (ui/converter_dlg.h) derives from it.
//
// The record reaches the window only through data exchange: Convert reads
// the controls into the fields (UpdateData(TRUE)) and writes them back
// (UpdateData(FALSE)).
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "engine/text_forms.h"
#include "platform/afxwin.h"
#include "platform/cstring.h"
#include "platform/words.h"

// The six conversions, in the order of the radio buttons; m_nMode holds one
// of them, or -1 while no mode is chosen.
enum ConversionMode : int {
  MODE_HEX_TO_DEC = 0,
  MODE_HEX_TO_BIN = 1,
  MODE_DEC_TO_HEX = 2,
  MODE_DEC_TO_BIN = 3,
  MODE_BIN_TO_HEX = 4,
  MODE_BIN_TO_DEC = 5,
};

// Each mode's names, in the order of the modes: the word the command line
// takes and the name tests and benchmarks show. The window's caption of a
// mode is its radio button's text in the resources.
struct ModeNames {
  std::string_view word;
  std::string_view name;
};
inline constexpr std::array<ModeNames, MODE_BIN_TO_DEC + 1> kModes = {{
    {"hex2dec", "HexToDec"},
    {"hex2bin", "HexToBin"},
    {"dec2hex", "DecToHex"},
    {"dec2bin", "DecToBin"},
    {"bin2hex", "BinToHex"},
    {"bin2dec", "BinToDec"},
}};

// Character sets. A set keeps its characters and, for every byte, where it
// stands among them (-1 where it is none of them), so that a membership test
// is one look-up; the string terminator is in no set. Its characters also
// form at most two runs of consecutive bytes, which a scan tests eight
// bytes at a time.
struct CharSet {
  const char* text;
  std::array<signed char, 256> index;
  radixel::words::ByteRange runs[2];  // a run may be given twice
};
inline void MoreThanTwoRuns() {}
constexpr CharSet MakeCharSet(const char* text) {
  CharSet set{text, {}, {}};
  set.index.fill(-1);
  for (int i = 0; text[i] != '\0'; ++i) {
    set.index[static_cast<unsigned char>(text[i])] = static_cast<signed char>(i);
  }
  int runs = 0;
  for (int byte = 1; byte < 0x80; ++byte) {
    if (set.index[byte] < 0 || set.index[byte - 1] >= 0) continue;
    int last = byte;
    while (last + 1 < 0x80 && set.index[last + 1] >= 0) ++last;
    if (runs == 2) {
      MoreThanTwoRuns();  // not a constant expression: such a set does not build
      break;
    }
    set.runs[runs++] =
        radixel::words::MakeByteRange(static_cast<unsigned char>(byte), static_cast<unsigned char>(last));
  }
  if (runs == 1) set.runs[1] = set.runs[0];
  return set;
}
inline constexpr CharSet kHexLegalSet = MakeCharSet("0123456789ABCDEF");
inline constexpr CharSet kDecimalLegalSet = MakeCharSet("1234567890.");
inline constexpr CharSet kBinaryLegalSet = MakeCharSet("10");
inline constexpr CharSet kDigitOneSet = MakeCharSet("1");

// The error messages, as the error box shows them.
inline constexpr std::string_view kMsgIllegal = "Your entered an illegal char.";
inline constexpr std::string_view kMsgTooLong = "Number entered larger than 8 digits.";
inline constexpr std::string_view kMsgRange = "Enter number less than 255 Decimal.";

inline constexpr int kMaxInputLength = 8;  // longer inputs draw kMsgTooLong
inline constexpr std::string_view kBinaryTemplate = "00000000";

class CConversionForm : public CDialog {
 public:
  explicit CConversionForm(UINT nIDTemplate, CWnd* pParentWnd = nullptr);

  // Runs one conversion of what the window shows: what the OK button does.
  void Convert();

  // --- The record ----------------------------------------------------------
  int m_bIllegal = 0;      // a character outside the scanning routine's legal set was seen
  int m_bTooLong = 0;      // the input is longer than 8 characters
  int m_bOutOfRange = 0;   // the value to be written in binary is above 255 or below 0
  int m_nLength = 0;       // number of characters of the text being scanned
  int m_nPos = 0;          // scan position, from 0
  int m_nValue = 0;        // integer working value
  double m_dResult = 0.0;  // accumulator and result of a conversion
  double m_dDigit = 0.0;   // value of the current digit, or the running sum in binary
  double m_dBase = 0.0;    // the radix 16
  double m_dExponent = 0.0;  // the position, or the power counter
  char m_chCurrent = 0;      // the character under examination
  const char* m_pFound = nullptr;  // result of the last character-set test
  char m_szNumber[radixel::engine::kNumberBufferSize] = {};  // copy of a text, or a result's text
  CString m_strSaved;       // the input as it was before a routine changed it
  CString m_strMsgIllegal;  // receives the illegal-character message
  CString m_strMsgTooLong;  // receives the too-long message
  CString m_strMsgRange;    // receives the out-of-range message
  CString m_strInput;       // the input box
  CString m_strOutput;      // the output box
  int m_nMode;              // the chosen ConversionMode, -1 before the window initialises
  CString m_strErrors;      // the error box
  // A value could not be represented at all (a sum too large for a double,
  // a whole part no 64-bit integer holds): the output box keeps what it
  // held and the conversions after it in the same Convert are skipped.
  int m_bOverflow = 0;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  // OK converts; the window stays open.
  void OnOK() override;

  // --- The conversion operations -------------------------------------------
  virtual void Prepare();
  virtual void HexadecimalToDecimal();
  virtual void DecimalToHexadecimal();
  virtual void DecimalToBinary();
  virtual void BinaryToDecimal();
  virtual void ReportErrors();

 private:
  // Where `ch` stands in `set`, or -1; the place found is kept in m_pFound.
  int FindInSet(const CharSet& set, char ch) {
    const int index = set.index[static_cast<unsigned char>(ch)];
    m_pFound = index >= 0 ? set.text + index : nullptr;
    return index;
  }
  // Whether every character of `text` is in `set`.
  static bool AllInSet(std::string_view text, const CharSet& set);
  // In the binary modes, after BinaryToDecimal: the input field as saved.
  void RestoreReversedInput();
  // Copies `text` into m_szNumber (as much of it as fits) and raises
  // m_bIllegal for any character outside `set`; every character is checked.
  void CopyAndCheck(const CString& text, const CharSet& set);
  // Writes the decimal text of m_dResult, a finite value, into m_szNumber
  // and m_strOutput, and keeps the whole number it is (see m_nHandedOn).
  // `exact` is m_dResult as an integer where a scan summed it as one, 0
  // where it did not.
  void WriteDecimalResult(std::uint64_t exact);
  // Both conversions from decimal start here: `text` is copied and checked
  // (CopyAndCheck), and the whole number the first step of a chained mode
  // wrote as it is returned, 0 for any other text.
  std::uint64_t CheckDecimalText(const CString& text);

  // The whole number, from 1 to 10^12 - 1, whose text the last step wrote
  // into m_strOutput and m_szNumber; 0 when it wrote anything else. The
  // second step of a chained mode takes it instead of reading it back.
  std::uint64_t m_nHandedOn = 0;
};
