// Whatever sits where the profile belongs, the program starts at once, with the stored values
// or the defaults, and its Close writes back what it read or leaves the thing alone.
#include "platform/fake/user_input.h"
#include "platform/fake/window_pixels.h"
#include "platform/profile/qt_profile_store.h"
#include "res/page_controls.h"
#include "res/resource.h"
#include "tests/page_fixture.h"
#include "tests/settings_equality.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace {

// A start held up by what the profile holds takes seconds or minutes. A busy machine slows an
// ordinary start as much, so the bound grows with the time one takes here.
constexpr long long kStartBoundMs = 1000;
constexpr long long kOrdinaryStarts = 10;

class HostileProfileTest : public PageFixture {
protected:
    void SetUp() override {
        static const long long ordinary = [this] {
            PageFixture::SetUp();
            const long long ms = TimedStart();
            PageFixture::TearDown();
            return ms;
        }();
        m_ordinaryStartMs = ordinary;
        PageFixture::SetUp();
    }
    testing::AssertionResult StartsAtOnce() {
        const long long took = TimedStart();
        if (took < kStartBoundMs + kOrdinaryStarts * m_ordinaryStartMs) {
            return testing::AssertionSuccess();
        }
        return testing::AssertionFailure() << "the main window was painted after " << took
                                           << " ms, with no profile after " << m_ordinaryStartMs << " ms";
    }
    void WriteProfile(const std::string& bytes) const {
        std::ofstream out(profilePath, std::ios::binary);
        out << bytes;
    }
    // Starts the program and says how long the main window took to be painted.
    long long TimedStart() {
        const auto begin = std::chrono::steady_clock::now();
        Start();
        PixelColor(Dlg(), CPoint{0, 0});
        const auto end = std::chrono::steady_clock::now();
        return std::chrono::duration_cast<std::chrono::milliseconds>(end - begin).count();
    }
    static Settings Loaded(ProfileStore& profile) {
        Settings s;
        LoadSettings(s, profile);
        LoadWindowPositions(s, profile);
        return s;
    }
    Settings Defaults() const { return Loaded(*QtProfileStore::AtPath(Dir("never-written.conf"))); }
    std::string Dir(const char* name) const { return dir.FilePath(name); }
    static mode_t KindOf(const std::string& path) {
        struct stat st {};
        return ::lstat(path.c_str(), &st) == 0 ? (st.st_mode & S_IFMT) : 0;
    }
    static int Count(const std::string& text, const std::string& part) {
        int n = 0;
        for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
            ++n;
        }
        return n;
    }
    static int Lines(const std::string& text) { return Count(text, "\n"); }

    long long m_ordinaryStartMs = 0;
};

