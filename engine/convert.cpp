// Convert: prepares the input, runs the conversions the mode calls for and
// turns the raised flags into one message.
#include "engine/conversion_form.h"
#include "engine/record_limit.h"

void CConversionForm::Convert() {
  Prepare();
  if (m_bOverflow && m_nMode >= 0 && m_nMode < static_cast<int>(kModes.size())) {
    // A text whose length the record cannot hold is never converted: the
    // output box keeps what it held, under the too-long message.
    ReportErrors();
    UpdateData(FALSE);
    return;
  }
  switch (m_nMode) {
    case MODE_HEX_TO_DEC:
      HexadecimalToDecimal();
      break;
    case MODE_HEX_TO_BIN:
      HexadecimalToDecimal();
      DecimalToBinary();
      break;
    case MODE_DEC_TO_HEX:
      DecimalToHexadecimal();
      break;
    case MODE_DEC_TO_BIN:
      DecimalToBinary();
      break;
    case MODE_BIN_TO_HEX:
      BinaryToDecimal();
      RestoreReversedInput();
      DecimalToHexadecimal();
      break;
    case MODE_BIN_TO_DEC:
      BinaryToDecimal();
      RestoreReversedInput();
      break;
    default:
      return;  // no mode chosen: nothing to convert, nothing to show
  }
  ReportErrors();
  UpdateData(FALSE);
}

void CConversionForm::Prepare() {
  m_nPos = 0;
  m_dResult = 0.0;
  m_dDigit = 0.0;
  m_bIllegal = 0;
  m_bTooLong = 0;
  m_bOutOfRange = 0;
  m_bOverflow = 0;
  m_nHandedOn = 0;
  m_strMsgIllegal.Empty();
  m_strMsgTooLong.Empty();
  m_strMsgRange.Empty();
  UpdateData(TRUE);
  m_strInput.MakeUpper();
  m_strSaved = m_strInput;
  m_nLength = m_strInput.GetLength();
  if (m_nLength > kMaxInputLength) m_bTooLong = 1;
  if (!radixel::FitsRecord(m_strInput.size())) m_bOverflow = 1;
}

void CConversionForm::RestoreReversedInput() {
  // BinaryToDecimal reverses the input field only where it finds an
  // illegal character, which raises m_bIllegal; otherwise the field still
  // equals the saved copy.
  if (m_bIllegal) m_strInput = m_strSaved;
}

void CConversionForm::ReportErrors() {
  // Each later message replaces the earlier one: out of range wins over
  // too long, which wins over an illegal character. Only the one shown is
  // copied into the error box.
  const CString* shown = nullptr;
  if (m_bIllegal == 1) {
    m_strMsgIllegal = kMsgIllegal;
    shown = &m_strMsgIllegal;
  }
  if (m_bTooLong == 1) {
    m_strMsgTooLong = kMsgTooLong;
    shown = &m_strMsgTooLong;
  }
  if (m_bOutOfRange == 1) {
    m_strMsgRange = kMsgRange;
    shown = &m_strMsgRange;
  }
  if (shown != nullptr) {
    m_strErrors = *shown;
  } else {
    m_strErrors.Empty();
  }
}
