#include "engine/conversion_form.h"

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

int CConversionForm::FindInSet(const CharSet& set, char ch) {
  const int index = set.index[static_cast<unsigned char>(ch)];
  m_pFound = index >= 0 ? set.text + index : nullptr;
  return index;
}

void CConversionForm::CopyAndCheck(const CString& text, const CharSet& set) {
  std::memset(m_szNumber, 0, sizeof m_szNumber);
  m_nPos = 0;
  while (m_nPos < m_nLength && m_nPos < text.GetLength()) {
    m_chCurrent = text.GetAt(m_nPos);
    if (FindInSet(set, m_chCurrent) < 0) m_bIllegal = 1;
    // The buffer keeps its last byte for the terminator.
    if (m_nPos < static_cast<int>(sizeof m_szNumber) - 1) m_szNumber[m_nPos] = m_chCurrent;
    m_nPos = m_nPos + 1;
  }
  m_nPos = m_nLength;
}
