#include "platform/fake/user_input.h"
#include "platform/messages.h"
#include "res/page_controls.h"
#include "tests/page_fixture.h"

namespace {

class OptionsPageTest : public PageFixture {
protected:
    void StartOnOptions() {
        Start();
        SelectTab(1);
    }
};

TEST_F(OptionsPageTest, ChoosingASoundTurnsPlaySoundOnAndPlayPlaysTheFullPathSynchronously) {
    StartOnOptions();
    EXPECT_FALSE(Enabled(IDC_PLAY_SOUND)); // no stored sound
    EXPECT_EQ(Text(IDC_SOUND_NAME), "");
    ClickItem(IDC_DISPLAY_ICON); // a mark set before browsing stays

    env->modal.ExpectOpenFile("/home/user/sounds/tea bell.wav");
    ClickItem(IDC_BROWSE_SOUND);
    EXPECT_EQ(env->modal.fileFilters.back(), "Wav Dateien (*.wav)|*.wav||");
    EXPECT_EQ(Text(IDC_SOUND_NAME), "tea bell.wav");
    EXPECT_TRUE(Checked(IDC_PLAY_SOUND));
    EXPECT_TRUE(Enabled(IDC_PLAY_SOUND));
    EXPECT_TRUE(Checked(IDC_DISPLAY_ICON));

    ClickItem(IDC_PLAY_SOUND); // "Play" plays whether or not "play sound" is checked
    ClickItem(IDC_PLAY);
    ASSERT_EQ(env->sound.calls.size(), 1u);
    EXPECT_EQ(env->sound.calls[0].path, "/home/user/sounds/tea bell.wav");
    EXPECT_EQ(env->sound.calls[0].flags, SND_FILENAME | SND_NODEFAULT);

    SelectTab(0);
    const OptionsSettings& options = HeldSettings().options;
    EXPECT_EQ(options.strSoundWav, "/home/user/sounds/tea bell.wav");
    EXPECT_EQ(options.strSoundName, "tea bell.wav");
    EXPECT_EQ(options.nPlaySound, 0);
    EXPECT_EQ(options.nDisplayIcon, 1);
}

TEST_F(OptionsPageTest, CancellingTheFileDialogRemovesTheSound) {
    Profile().WriteProfileString("Daten", "Soundname", "bell.wav");
    Profile().WriteProfileString("Daten", "Soundwav", "/snd/bell.wav");
    Profile().WriteProfileInt("Daten", "Sound", 1);
    Profile().WriteProfileInt("Daten", "Spin", 1);
    StartOnOptions();
    EXPECT_EQ(Text(IDC_SOUND_NAME), "bell.wav");
    EXPECT_TRUE(Checked(IDC_PLAY_SOUND) && Enabled(IDC_PLAY_SOUND));
    TypeText(Item(IDC_SOUND_NAME), "x"); // read-only
    EXPECT_EQ(Text(IDC_SOUND_NAME), "bell.wav");

    env->modal.ExpectOpenFile(std::nullopt);
    ClickItem(IDC_BROWSE_SOUND);
    EXPECT_EQ(Text(IDC_SOUND_NAME), "");
    EXPECT_FALSE(Checked(IDC_PLAY_SOUND));
    EXPECT_FALSE(Enabled(IDC_PLAY_SOUND));
    ClickItem(IDC_PLAY);
    ASSERT_EQ(env->sound.calls.size(), 1u);
    EXPECT_EQ(env->sound.calls[0].path, "");

    Dlg().SaveShownPageForStart();
    EXPECT_EQ(HeldSettings().options.strSoundWav, "");
    EXPECT_EQ(HeldSettings().options.nPlaySound, 0);
    EXPECT_EQ(HeldSettings().options.nSpin, 1); // not on this page
}

TEST_F(OptionsPageTest, SnapAndFullscreenAreEnabledExactlyWhileTheirBoxIsChecked) {
    StartOnOptions();
    EXPECT_FALSE(Enabled(IDC_SNAP_LED));
    EXPECT_FALSE(Enabled(IDC_FULLSCREEN));
    ClickItem(IDC_LED_TIMER);
    EXPECT_TRUE(Enabled(IDC_SNAP_LED));
    ClickItem(IDC_SNAP_LED);
    ClickItem(IDC_LED_TIMER);
    EXPECT_FALSE(Enabled(IDC_SNAP_LED));
    EXPECT_TRUE(Checked(IDC_SNAP_LED));
    ClickItem(IDC_3D_TIMER);
    EXPECT_TRUE(Enabled(IDC_FULLSCREEN));
    ClickItem(IDC_FULLSCREEN);
    ClickItem(IDC_3D_TIMER);
    EXPECT_FALSE(Enabled(IDC_FULLSCREEN));

    SelectTab(4);
    const OptionsSettings& options = HeldSettings().options;
    EXPECT_EQ(options.nLedTimer, 0);
    EXPECT_EQ(options.nSnapLed, 1);
    EXPECT_EQ(options.n3DTimer, 0);
    EXPECT_EQ(options.nFullscreen, 1);
    SelectTab(1);
    EXPECT_TRUE(Checked(IDC_SNAP_LED) && !Enabled(IDC_SNAP_LED));
    EXPECT_TRUE(Checked(IDC_FULLSCREEN) && !Enabled(IDC_FULLSCREEN));
}

TEST_F(OptionsPageTest, WithoutTheOpenGlLibrariesThe3DTimerCannotBeTurnedOn) {
    Profile().WriteProfileInt("Daten", "3D", 1);
    Profile().WriteProfileInt("Daten", "Full", 1);
    env->system.openGl = false;
    StartOnOptions();
    EXPECT_FALSE(Enabled(IDC_3D_TIMER));
    EXPECT_FALSE(Checked(IDC_3D_TIMER));
    EXPECT_FALSE(Enabled(IDC_FULLSCREEN));
    SelectTab(0);
    EXPECT_EQ(HeldSettings().options.n3DTimer, 0);

    // The libraries go missing while the page is shown.
    env->system.openGl = true;
    SelectTab(1);
    ClickItem(IDC_3D_TIMER);
    EXPECT_TRUE(Enabled(IDC_FULLSCREEN));
    env->system.openGl = false;
    ClickItem(IDC_3D_TIMER); // unchecking asks nothing
    EXPECT_TRUE(env->modal.messageBoxes.empty());
    env->modal.ExpectMessageBox();
    ClickItem(IDC_3D_TIMER);
    ASSERT_EQ(env->modal.messageBoxes.size(), 1u);
    EXPECT_EQ(env->modal.messageBoxes[0].text, "A required DLL for OpenGL is missing.");
    EXPECT_EQ(env->modal.messageBoxes[0].caption, "Warning");
    EXPECT_EQ(env->modal.messageBoxes[0].type, MB_OK);
    EXPECT_FALSE(Checked(IDC_3D_TIMER));
    EXPECT_FALSE(Enabled(IDC_FULLSCREEN));
}

} // namespace
