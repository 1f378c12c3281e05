#include "ui/disk3d_options_page.h"

#include "res/page_controls.h"
#include "res/resource.h"
#include "ui/colors_dlg.h"

#include <array>

namespace {

// The six disk colours in the colours dialog's slot order.
std::array<RgbColor*, 6> ColorSlots(Disk3DSettings& disk) {
    return {&disk.colMulti[0], &disk.colMulti[1],  &disk.colMulti[2],
            &disk.colOne,      &disk.colSecMin[0], &disk.colSecMin[1]};
}

// The type list's text for a stored disk type; unknown types show as the first.
std::string DiskTypeText(int diskType) {
    return kDiskTypeTexts[diskType >= 2 && diskType <= 4 ? diskType - 1 : 0];
}

} // namespace

C3DOptionsPage::C3DOptionsPage(CWnd& parent, Disk3DSettings* settings)
    : CDialog(IDD_3DOPTIONSPAGE, parent), m_pSettings(settings) {}

void C3DOptionsPage::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_SKIP_SPIN, m_spinSkip);
    DDX_Control(pDX, IDC_PARTS_SPIN, m_spinParts);
    DDX_Control(pDX, IDC_SKIP, m_editSkip);
    DDX_Control(pDX, IDC_PARTS, m_editParts);
    DDX_Text(pDX, IDC_PARTS, m_strParts);
    DDX_Text(pDX, IDC_SKIP, m_strSkip);
    DDX_Check(pDX, IDC_SPIN_X, m_nSpinX);
    DDX_Check(pDX, IDC_SPIN_Y, m_nSpinY);
    DDX_Check(pDX, IDC_SPIN_Z, m_nSpinZ);
    DDX_Check(pDX, IDC_LIGHT, m_nLight);
    DDX_CBString(pDX, IDC_DISK_TYPE, m_strType);
}

const MessageMap& C3DOptionsPage::GetMessageMap() const {
    static const MessageMap map = {
        OnClicked(IDC_COLOR, &C3DOptionsPage::OnColor),
        OnCloseUp(IDC_DISK_TYPE, &C3DOptionsPage::OnCloseupType),
    };
    return map;
}

BOOL C3DOptionsPage::OnInitDialog() {
    CDialog::OnInitDialog();
    m_strParts = m_pSettings->strParts;
    m_strSkip = m_pSettings->strSkip;
    m_nSpinX = m_pSettings->nSpinX;
    m_nSpinY = m_pSettings->nSpinY;
    m_nSpinZ = m_pSettings->nSpinZ;
    m_nLight = m_pSettings->nLight;
    m_strType = DiskTypeText(m_pSettings->nDiskType);
    m_editParts.LimitText(2);
    m_editSkip.LimitText(2);
    m_spinParts.SetRange(5, 90);
    m_spinSkip.SetRange(1, 10);
    UpdateData(FALSE);
    return TRUE;
}

void C3DOptionsPage::OnCloseupType() {
    UpdateData(TRUE);
    StoreDiskType();
}

void C3DOptionsPage::StoreDiskType() {
    for (int type = 1; type <= 4; ++type) {
        if (m_strType == kDiskTypeTexts[type - 1]) {
            m_pSettings->nDiskType = type;
        }
    }
}

void C3DOptionsPage::OnColor() {
    CColorsDlg dlg(*this);
    const std::array<RgbColor*, 6> slots = ColorSlots(*m_pSettings);
    for (size_t i = 0; i < slots.size(); ++i) {
        dlg.m_colors[i] = *slots[i];
    }
    dlg.DoModal();
    // Esc keeps the picked colours as OK does.
    for (size_t i = 0; i < slots.size(); ++i) {
        *slots[i] = dlg.m_colors[i];
    }
}

void C3DOptionsPage::SaveToSettings() {
    UpdateData(TRUE);
    m_pSettings->strParts = m_strParts;
    m_pSettings->strSkip = m_strSkip;
    m_pSettings->nSpinX = m_nSpinX;
    m_pSettings->nSpinY = m_nSpinY;
    m_pSettings->nSpinZ = m_nSpinZ;
    m_pSettings->nLight = m_nLight;
    StoreDiskType();
}

void C3DOptionsPage::OnDestroy() {
    CDialog::OnDestroy();
    SaveToSettings();
}
