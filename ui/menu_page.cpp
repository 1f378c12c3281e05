#include "ui/menu_page.h"

#include "res/page_controls.h"
#include "res/resource.h"
#include "ui/about_dlg.h"

namespace {

constexpr int kTextIds[3] = {IDC_MENU1_TEXT, IDC_MENU2_TEXT, IDC_MENU3_TEXT};
constexpr int kMinutesIds[3] = {IDC_MENU1_MINUTES, IDC_MENU2_MINUTES, IDC_MENU3_MINUTES};

} // namespace

CMenuPage::CMenuPage(CWnd& parent, MenuSettings* settings)
    : CDialog(IDD_MENUPAGE, parent), m_pSettings(settings) {}

void CMenuPage::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    for (int i = 0; i < 3; ++i) {
        DDX_Text(pDX, kTextIds[i], m_strMenuText[i]);
        DDX_Text(pDX, kMinutesIds[i], m_strMenuMinutes[i]);
    }
}

const MessageMap& CMenuPage::GetMessageMap() const {
    static const MessageMap map = {
        OnClicked(IDC_ABOUT, &CMenuPage::OnAbout),
    };
    return map;
}

BOOL CMenuPage::OnInitDialog() {
    CDialog::OnInitDialog();
    for (int i = 0; i < 3; ++i) {
        m_strMenuText[i] = m_pSettings->strMenuText[i];
        m_strMenuMinutes[i] = m_pSettings->strMenuMinutes[i];
    }
    UpdateData(FALSE);
    return TRUE;
}

void CMenuPage::OnAbout() {
    CAboutDlg dlg(App());
    dlg.DoModal();
}

void CMenuPage::SaveToSettings() {
    UpdateData(TRUE);
    for (int i = 0; i < 3; ++i) {
        m_pSettings->strMenuText[i] = m_strMenuText[i];
        m_pSettings->strMenuMinutes[i] = m_strMenuMinutes[i];
    }
}

std::string CMenuPage::ShownCaption(int index) {
    return GetDlgItem(kTextIds[index])->GetWindowText();
}

void CMenuPage::OnDestroy() {
    SaveToSettings();
    CDialog::OnDestroy();
}
