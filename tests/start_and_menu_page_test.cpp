#include "platform/fake/user_input.h"
#include "res/page_controls.h"
#include "res/resource.h"
#include "tests/page_fixture.h"

namespace {

class StartPageTest : public PageFixture {};

TEST_F(StartPageTest, StartAndStayMinimizedDisablesTheOtherStartOptionsKeepingTheirMarks) {
    Profile().WriteProfileInt("Daten", "startstay", 1);
    Profile().WriteProfileInt("Daten", "Start", 1);
    Profile().WriteProfileInt("Daten", "Iconmode", 1);
    Start();
    CommandFromTray(ID_MENU_MAXIMIZE);
    SelectTab(2);
    EXPECT_TRUE(Checked(IDC_START_STAY));
    EXPECT_FALSE(Enabled(IDC_START_MINIMIZED));
    EXPECT_FALSE(Enabled(IDC_MINIMIZE_AFTER_START));
    EXPECT_TRUE(Checked(IDC_START_MINIMIZED));
    EXPECT_TRUE(Checked(IDC_DBLCLICK_START));
    EXPECT_FALSE(Checked(IDC_DBLCLICK_MAXIMIZE));

    ClickItem(IDC_START_STAY);
    EXPECT_TRUE(Enabled(IDC_START_MINIMIZED) && Enabled(IDC_MINIMIZE_AFTER_START));
    EXPECT_TRUE(Checked(IDC_START_MINIMIZED));
    ClickItem(IDC_MINIMIZE_AFTER_START);
    ClickItem(IDC_START_STAY);
    EXPECT_FALSE(Enabled(IDC_START_MINIMIZED) || Enabled(IDC_MINIMIZE_AFTER_START));
    ClickItem(IDC_DBLCLICK_MAXIMIZE);
    ClickItem(IDC_CLOSE_AFTER_ALARM);

    Dlg().SaveShownPageForStart();
    const StartSettings& start = HeldSettings().start;
    EXPECT_EQ(start.nStartStayMinimized, 1);
    EXPECT_EQ(start.nStartMinimized, 1);
    EXPECT_EQ(start.nMinimizeAfterStart, 1); // disabled, still written
    EXPECT_EQ(start.nTrayDblClick, 0);
    EXPECT_EQ(start.nCloseAfterAlarm, 1);
}

class MenuPageTest : public PageFixture {};

TEST_F(MenuPageTest, ShowsTheQuickTimersAndStoresWhatIsTypedUnchecked) {
    Start();
    SelectTab(3);
    EXPECT_EQ(Text(IDC_MENU1_TEXT), "1 Minute");
    EXPECT_EQ(Text(IDC_MENU2_TEXT), "3 Minuten");
    EXPECT_EQ(Text(IDC_MENU3_TEXT), "5 Minuten");
    EXPECT_EQ(Text(IDC_MENU1_MINUTES), "1");
    EXPECT_EQ(Text(IDC_MENU2_MINUTES), "3");
    EXPECT_EQ(Text(IDC_MENU3_MINUTES), "5");

    ReplaceText(Item(IDC_MENU1_MINUTES), "1a0");
    EXPECT_EQ(Text(IDC_MENU1_MINUTES), "10");
    ReplaceText(Item(IDC_MENU2_MINUTES), "");
    ReplaceText(Item(IDC_MENU3_TEXT), "");
    const std::string longCaption(40, 'c'); // no length limit
    ReplaceText(Item(IDC_MENU2_TEXT), longCaption);

    Restart();
    const MenuSettings& menu = HeldSettings().menu;
    EXPECT_EQ(menu.strMenuMinutes[0], "10");
    EXPECT_EQ(menu.strMenuMinutes[1], "");
    EXPECT_EQ(menu.strMenuText[2], "");
    EXPECT_EQ(menu.strMenuText[1], longCaption);
}

} // namespace
