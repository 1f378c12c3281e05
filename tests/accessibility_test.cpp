// What assistive technology reads from the program's controls, and what its actions do.
#include "indicators/countup_dlg.h"
#include "platform/dialog.h"
#include "platform/fake/accessibility.h"
#include "platform/fake/user_input.h"
#include "res/page_controls.h"
#include "res/resource.h"
#include "tests/run_fixture.h"

#include <stdexcept>

namespace {

class AccessibilityTest : public RunFixture {
protected:
    CWnd& PageItem(int id) {
        CWnd* item = ShownPageTemplate() != 0 ? Page().GetDlgItem(id) : nullptr;
        if (!item) {
            throw std::runtime_error("the shown page has no control " + std::to_string(id));
        }
        return *item;
    }
    bool PageChecked(int id) { return Page().IsDlgButtonChecked(id) == 1; }
};

TEST_F(AccessibilityTest, NamesAreTheTextsShownAlsoAfterTheProgramChangesThem) {
    Profile().WriteProfileString("Daten", "Meldungstext", "<b>Tee</b> && Kekse");
    Start();
    CWnd& start = *Dlg().GetDlgItem(IDC_START);
    EXPECT_EQ(AccessibleName(start), "Start Timer");
    StartCountdown("1");
    ASSERT_EQ(start.GetWindowText(), "Stop Timer");
    EXPECT_EQ(AccessibleName(start), "Stop Timer");

    ExpectNotice([](CDialog& notice) {
        // As it shows: one ampersand, and no markup.
        EXPECT_EQ(AccessibleName(*notice.GetDlgItem(IDC_NOTICE_TEXT)), "<b>Tee</b> & Kekse");
        EXPECT_EQ(AccessibleName(notice), "Hinweis");
    });
    Advance(60 * 1000);
    EXPECT_EQ(AccessibleName(start), "Start Timer");

    StartCountup();
    CWnd& time = *CountupWindow().GetDlgItem(IDC_COUNT_TIME);
    EXPECT_EQ(AccessibleName(time), "00:00:00");
    Advance(61 * 1000);
    EXPECT_EQ(AccessibleName(time), "00:01:01");
}

TEST_F(AccessibilityTest, InputsWithoutTextAreNamedAfterTheStaticBeforeThemWhateverTheyHold) {
    StartWith({{"Timermode", 1}});
    CWnd& minutes = PageItem(IDC_MINUTES);
    EXPECT_EQ(AccessibleName(PageItem(IDC_ALARMTIME)), "Alarm at:");
    EXPECT_EQ(AccessibleName(minutes), "in");
    EXPECT_EQ(AccessibleName(PageItem(IDC_MINUTES_SPIN)), "in"); // the edit it steps
    EXPECT_EQ(AccessibleName(PageItem(IDC_MESSAGE)), "Messagetext:");
    EXPECT_EQ(AccessibleName(PageItem(IDC_ALARM_GROUP)), "Alarm-Type & Setting:");
    EXPECT_EQ(AccessibleName(PageItem(IDC_MODE_COUNTUP)), "Countup");

    ReplaceText(minutes, "7");
    PressKeyIn(minutes, Key::Up);
    EXPECT_EQ(AccessibleValue(PageItem(IDC_MINUTES_SPIN)), 8); // the up-down reads out its edit
    Page().UpdateData(FALSE);                                  // the program writes the edits
    EXPECT_EQ(AccessibleName(minutes), "in");
    EXPECT_EQ(AccessibleName(PageItem(IDC_MINUTES_SPIN)), "in");
    EXPECT_EQ(AccessibleName(PageItem(IDC_MESSAGE)), "Messagetext:");
}

TEST_F(AccessibilityTest, ControlsReportTheirKind) {
    Start();
    EXPECT_EQ(AccessibleRole(*Dlg().GetDlgItem(IDC_START)), "push button");
    for (int id : {IDC_MODE_TIME, IDC_MODE_TIMER, IDC_MODE_COUNTUP}) {
        EXPECT_EQ(AccessibleRole(PageItem(id)), "radio button") << id;
    }
    EXPECT_EQ(AccessibleRole(PageItem(IDC_ALARMTIME)), "text");
    EXPECT_EQ(AccessibleRole(PageItem(IDC_IN_LABEL)), "label");
    EXPECT_EQ(AccessibleRole(PageItem(IDC_MINUTES_SPIN)), "spin button");
    SelectTab(1);
    EXPECT_EQ(AccessibleRole(PageItem(IDC_LED_TIMER)), "check box");
}

TEST_F(AccessibilityTest, ChoosingCountupThroughAccessibilityReachesThePage) {
    StartWith({{"Timermode", 1}});
    ASSERT_TRUE(PageItem(IDC_MINUTES).IsWindowEnabled());
    ToggleThroughAccessibility(PageItem(IDC_MODE_COUNTUP));
    EXPECT_TRUE(PageChecked(IDC_MODE_COUNTUP));
    EXPECT_FALSE(PageChecked(IDC_MODE_TIMER));
    for (int id : {IDC_MINUTES, IDC_MINUTES_SPIN, IDC_IN_LABEL, IDC_MINUTES_LABEL, IDC_ALARMTIME}) {
        EXPECT_FALSE(PageItem(id).IsWindowEnabled()) << id;
    }
    Click(IDC_START);
    EXPECT_EQ(Running(), Run::Countup);
}

TEST_F(AccessibilityTest, ACheckBoxToggledThroughAccessibilityRunsItsHandlerOnce) {
    Start();
    SelectTab(1);
    env->system.openGl = false; // the libraries went missing since the page opened
    env->modal.ExpectMessageBox();
    ToggleThroughAccessibility(PageItem(IDC_3D_TIMER));
    // One warning; the handler's own clearing of the box runs nothing more.
    ASSERT_EQ(env->modal.messageBoxes.size(), 1u);
    EXPECT_EQ(env->modal.messageBoxes[0].text, "A required DLL for OpenGL is missing.");
    EXPECT_FALSE(PageChecked(IDC_3D_TIMER));
    EXPECT_FALSE(PageItem(IDC_FULLSCREEN).IsWindowEnabled());
}

// A dialog of its own, counting the clicks its buttons report.
constexpr int kProbeDialog = 9000;
constexpr int kFirst = 1, kSecond = 2, kBox = 3;

DialogTemplate ProbeTemplate() {
    DialogTemplate t;
    t.id = kProbeDialog;
    t.caption = "Probe";
    t.cx = 100;
    t.cy = 60;
    t.style = WS_POPUP | WS_VISIBLE | WS_CAPTION;
    t.controls = {
        {kFirst, ControlKind::RadioButton, "First", 5, 5, 50, 10, WS_GROUP},
        {kSecond, ControlKind::RadioButton, "Second", 5, 20, 50, 10},
        {kBox, ControlKind::CheckBox, "Box", 5, 35, 50, 10, WS_GROUP},
    };
    return t;
}

class ProbeDialog : public CDialog {
public:
    explicit ProbeDialog(CWinApp& app) : CDialog(kProbeDialog, app) {}
    int m_nChoice = 0;
    int m_nBox = 0;
    int clicks[4] = {};

protected:
    void DoDataExchange(CDataExchange* pDX) override {
        DDX_Radio(pDX, kFirst, m_nChoice);
        DDX_Check(pDX, kBox, m_nBox);
    }
    const MessageMap& GetMessageMap() const override {
        static const MessageMap map = {
            OnClicked(kFirst, &ProbeDialog::OnFirst),
            OnClicked(kSecond, &ProbeDialog::OnSecond),
            OnClicked(kBox, &ProbeDialog::OnBox),
        };
        return map;
    }

private:
    void OnFirst() { ++clicks[kFirst]; }
    void OnSecond() { ++clicks[kSecond]; }
    void OnBox() { ++clicks[kBox]; }
};

class ButtonActivationTest : public ::testing::Test {
protected:
    TempFolder dir;
    FakeEnvironment env{dir.FilePath("probe.conf")};
    ResourceTable resources{{{kProbeDialog, ProbeTemplate()}}, {}, {}};
    CWinApp app{env.GetServices(), env.loop, resources};
    ProbeDialog dlg{app};

