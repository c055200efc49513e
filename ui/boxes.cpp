#include "ui/boxes.h"

#include "res/resource_ids.h"

CVersionBox::CVersionBox() : CDialog(IDD_VERSIONBOX) {}
void CVersionBox::DoDataExchange(CDataExchange* pDX) { CDialog::DoDataExchange(pDX); }
BEGIN_MESSAGE_MAP(CVersionBox, CDialog)
END_MESSAGE_MAP()

CNoticeBox::CNoticeBox() : CDialog(IDD_NOTICEBOX) {}
void CNoticeBox::DoDataExchange(CDataExchange* pDX) { CDialog::DoDataExchange(pDX); }
BEGIN_MESSAGE_MAP(CNoticeBox, CDialog)
END_MESSAGE_MAP()

CHelpBox::CHelpBox() : CDialog(IDD_HELPBOX) {}
void CHelpBox::DoDataExchange(CDataExchange* pDX) { CDialog::DoDataExchange(pDX); }
BEGIN_MESSAGE_MAP(CHelpBox, CDialog)
END_MESSAGE_MAP()
