#pragma once
// "Config Colors": the six colours of the 3D-Timer's disks, each with a button that opens the
// colour picker and a swatch that shows it.
#include "platform/controls.h"
#include "platform/dialog.h"
#include "settings/settings.h"

class CColorsDlg : public CDialog {
public:
    explicit CColorsDlg(CWnd& parent);

    // Fills slot's swatch (1 to 6) with its colour, inside the swatch's frame.
    void PaintSwatch(int slot);

    CStatic m_swatches[6]; // slots 1 to 6
    COLORREF m_rgbPicked = 0;
    // Filled by the opener before DoModal and read back after it.
    RgbColor m_colors[6];

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void OnPaint() override;
    const MessageMap& GetMessageMap() const override;

private:
    void OnColor1() { PickColor(1); }
    void OnColor2() { PickColor(2); }
    void OnColor3() { PickColor(3); }
    void OnColor4() { PickColor(4); }
    void OnColor5() { PickColor(5); }
    void OnColor6() { PickColor(6); }
    void PickColor(int slot);
};