    void SetUp() override { ASSERT_TRUE(dlg.Create()); }
    void TearDown() override {
        for (const std::string& failure : env.modal.failures) {
            ADD_FAILURE() << failure;
        }
        dlg.DestroyWindow();
    }
};

TEST_F(ButtonActivationTest, EveryActivationThatChecksAButtonIsOneClickAndTheProgramsChecksNone) {
    ToggleThroughAccessibility(*dlg.GetDlgItem(kSecond));
    EXPECT_EQ(dlg.IsDlgButtonChecked(kSecond), 1u);
    EXPECT_EQ(dlg.IsDlgButtonChecked(kFirst), 0u);
    EXPECT_EQ(dlg.clicks[kSecond], 1);
    EXPECT_EQ(dlg.clicks[kFirst], 0); // unchecked by its group, not activated

    ClickButton(*dlg.GetDlgItem(kFirst));
    EXPECT_EQ(dlg.clicks[kFirst], 1);
    EXPECT_EQ(dlg.clicks[kSecond], 1);

    ToggleThroughAccessibility(*dlg.GetDlgItem(kBox));
    ToggleThroughAccessibility(*dlg.GetDlgItem(kBox));
    ClickButton(*dlg.GetDlgItem(kBox));
    EXPECT_EQ(dlg.clicks[kBox], 3);
    EXPECT_EQ(dlg.IsDlgButtonChecked(kBox), 1u);

    dlg.m_nChoice = 1;
    dlg.m_nBox = 0;
    dlg.UpdateData(FALSE);
    EXPECT_EQ(dlg.IsDlgButtonChecked(kSecond), 1u);
    EXPECT_EQ(dlg.IsDlgButtonChecked(kBox), 0u);
    EXPECT_EQ(dlg.clicks[kFirst], 1);
    EXPECT_EQ(dlg.clicks[kSecond], 1);
    EXPECT_EQ(dlg.clicks[kBox], 3);
}

} // namespace
