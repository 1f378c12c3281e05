#pragma once
// The "3D Options" tab: the 3D-Timer's disk parts, spins, light, disk type and colours.
#include "platform/controls.h"
#include "platform/dialog.h"
#include "settings/settings.h"

#include <string>

class C3DOptionsPage : public CDialog {
public:
    C3DOptionsPage(CWnd& parent, Disk3DSettings* settings);

    // Reads the controls into the settings; the page stays open.
    void SaveToSettings();

    CSpinButtonCtrl m_spinSkip;
    CSpinButtonCtrl m_spinParts;
    CEdit m_editSkip;
    CEdit m_editParts;
    std::string m_strParts;
    std::string m_strSkip;
    int m_nSpinX = 0;
    int m_nSpinY = 0;
    int m_nSpinZ = 0;
    int m_nLight = 0;
    std::string m_strType; // the disk type's text in the list
    Disk3DSettings* m_pSettings;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnDestroy() override;
    const MessageMap& GetMessageMap() const override;

private:
    void OnColor();
    void OnCloseupType();
    // The disk type of m_strType; a text that names none keeps the stored type.
    void StoreDiskType();
};
