#include "engine/conversion_form.h"

#include <algorithm>
#include <cstring>

#include "res/resource_ids.h"

CConversionForm::CConversionForm(UINT nIDTemplate, CWnd* pParentWnd)
    : CDialog(nIDTemplate, pParentWnd) {
  m_strInput = "";
  m_strOutput = "";
  m_nMode = -1;
  m_strErrors = "";
}

void CConversionForm::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  DDX_Text(pDX, IDC_INPUT, m_strInput);
  DDX_Text(pDX, IDC_OUTPUT, m_strOutput);
  DDX_Radio(pDX, IDC_HEX_TO_DEC, m_nMode);
  DDX_Text(pDX, IDC_ERRORS, m_strErrors);
}

void CConversionForm::OnOK() { Convert(); }

bool CConversionForm::AllInSet(std::string_view text, const CharSet& set) {
  namespace words = radixel::words;
  // In each byte, 0x80 where it is outside the set.
  const auto outside = [&set](words::Word word) {
    return ~(words::InRange(word, set.runs[0]) | words::InRange(word, set.runs[1])) &
           (words::kOnes * 0x80);
  };
  const std::size_t n = text.size();
  if (n < sizeof(words::Word)) return n == 0 || outside(words::ShortTextWord(text.data(), n)) == 0;
  // Whole words, then the last eight bytes, which overlap the last word
  // where the text is not a whole number of words.
  words::Word found = 0;
  for (std::size_t i = 0; i + sizeof(words::Word) <= n; i += sizeof(words::Word)) {
    found |= outside(words::Load(text.data() + i));
  }
  if (n % sizeof(words::Word) != 0) {
    found |= outside(words::Load(text.data() + n - sizeof(words::Word)));
  }
  return found == 0;
}

void CConversionForm::CopyAndCheck(const CString& text, const CharSet& set) {
  std::memset(m_szNumber, 0, sizeof m_szNumber);
  const std::string_view chars = text.view();
  const std::size_t count =
      std::min(chars.size(), static_cast<std::size_t>(m_nLength < 0 ? 0 : m_nLength));
  // The buffer keeps its last byte for the terminator.
  CString::MoveShort(m_szNumber, chars.data(), std::min(count, sizeof m_szNumber - 1));
  if (!AllInSet(std::string_view(chars.data(), count), set)) m_bIllegal = 1;
  if (count > 0) {
    m_chCurrent = chars[count - 1];
    FindInSet(set, m_chCurrent);
  }
  m_nPos = m_nLength;
}

void CConversionForm::WriteDecimalResult(std::uint64_t exact) {
  const std::size_t length =
      exact != 0 ? radixel::engine::FormatWholeDecimal12(exact, m_szNumber, m_nHandedOn)
                 : radixel::engine::FormatDecimal12(m_dResult, m_szNumber, m_nHandedOn);
  m_strOutput = std::string_view(m_szNumber, length);
}

std::uint64_t CConversionForm::CheckDecimalText(const CString& text) {
  m_nPos = 0;
  m_nValue = 0;
  m_dResult = 0.0;
  m_nLength = text.GetLength();
  if (&text == &m_strOutput && m_nHandedOn != 0) {
    // The whole number's text is all that m_szNumber holds, so copying it
    // again changes nothing, and its digits and point are all legal: the
    // check ends on the point.
    m_chCurrent = '.';
    FindInSet(kDecimalLegalSet, m_chCurrent);
    m_nPos = m_nLength;
    return m_nHandedOn;
  }
  CopyAndCheck(text, kDecimalLegalSet);
  return 0;
}
