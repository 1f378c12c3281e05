#include "ui/options_page.h"

#include "platform/messages.h"
#include "platform/services.h"
#include "res/page_controls.h"
#include "res/resource.h"

namespace {

std::string FileNameOf(const std::string& path) {
    return path.substr(path.find_last_of('/') + 1);
}

} // namespace

COptionsPage::COptionsPage(CWnd& parent, OptionsSettings* settings)
    : CDialog(IDD_OPTIONSPAGE, parent), m_pSettings(settings) {}

void COptionsPage::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_SNAP_LED, m_checkSnapLed);
    DDX_Text(pDX, IDC_SOUND_NAME, m_strSoundName);
    DDX_Check(pDX, IDC_PLAY_SOUND, m_nPlaySound);
    DDX_Check(pDX, IDC_SNAP_LED, m_nSnapLed);
    DDX_Check(pDX, IDC_LED_TIMER, m_nLedTimer);
    DDX_Check(pDX, IDC_DISPLAY_ICON, m_nDisplayIcon);
    DDX_Check(pDX, IDC_3D_TIMER, m_n3DTimer);
    DDX_Check(pDX, IDC_FULLSCREEN, m_nFullscreen);
}

const MessageMap& COptionsPage::GetMessageMap() const {
    static const MessageMap map = {
        OnClicked(IDC_BROWSE_SOUND, &COptionsPage::OnBrowseSound),
        OnClicked(IDC_PLAY, &COptionsPage::OnPlay),
        OnClicked(IDC_LED_TIMER, &COptionsPage::OnLedTimer),
        OnClicked(IDC_3D_TIMER, &COptionsPage::On3DTimer),
    };
    return map;
}

bool COptionsPage::OpenGlAvailable() {
    return GetServices().system.OpenGlLibrariesAvailable();
}

BOOL COptionsPage::OnInitDialog() {
    CDialog::OnInitDialog();
    const bool openGl = OpenGlAvailable();
    m_nFullscreen = m_pSettings->nFullscreen;
    m_nDisplayIcon = m_pSettings->nDisplayIcon;
    m_strSoundName = m_pSettings->strSoundName;
    m_nPlaySound = m_pSettings->nPlaySound;
    m_strSoundWav = m_pSettings->strSoundWav;
    m_nLedTimer = m_pSettings->nLedTimer;
    m_nSnapLed = m_pSettings->nSnapLed;
    m_n3DTimer = m_pSettings->n3DTimer;
    if (!openGl) {
        GetDlgItem(IDC_3D_TIMER)->EnableWindow(false);
        m_n3DTimer = 0;
    }
    m_checkSnapLed.EnableWindow(m_nLedTimer == 1);
    if (m_n3DTimer == 1 || m_n3DTimer == 0) {
        GetDlgItem(IDC_FULLSCREEN)->EnableWindow(m_n3DTimer == 1); // other values keep the template's
    }
    if (m_strSoundName.empty()) {
        GetDlgItem(IDC_PLAY_SOUND)->EnableWindow(false); // its check mark stays as stored
    }
    UpdateData(FALSE);
    return TRUE;
}

void COptionsPage::OnBrowseSound() {
    UpdateData(TRUE); // keeps the check marks set since the controls were last read
    // Cancelling chooses no file: that is how a sound is removed.
    m_strSoundWav = GetServices().modal.OpenFile(this, "Wav Dateien (*.wav)|*.wav||", "*.wav").value_or("");
    if (!IsCreated()) {
        return; // the program ended while the file dialog was open
    }
    m_strSoundName = FileNameOf(m_strSoundWav);
    const bool chosen = !m_strSoundName.empty();
    m_nPlaySound = chosen ? 1 : 0;
    GetDlgItem(IDC_PLAY_SOUND)->EnableWindow(chosen);
    UpdateData(FALSE);
}

void COptionsPage::OnPlay() {
    // Synchronous: the page answers again when the sound has finished.
    GetServices().sound.PlaySound(m_strSoundWav, SND_FILENAME | SND_NODEFAULT);
}

void COptionsPage::OnLedTimer() {
    UpdateData(TRUE);
    m_checkSnapLed.EnableWindow(m_nLedTimer == 1);
}

void COptionsPage::On3DTimer() {
    UpdateData(TRUE);
    if (m_n3DTimer == 1 && !OpenGlAvailable()) {
        GetServices().modal.MessageBox(this, "A required DLL for OpenGL is missing.", "Warning", MB_OK);
        if (!IsCreated()) {
            return; // the program ended while the warning was open
        }
        m_n3DTimer = 0;
        UpdateData(FALSE);
    }
    GetDlgItem(IDC_FULLSCREEN)->EnableWindow(m_n3DTimer == 1);
}

void COptionsPage::SaveToSettings() {
    UpdateData(TRUE);
    m_pSettings->nPlaySound = m_nPlaySound;
    m_pSettings->strSoundName = m_strSoundName;
    m_pSettings->strSoundWav = m_strSoundWav;
    m_pSettings->nDisplayIcon = m_nDisplayIcon;
    m_pSettings->nSnapLed = m_nSnapLed;
    m_pSettings->nLedTimer = m_nLedTimer;
    m_pSettings->nFullscreen = m_nFullscreen;
    m_pSettings->n3DTimer = m_n3DTimer;
}

void COptionsPage::OnDestroy() {
    SaveToSettings();
    CDialog::OnDestroy();
}
