#include "platform/fake/user_input.h"
#include "platform/fake/window_pixels.h"
#include "platform/messages.h"
#include "res/page_controls.h"
#include "res/resource.h"
#include "tests/page_fixture.h"
#include "tests/settings_equality.h"
#include "ui/colors_dlg.h"

namespace {

class Disk3DPageTest : public PageFixture {
protected:
    void StartOn3DOptions() {
        Start();
        SelectTab(4);
    }
};

// The middle of a swatch, or a point inset from its top-left corner (outside for a negative
// inset), in the dialog's client area.
CPoint SwatchPoint(CDialog& dlg, int swatchId, int inset) {
    CRect r = dlg.GetDlgItem(swatchId)->GetWindowRect();
    dlg.ScreenToClient(r);
    return CPoint{r.left + inset, r.top + inset};
}

CPoint SwatchMiddle(CDialog& dlg, int swatchId) {
    CRect r = dlg.GetDlgItem(swatchId)->GetWindowRect();
    dlg.ScreenToClient(r);
    return CPoint{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

constexpr int kSwatches[6] = {IDC_SWATCH1, IDC_SWATCH2, IDC_SWATCH3, IDC_SWATCH4, IDC_SWATCH5, IDC_SWATCH6};

TEST_F(Disk3DPageTest, UnknownStoredDiskTypesShowRedYellowGreenAndAreStoredAsOne) {
    struct Case {
        int stored;
        const char* shown;
        int leftAs;
    };
    for (const Case& c : {Case{0, "Red/Yellow/Green", 1}, Case{5, "Red/Yellow/Green", 1},
                          Case{3, "Clock-Type", 3}, Case{4, "Led-Type", 4}}) {
        SCOPED_TRACE(c.stored);
        TearDown();
        SetUp();
        Profile().WriteProfileInt("Daten", "Type", c.stored);
        StartOn3DOptions();
        EXPECT_EQ(Text(IDC_DISK_TYPE), c.shown);
        EXPECT_EQ(HeldSettings().disk3D.nDiskType, c.stored);
        SelectTab(0);
        EXPECT_EQ(HeldSettings().disk3D.nDiskType, c.leftAs);
    }
}

TEST_F(Disk3DPageTest, ClosingTheTypeListStoresTheTypeAtOnce) {
    StartOn3DOptions();
    CComboBox list;
    ASSERT_TRUE(list.SubclassDlgItem(IDC_DISK_TYPE, &Page()));
    ASSERT_EQ(ListItems(list),
              (std::vector<std::string>{"Red/Yellow/Green", "One-Color-Disk", "Clock-Type", "Led-Type"}));
    ChooseListItem(Item(IDC_DISK_TYPE), 1);
    EXPECT_EQ(HeldSettings().disk3D.nDiskType, 2);
    ChooseListItem(Item(IDC_DISK_TYPE), 3);
    EXPECT_EQ(HeldSettings().disk3D.nDiskType, 4);
}

TEST_F(Disk3DPageTest, TheNumbersChangeOnlyThroughTheirSpinnersWithinTheirRanges) {
    Profile().WriteProfileString("Daten", "Parts", "89");
    Profile().WriteProfileString("Daten", "Skip", "2");
    StartOn3DOptions();
    TypeText(Item(IDC_PARTS), "7");
    EXPECT_EQ(Text(IDC_PARTS), "89");
    for (int i = 0; i < 3; ++i) {
        PressKeyIn(Item(IDC_PARTS), Key::Up);
        PressKeyIn(Item(IDC_SKIP), Key::Down);
    }
    EXPECT_EQ(Text(IDC_PARTS), "90");
    EXPECT_EQ(Text(IDC_SKIP), "1");
    ClickItem(IDC_SPIN_Z);
    ClickItem(IDC_LIGHT);
    SelectTab(0);
    const Disk3DSettings& disk = HeldSettings().disk3D;
    EXPECT_EQ(disk.strParts, "90");
    EXPECT_EQ(disk.strSkip, "1");
    EXPECT_EQ(disk.nSpinZ, 1);
    EXPECT_EQ(disk.nSpinX, 0);
    EXPECT_EQ(disk.nLight, 1);

    // A stored number outside its range shows unchanged until its spinner is used.
    HeldSettings().disk3D.strParts = "3";
    HeldSettings().disk3D.strSkip = "120";
    SelectTab(4);
    EXPECT_EQ(Text(IDC_PARTS), "3");
    EXPECT_EQ(Text(IDC_SKIP), "120");
    PressKeyIn(Item(IDC_PARTS), Key::Down);
    PressKeyIn(Item(IDC_SKIP), Key::Down);
    EXPECT_EQ(Text(IDC_PARTS), "5");
    EXPECT_EQ(Text(IDC_SKIP), "10");
}

TEST_F(Disk3DPageTest, TheColoursDialogShowsTheSixColoursInSlotOrderInsideTheSwatchFrames) {
    const int stored[6] = {0x0000FF, 0x00FF00, 0xFF0000, 0x00FFFF, 0xFF00FF, 0x808080};
    const char* keys[6] = {"MCD1", "MCD2", "MCD3", "OCD", "SMD1", "SMD2"};
    for (int i = 0; i < 6; ++i) {
        Profile().WriteProfileInt("Daten", keys[i], stored[i]);
    }
    StartOn3DOptions();
    bool shown = false;
    env->modal.ExpectDialog(IDD_COLORS, [&](CDialog& dlg) {
        shown = true;
        EXPECT_EQ(dlg.GetWindowText(), "Config Colors");
        for (int i = 0; i < 6; ++i) {
            const auto colour = static_cast<COLORREF>(stored[i]);
            EXPECT_EQ(PixelColor(dlg, SwatchMiddle(dlg, kSwatches[i])), colour) << i;
            EXPECT_EQ(PixelColor(dlg, SwatchPoint(dlg, kSwatches[i], 2)), colour) << i;
            EXPECT_NE(PixelColor(dlg, SwatchPoint(dlg, kSwatches[i], 1)), colour) << i; // the frame
            EXPECT_NE(PixelColor(dlg, SwatchPoint(dlg, kSwatches[i], -1)), colour) << i;
        }
        PressKey(dlg, Key::Return);
    });
    ClickItem(IDC_COLOR);
    EXPECT_TRUE(shown);
    Click(IDC_CLOSE);
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(ReopenProfile()->GetProfileInt("Daten", keys[i], -1), stored[i]) << keys[i];
    }
}

TEST_F(Disk3DPageTest, APickedColourIsPaintedAfterItsRoundTripAndKeptEvenOnEscape) {
    StartOn3DOptions();
    env->modal.ExpectDialog(IDD_COLORS, [&](CDialog& dlg) {
        const CPoint swatch5 = SwatchMiddle(dlg, IDC_SWATCH5);
        EXPECT_EQ(PixelColor(dlg, swatch5), RGB(0, 255, 0)); // the default
        env->modal.ExpectColor(std::nullopt);
        ClickButton(*dlg.GetDlgItem(IDC_COLOR5));
        EXPECT_EQ(PixelColor(dlg, swatch5), RGB(0, 255, 0));

        // 24 of the 256 byte values come back one lower, 33 among them.
        int lowered = 0;
        for (int b = 0; b < 256; ++b) {
            env->modal.ExpectColor(RGB(b, 255 - b, 0));
            ClickButton(*dlg.GetDlgItem(IDC_COLOR5));
            const COLORREF shown = PixelColor(dlg, swatch5);
            lowered += (shown & 0xFF) == static_cast<COLORREF>(b) - 1 ? 1 : 0;
            EXPECT_TRUE((shown & 0xFF) == static_cast<COLORREF>(b) ||
                        (shown & 0xFF) + 1 == static_cast<COLORREF>(b));
        }
        EXPECT_EQ(lowered, 24);
        env->modal.ExpectColor(RGB(33, 34, 255));
        ClickButton(*dlg.GetDlgItem(IDC_COLOR5));
        EXPECT_EQ(PixelColor(dlg, swatch5), RGB(32, 34, 255));
        EXPECT_EQ(static_cast<CColorsDlg&>(dlg).m_rgbPicked, RGB(33, 34, 255));
        PressKey(dlg, Key::Escape);
    });
    ClickItem(IDC_COLOR);
    EXPECT_NEAR(HeldSettings().disk3D.colSecMin[0].red, 33 / 255.0, 1e-12);
    EXPECT_EQ(HeldSettings().disk3D.colSecMin[1], ColorFromProfileInt(0x0000FF)); // untouched
    Click(IDC_CLOSE);
    EXPECT_EQ(ReopenProfile()->GetProfileInt("Daten", "SMD1", -1), 0xFF2221);
}

} // namespace
