#include "ui/colors_dlg.h"

#include "platform/dc.h"
#include "platform/services.h"
#include "res/page_controls.h"
#include "res/resource.h"

namespace {

constexpr int kSwatchIds[6] = {IDC_SWATCH1, IDC_SWATCH2, IDC_SWATCH3, IDC_SWATCH4, IDC_SWATCH5, IDC_SWATCH6};

// A component as a byte: truncated, so some bytes come back one lower after a round trip.
int TruncatedComponentByte(double component) {
    return static_cast<int>(component * 255.0);
}

} // namespace

CColorsDlg::CColorsDlg(CWnd& parent) : CDialog(IDD_COLORS, parent) {}

void CColorsDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    for (int i = 0; i < 6; ++i) {
        DDX_Control(pDX, kSwatchIds[i], m_swatches[i]);
    }
}

const MessageMap& CColorsDlg::GetMessageMap() const {
    static const MessageMap map = {
        OnClicked(IDC_COLOR1, &CColorsDlg::OnColor1), OnClicked(IDC_COLOR2, &CColorsDlg::OnColor2),
        OnClicked(IDC_COLOR3, &CColorsDlg::OnColor3), OnClicked(IDC_COLOR4, &CColorsDlg::OnColor4),
        OnClicked(IDC_COLOR5, &CColorsDlg::OnColor5), OnClicked(IDC_COLOR6, &CColorsDlg::OnColor6),
    };
    return map;
}

void CColorsDlg::PickColor(int slot) {
    const std::optional<COLORREF> picked = GetServices().modal.ChooseColor(this);
    if (!picked) {
        return;
    }
    m_rgbPicked = *picked;
    // A COLORREF has the profile's byte order, 0x00BBGGRR.
    m_colors[slot - 1] = ColorFromProfileInt(static_cast<int>(m_rgbPicked));
    PaintSwatch(slot);
}

void CColorsDlg::PaintSwatch(int slot) {
    CRect rect = m_swatches[slot - 1].GetWindowRect();
    ScreenToClient(rect);
    // The inside of the swatch's 2-pixel etched frame.
    rect = CRect{rect.left + 2, rect.top + 2, rect.right - 2, rect.bottom - 2};
    const RgbColor& c = m_colors[slot - 1];
    CClientDC dc(this);
    dc.FillSolidRect(rect, RGB(TruncatedComponentByte(c.red), TruncatedComponentByte(c.green),
                               TruncatedComponentByte(c.blue)));
}

void CColorsDlg::OnPaint() {
    for (int slot = 1; slot <= 6; ++slot) {
        PaintSwatch(slot);
    }
}