// A profile that is a file of our own making: the program shows what it holds, and Close
// writes back exactly what it read, and says nothing of a failure.
TEST_F(HostileProfileTest, MalformedFilesStartWithWhatTheyHoldAndAreWrittenBackWithoutAlarm) {
    std::string garbage;
    unsigned state = 12345;
    for (int i = 0; i < 64 * 1024; ++i) {
        state = state * 1103515245u + 12345u;
        garbage += static_cast<char>(state >> 16);
    }
    struct Case {
        const char* name;
        std::string bytes;
        std::string minutes; // as the Timer page shows it
        std::string message;
    };
    const Case cases[] = {
        {"binary garbage", garbage, "5", "Hier Text eingeben."},
        {"NUL bytes",
         std::string("[Daten]\nMinuten=7\nMeldungstext=Tee\0ist\0fertig\n\0\0[Daten]\nSound=1\n", 51), "7",
         std::string("Tee\0ist\0fertig", 14)},
        {"a key repeated", "[Daten]\nMinuten=3\nMeldungstext=erst\nMinuten=9\nMeldungstext=dann\n", "9",
         "dann"},
        {"a section repeated", "[Daten]\nMinuten=4\n[Andere]\nx=1\n[Daten]\nMeldungstext=zweiter Teil\n", "4",
         "zweiter Teil"},
        {"an unterminated section", "[Daten\nMinuten=8\n[Daten]\nMeldungstext=offen\n", "8", "offen"},
        // Written back before "Daten", the open quote must not run on into it.
        {"a quote left open in another section", "[Daten]\nMinuten=8\n[Andere]\nx=offen\"", "8",
         "Hier Text eingeben."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TearDown();
        SetUp();
        WriteProfile(c.bytes);
        testing::internal::CaptureStderr();
        EXPECT_TRUE(StartsAtOnce());
        EXPECT_EQ(HeldSettings().timer.strMinutes, c.minutes);
        EXPECT_EQ(HeldSettings().timer.strMessage, c.message);
        const Settings shown = HeldSettings();
        Click(IDC_CLOSE);
        const std::string errors = testing::internal::GetCapturedStderr();
        EXPECT_TRUE(Ended());
        EXPECT_EQ(errors, "");
        EXPECT_TRUE(Loaded(*ReopenProfile()) == shown);
    }
}

// Word-wrapped whole into the message edit, a long message took minutes to show: most of all
// one long word, which has no place to break.
TEST_F(HostileProfileTest, AOneMegabyteMessageShowsAtOnceAndIsKeptUntilEdited) {
    std::string message;
    while (message.size() < 1000 * 1000) {
        message += "Teekanne";
    }
    message.resize(1000 * 1000);
    for (const bool edit : {false, true}) {
        SCOPED_TRACE(edit ? "edited" : "as stored");
        TearDown();
        SetUp();
        WriteProfile("[Daten]\nMeldungstext=" + message + "\n");
        EXPECT_TRUE(StartsAtOnce());
        const std::string shown = Text(IDC_MESSAGE);
        EXPECT_TRUE(shown == message.substr(0, 70)) << shown.size() << " characters shown";
        if (edit) {
            ReplaceText(Item(IDC_MESSAGE), "Tee!");
        }
        Click(IDC_CLOSE);
        const std::string written = ReopenProfile()->GetProfileString("Daten", "Meldungstext", "");
        EXPECT_EQ(written.size(), edit ? 4u : message.size());
        EXPECT_TRUE(written == (edit ? "Tee!" : message)) << written.substr(0, 80);
    }
}

TEST_F(HostileProfileTest, ANamedPipeNeverHoldsUpStartAndIsLeftAlone) {
    ASSERT_EQ(::mkfifo(profilePath.c_str(), 0600), 0);
    testing::internal::CaptureStderr();
    EXPECT_TRUE(StartsAtOnce());
    const std::string atStart = testing::internal::GetCapturedStderr();
    EXPECT_EQ(Lines(atStart), 1) << atStart;
    EXPECT_NE(atStart.find("named pipe"), std::string::npos) << atStart;
    EXPECT_TRUE(HeldSettings() == Defaults());

    testing::internal::CaptureStderr();
    Click(IDC_CLOSE);
    const std::string atClose = testing::internal::GetCapturedStderr();
    EXPECT_TRUE(Ended());
    EXPECT_EQ(Lines(atClose), 1) << atClose;
    EXPECT_EQ(KindOf(profilePath), static_cast<mode_t>(S_IFIFO));
}

// Through a link, as the user's own dot-file manager may set it up. As root, the program could
// replace a device node by a file, so the node is one made here when that is allowed.
TEST_F(HostileProfileTest, ALinkToADeviceStartsWithDefaultsAndTheDeviceIsLeftAlone) {
    const std::string node = Dir("zero");
    const bool ownNode = ::mknod(node.c_str(), S_IFCHR | 0666, makedev(1, 5)) == 0;
    const std::string device = ownNode ? node : (::geteuid() != 0 ? "/dev/zero" : "");
    if (device.empty()) {
        GTEST_SKIP() << "root without the right to make a device node: no safe device to point at";
    }
    ASSERT_EQ(::symlink(device.c_str(), profilePath.c_str()), 0);
    testing::internal::CaptureStderr();
    EXPECT_TRUE(StartsAtOnce());
    const std::string atStart = testing::internal::GetCapturedStderr();
    EXPECT_EQ(Lines(atStart), 1) << atStart;
    EXPECT_NE(atStart.find("a device"), std::string::npos) << atStart;
    EXPECT_TRUE(HeldSettings() == Defaults());

    testing::internal::CaptureStderr();
    Click(IDC_CLOSE);
    const std::string atClose = testing::internal::GetCapturedStderr();
    EXPECT_EQ(Lines(atClose), 1) << atClose;
    EXPECT_EQ(KindOf(profilePath), static_cast<mode_t>(S_IFLNK));
    EXPECT_EQ(KindOf(device), static_cast<mode_t>(S_IFCHR));
}

TEST_F(HostileProfileTest, AFolderStartsWithDefaultsAndIsLeftAlone) {
    ASSERT_EQ(::mkdir(profilePath.c_str(), 0700), 0);
    testing::internal::CaptureStderr();
    EXPECT_TRUE(StartsAtOnce());
    const std::string atStart = testing::internal::GetCapturedStderr();
    EXPECT_EQ(Lines(atStart), 1) << atStart;
    EXPECT_NE(atStart.find("a folder"), std::string::npos) << atStart;

    testing::internal::CaptureStderr();
    Click(IDC_CLOSE);
    EXPECT_EQ(Lines(testing::internal::GetCapturedStderr()), 1);
    EXPECT_EQ(KindOf(profilePath), static_cast<mode_t>(S_IFDIR));
}

// Too large to be a profile of ours: read as none, and replaced by what the program read.
TEST_F(HostileProfileTest, AFileOverOneMegabyteStartsWithDefaultsAndIsReplacedAtClose) {
    WriteProfile("[Daten]\nMinuten=9\nMeldungstext=" + std::string(2 * 1024 * 1024, 'x') + "\n");
    testing::internal::CaptureStderr();
    EXPECT_TRUE(StartsAtOnce());
    const std::string atStart = testing::internal::GetCapturedStderr();
    EXPECT_EQ(Lines(atStart), 1) << atStart;
    EXPECT_NE(atStart.find("larger than 1 MB"), std::string::npos) << atStart;
    EXPECT_TRUE(HeldSettings() == Defaults());

    testing::internal::CaptureStderr();
    Click(IDC_CLOSE);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    EXPECT_LT(std::filesystem::file_size(profilePath), 4096u);
    EXPECT_TRUE(Loaded(*ReopenProfile()) == Defaults());
}

} // namespace
