#include "ui/converter_dlg.h"

#include "res/resource_ids.h"

BEGIN_MESSAGE_MAP(CConverterDlg, CConversionForm)
  ON_WM_SYSCOMMAND()
  ON_WM_PAINT()
  ON_WM_QUERYDRAGICON()
  ON_EN_CHANGE(IDC_INPUT, OnChangeInput)
  ON_EN_CHANGE(IDC_OUTPUT, OnChangeOutput)
  ON_BN_CLICKED(IDC_HEX_TO_DEC, OnHexToDec)
  ON_BN_CLICKED(IDC_HEX_TO_BIN, OnHexToBin)
  ON_BN_CLICKED(IDC_DEC_TO_HEX, OnDecToHex)
  ON_BN_CLICKED(IDC_DEC_TO_BIN, OnDecToBin)
  ON_BN_CLICKED(IDC_BIN_TO_HEX, OnBinToHex)
  ON_BN_CLICKED(IDC_BIN_TO_DEC, OnBinToDec)
  ON_EN_CHANGE(IDC_ERRORS, OnChangeErrors)
  ON_COMMAND(ID_APP_NOTICE, OnAppNotice)
  ON_COMMAND(ID_HELP, OnHelpBox)
END_MESSAGE_MAP()

CConverterDlg::CConverterDlg(CWnd* pParent)
    : CConversionForm(IDD_CONVERTER_DIALOG, pParent),
      m_hIcon(LoadIconA(AfxFindResourceHandle(IDR_MAINFRAME, RT_GROUP_ICON), IDR_MAINFRAME)) {}

BOOL CConverterDlg::OnInitDialog() {
  CConversionForm::OnInitDialog();

  if (CMenu* pSysMenu = GetSystemMenu(FALSE)) {
    CString strAboutMenu;
    strAboutMenu.LoadString(IDS_ABOUTBOX);
    if (!strAboutMenu.IsEmpty()) {
      pSysMenu->AppendMenu(MF_SEPARATOR);
      pSysMenu->AppendMenu(MF_STRING, IDM_ABOUTBOX, strAboutMenu);
    }
  }

  SetIcon(m_hIcon, TRUE);
  SetIcon(m_hIcon, FALSE);

  m_nMode = MODE_HEX_TO_DEC;
  UpdateData(FALSE);
  return TRUE;
}

void CConverterDlg::OnOK() {
  CConversionForm::OnOK();
  // The saved copy of the input serves the conversion just made and no
  // later step: the next one saves its own before reading it. No box shows
  // it and no data exchange writes it out, so letting it go changes nothing
  // the window shows; a long input typed next can then take the bytes of
  // the one before instead of being held beside them (HeadlessWindowSystem::Type).
  m_strSaved.Empty();
}

void CConverterDlg::OnSysCommand(UINT nID, LPARAM lParam) {
  if ((nID & 0xFFF0) == IDM_ABOUTBOX) {
    CVersionBox dlgAbout;
    dlgAbout.DoModal();
  } else {
    CConversionForm::OnSysCommand(nID, lParam);
  }
}

void CConverterDlg::OnPaint() {
  if (!IsIconic()) {
    CConversionForm::OnPaint();
    return;
  }
  CPaintDC dc(this);
  SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.GetSafeHdc()), 0);

  // Centre the icon in the client rectangle.
  const int cxIcon = GetSystemMetrics(SM_CXICON);
  const int cyIcon = GetSystemMetrics(SM_CYICON);
  CRect rect;
  GetClientRect(&rect);
  const int x = (rect.Width() - cxIcon + 1) / 2;
  const int y = (rect.Height() - cyIcon + 1) / 2;
  dc.DrawIcon(x, y, m_hIcon);
}

HCURSOR CConverterDlg::OnQueryDragIcon() { return m_hIcon; }

void CConverterDlg::OnChangeInput() {}
void CConverterDlg::OnChangeOutput() {}
void CConverterDlg::OnChangeErrors() {}

void CConverterDlg::OnHexToDec() { m_nMode = MODE_HEX_TO_DEC; }
void CConverterDlg::OnHexToBin() { m_nMode = MODE_HEX_TO_BIN; }
void CConverterDlg::OnDecToHex() { m_nMode = MODE_DEC_TO_HEX; }
void CConverterDlg::OnDecToBin() { m_nMode = MODE_DEC_TO_BIN; }
void CConverterDlg::OnBinToHex() { m_nMode = MODE_BIN_TO_HEX; }
void CConverterDlg::OnBinToDec() { m_nMode = MODE_BIN_TO_DEC; }

void CConverterDlg::OnAppNotice() { m_noticeBox.DoModal(); }
void CConverterDlg::OnHelpBox() { m_helpBox.DoModal(); }
