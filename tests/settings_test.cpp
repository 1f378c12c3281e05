// The settings record against the real profile store in a temporary folder.
#include "platform/profile/qt_profile_store.h"
#include "settings/profile_table.h"
#include "settings/settings.h"
#include "tests/settings_equality.h"

#include "tests/temp_folder.h"

#include <gtest/gtest.h>

#include <climits>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <limits>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace {

// The double nearest 1/255, as the colour bytes are scaled.
constexpr double kStep = 0.00392156862745098;

RgbColor Bytes(int r, int g, int b) {
    return RgbColor{r * kStep, g * kStep, b * kStep};
}

std::string Show(const RgbColor& c) {
    return "(" + std::to_string(c.red) + ", " + std::to_string(c.green) + ", " + std::to_string(c.blue) + ")";
}

// Passes every call on and remembers it, so what a load or save asked of the profile shows.
class RecordingProfile : public ProfileStore {
public:
    enum class Op { GetInt, GetString, WriteInt, WriteString };
    struct Call {
        Op op;
        std::string section;
        std::string key;
        std::string value; // written value, or the default of a read
    };

    explicit RecordingProfile(ProfileStore& inner) : m_inner(inner) {}

    int GetProfileInt(const std::string& section, const std::string& key, int def) override {
        calls.push_back({Op::GetInt, section, key, std::to_string(def)});
        return m_inner.GetProfileInt(section, key, def);
    }
    std::string GetProfileString(const std::string& section, const std::string& key,
                                 const std::string& def) override {
        calls.push_back({Op::GetString, section, key, def});
        return m_inner.GetProfileString(section, key, def);
    }
    void WriteProfileInt(const std::string& section, const std::string& key, int value) override {
        calls.push_back({Op::WriteInt, section, key, std::to_string(value)});
        m_inner.WriteProfileInt(section, key, value);
    }
    void WriteProfileString(const std::string& section, const std::string& key,
                            const std::string& value) override {
        calls.push_back({Op::WriteString, section, key, value});
        m_inner.WriteProfileString(section, key, value);
    }
    bool Flush() override { return m_inner.Flush(); }

    std::vector<Call> calls;

private:
    ProfileStore& m_inner;
};

// A record where every field differs from its default and from every other field,
// with colours on the byte grid so they survive the trip unchanged.
Settings DistinctRecord() {
    Settings s;
    s.start.nCloseAfterAlarm = 1;
    s.start.nMinimizeAfterStart = 1;
    s.start.nStartMinimized = 1;
    s.start.nStartStayMinimized = 1;
    s.start.nTrayDblClick = 1;
    s.timer.nMode = 2;
    s.timer.strMinutes = "17";
    s.timer.strAlarmTime = "";
    s.timer.strMessage = "Tee ist fertig, \"bitte\" abgießen\nZeile 2";
    s.options.strSoundName = "gong.wav";
    s.options.nPlaySound = 1;
    s.options.strSoundWav = "/home/anna/Klänge/gong.wav";
    s.options.nSnapLed = 1;
    s.options.nLedTimer = 1;
    s.options.nDisplayIcon = 1;
    s.options.n3DTimer = 1;
    s.options.nSpin = 7;
    s.options.nFullscreen = 1;
    s.menu.strMenuText[0] = "Espresso";
    s.menu.strMenuText[1] = "Grüner Tee";
    s.menu.strMenuText[2] = "@Schwarzer Tee, stark";
    s.menu.strMenuMinutes[0] = "2";
    s.menu.strMenuMinutes[1] = "04";
    s.menu.strMenuMinutes[2] = "6 min";
    s.disk3D.strParts = "72";
    s.disk3D.strSkip = "3";
    s.disk3D.nRYG = 9;
    s.disk3D.nSpinX = 1;
    s.disk3D.nSpinY = 1;
    s.disk3D.nSpinZ = 1;
    s.disk3D.colMulti[0] = Bytes(1, 2, 3);
    s.disk3D.colMulti[1] = Bytes(250, 128, 7);
    s.disk3D.colMulti[2] = Bytes(0, 255, 33);
    s.disk3D.colOne = Bytes(255, 255, 255);
    s.disk3D.colSecMin[0] = Bytes(0, 0, 0);
    s.disk3D.colSecMin[1] = Bytes(10, 20, 200);
    s.disk3D.nLight = 1;
    s.disk3D.nDiskType = 3;
    s.nLedLeft = -120;
    s.nLedTop = 33;
    s.n3DLeft = 401;
    s.n3DTop = 402;
    s.n3DRight = 803;
    s.n3DBottom = 604;
    return s;
}

class ProfileTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_dir.IsValid()); }

    std::string PathOf(const char* name) const { return m_dir.FilePath(name); }
    std::string Contents(const char* name) const {
        std::ifstream in(PathOf(name), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    std::unique_ptr<QtProfileStore> Open(const char* name = "brewdial.conf") const {
        return QtProfileStore::AtPath(PathOf(name));
    }

    TempFolder m_dir;
};

// What the table says each key holds on a first run, as the profile would show it.
std::map<std::string, std::string> TableDefaults() {
    std::map<std::string, std::string> defaults;
    struct Collect {
        std::map<std::string, std::string>& out;
        void operator()(const IntValue& v, int) const { out[v.key] = std::to_string(v.def); }
        void operator()(const MinutesValue& v, const std::string&) const {
            out[v.key] = std::to_string(v.def);
        }
        void operator()(const TextValue& v, const std::string&) const { out[v.key] = v.def; }
        void operator()(const ColorValue& v, const RgbColor&) const { out[v.key] = std::to_string(v.def); }
    };
    const Settings any;
    ForEachProfileValue(any, Collect{defaults});
    return defaults;
}

TEST_F(ProfileTest, FirstRunLoadsTheTableDefaultsAndWritesEachBackInItsForm) {
    auto store = Open();
    RecordingProfile recorder(*store);
    // Start from junk so every field has to be set by the load.
    Settings s = DistinctRecord();
    s.timer.strAlarmTime = "12:30";
    LoadSettings(s, recorder);
    LoadWindowPositions(s, recorder);
    for (const auto& call : recorder.calls) {
        EXPECT_EQ(call.section, "Daten") << call.key;
        EXPECT_TRUE(call.op == RecordingProfile::Op::GetInt || call.op == RecordingProfile::Op::GetString)
            << "loading wrote " << call.key;
    }
    EXPECT_TRUE(store->Flush());
    EXPECT_FALSE(std::filesystem::exists(PathOf("brewdial.conf")));

    // The first run as a user meets it: Time mode, 5 minutes, the German message and quick
    // timers, 50 parts, green/yellow/red, the windows at their first places.
    EXPECT_EQ(s.timer.nMode, 0);
    EXPECT_EQ(s.timer.strMinutes, "5");
    EXPECT_EQ(s.timer.strAlarmTime, "");
    EXPECT_EQ(s.timer.strMessage, "Hier Text eingeben.");
    EXPECT_EQ(s.options.nPlaySound + s.options.nLedTimer + s.options.n3DTimer, 0);
    EXPECT_EQ(s.menu.strMenuText[1], "3 Minuten");
    EXPECT_EQ(s.menu.strMenuMinutes[2], "5");
    EXPECT_EQ(s.disk3D.strParts, "50");
    EXPECT_EQ(s.disk3D.nDiskType, 1);
    EXPECT_EQ(s.disk3D.colMulti[0], Bytes(0, 255, 0)) << Show(s.disk3D.colMulti[0]);
    EXPECT_EQ(s.disk3D.colMulti[1], Bytes(255, 255, 0)) << Show(s.disk3D.colMulti[1]);
    EXPECT_EQ(s.disk3D.colMulti[2], Bytes(255, 0, 0)) << Show(s.disk3D.colMulti[2]);
    EXPECT_EQ(s.disk3D.colSecMin[1], Bytes(255, 0, 0)) << Show(s.disk3D.colSecMin[1]);
    EXPECT_EQ(s.nLedLeft, 50);
    EXPECT_EQ(s.n3DRight, 150);
    EXPECT_EQ(s.n3DBottom, 150);

    // Saved, every one of the 43 keys holds its default, ints as ints and texts as texts.
    SaveSettings(s, recorder);
    ASSERT_TRUE(store->Flush());
    const std::map<std::string, std::string> defaults = TableDefaults();
    EXPECT_EQ(defaults.size(), 43u);
    EXPECT_EQ(defaults.count("PosCountX") + defaults.count("PosCountY"), 0u);
    auto reopened = Open();
    size_t writes = 0;
    for (const auto& call : recorder.calls) {
        if (call.op != RecordingProfile::Op::WriteInt && call.op != RecordingProfile::Op::WriteString) {
            continue;
        }
        ++writes;
        ASSERT_EQ(defaults.count(call.key), 1u) << call.key;
        EXPECT_EQ(call.value, defaults.at(call.key)) << call.key;
        const bool text = call.op == RecordingProfile::Op::WriteString;
        EXPECT_EQ(text ? reopened->GetProfileString("Daten", call.key, "?")
                       : std::to_string(reopened->GetProfileInt("Daten", call.key, -99)),
                  defaults.at(call.key))
            << call.key;
    }
    EXPECT_EQ(writes, 43u);
}

TEST_F(ProfileTest, SavedRecordLoadsIdenticallyFromANewStore) {
    const Settings saved = DistinctRecord();
    {
        auto store = Open();
        SaveSettings(saved, *store);
        ASSERT_TRUE(store->Flush());
    }
    auto reopened = Open();
    Settings loaded;
    loaded.timer.strAlarmTime = "07:15";
    LoadSettings(loaded, *reopened);
    LoadWindowPositions(loaded, *reopened);

    // Minutes come back canonical; the rest exactly as saved.
    EXPECT_EQ(loaded.timer.strMinutes, "17");
    EXPECT_EQ(loaded.start, saved.start);
    EXPECT_EQ(loaded.timer, saved.timer);
    EXPECT_EQ(loaded.options, saved.options);
    EXPECT_EQ(loaded.menu, saved.menu);
    EXPECT_EQ(loaded.disk3D, saved.disk3D);
    EXPECT_TRUE(loaded == saved);

    // Saving what was loaded changes nothing in the file.
    const std::string before = Contents("brewdial.conf");
    EXPECT_NE(before.find("[Daten]"), std::string::npos);
    SaveSettings(loaded, *reopened);
    ASSERT_TRUE(reopened->Flush());
    EXPECT_EQ(Contents("brewdial.conf"), before);

    // A changed field does reach the file.
    Settings changed = loaded;
    changed.disk3D.strSkip = "4";
    EXPECT_FALSE(changed == loaded);
    SaveSettings(changed, *reopened);
    ASSERT_TRUE(reopened->Flush());
    Settings again;
    LoadSettings(again, *Open());
    EXPECT_EQ(again.disk3D.strSkip, "4");
}

TEST_F(ProfileTest, ColoursKeepEveryByteAcrossRuns) {
    // Red 0, green 255, blue 33: each byte scaled by the step, and packed back to the same int.
    const RgbColor c = ColorFromProfileInt(0 + 256 * 255 + 65536 * 33);
    EXPECT_EQ(c.red, 0.0);
    EXPECT_DOUBLE_EQ(c.green, 1.0);
    EXPECT_EQ(c.green, 255 * 0.00392156862745098);
    EXPECT_DOUBLE_EQ(c.blue, 33.0 / 255.0);
    EXPECT_EQ(ColorToProfileInt(c), 0 + 256 * 255 + 65536 * 33);

    const char* keys[] = {"MCD1", "MCD2", "MCD3", "OCD", "SMD1", "SMD2"};
    const int stored[] = {0x21FF00, 0x000000, 0xFFFFFF, 0x808080, 0x7F0180, 0x010203};
    {
        auto store = Open();
        for (int k = 0; k < 6; ++k) {
            store->WriteProfileInt(kProfileSection, keys[k], stored[k]);
        }
        ASSERT_TRUE(store->Flush());
    }
    for (int run = 0; run < 5; ++run) {
        auto store = Open();
        Settings s;
        LoadSettings(s, *store);
        LoadWindowPositions(s, *store);
        const RgbColor loaded[] = {s.disk3D.colMulti[0], s.disk3D.colMulti[1],  s.disk3D.colMulti[2],
                                   s.disk3D.colOne,      s.disk3D.colSecMin[0], s.disk3D.colSecMin[1]};
        for (int k = 0; k < 6; ++k) {
            const int v = stored[k];
            EXPECT_EQ(loaded[k], Bytes(v & 0xFF, (v >> 8) & 0xFF, (v >> 16) & 0xFF))
                << keys[k] << " run " << run << " " << Show(loaded[k]);
        }
        SaveSettings(s, *store);
        ASSERT_TRUE(store->Flush());
        for (int k = 0; k < 6; ++k) {
            EXPECT_EQ(store->GetProfileInt(kProfileSection, keys[k], -1), stored[k])
                << keys[k] << " run " << run;
        }
    }

    // Every byte in every position, and every colour at all, packs back to itself.
    for (int b = 0; b < 256; ++b) {
        const RgbColor r = ColorFromProfileInt(b);
        const RgbColor g = ColorFromProfileInt(b << 8);
        const RgbColor bl = ColorFromProfileInt(b << 16);
        EXPECT_EQ(r, Bytes(b, 0, 0)) << b;
        EXPECT_EQ(g, Bytes(0, b, 0)) << b;
        EXPECT_EQ(bl, Bytes(0, 0, b)) << b;
        EXPECT_EQ(ColorToProfileInt(r), b) << b;
        EXPECT_EQ(ColorToProfileInt(g), b << 8) << b;
        EXPECT_EQ(ColorToProfileInt(bl), b << 16) << b;
    }
    int mismatches = 0;
    for (int v = 0; v < (1 << 24); ++v) {
        if (ColorToProfileInt(ColorFromProfileInt(v)) != v) {
            ++mismatches;
        }
    }
    EXPECT_EQ(mismatches, 0);

    // Components stay within 0-1 whatever int the profile holds; the top byte is not colour.
    EXPECT_EQ(ColorFromProfileInt(-1), Bytes(255, 255, 255));
    EXPECT_EQ(ColorFromProfileInt(INT_MIN), Bytes(0, 0, 0));
    EXPECT_EQ(ColorFromProfileInt(0x7F123456), Bytes(0x56, 0x34, 0x12));
    // Out-of-range components are held to a byte; halves round to the nearer byte.
    EXPECT_EQ(ColorToProfileInt(RgbColor{-0.5, 1.5, 0.0}), 255 << 8);
    EXPECT_EQ(ColorToProfileInt(RgbColor{std::numeric_limits<double>::quiet_NaN(), 0.0, 2.0}), 255 << 16);
    EXPECT_EQ(ColorToProfileInt(RgbColor{0.4 / 255, 0.6 / 255, 100.5 / 255}), 0 + (1 << 8) + (101 << 16));
}

TEST_F(ProfileTest, MinutesTextIsSavedAsItsLeadingNumber) {
    auto store = Open();
    Settings s;
    LoadSettings(s, *store);

    s.timer.strMinutes = "07";
    SaveSettings(s, *store);
    EXPECT_EQ(store->GetProfileInt(kProfileSection, "Minuten", -1), 7);
    LoadSettings(s, *store);
    EXPECT_EQ(s.timer.strMinutes, "7");

    s.timer.strMinutes = "12 Minuten";
    SaveSettings(s, *store);
    EXPECT_EQ(store->GetProfileInt(kProfileSection, "Minuten", -1), 12);

    s.timer.strMinutes = "abc";
    SaveSettings(s, *store);
    EXPECT_EQ(store->GetProfileInt(kProfileSection, "Minuten", -1), 0);
    LoadSettings(s, *store);
    EXPECT_EQ(s.timer.strMinutes, "0");

    // A negative count someone put in the profile shows as it is; its text starts with no
    // digit, so it is written back as 0. The largest int comes back whole.
    for (const auto& [stored, written] : {std::pair{-3, 0}, {INT_MIN, 0}, {INT_MAX, INT_MAX}}) {
        store->WriteProfileInt(kProfileSection, "Minuten", stored);
        LoadSettings(s, *store);
        EXPECT_EQ(s.timer.strMinutes, std::to_string(stored));
        SaveSettings(s, *store);
        EXPECT_EQ(store->GetProfileInt(kProfileSection, "Minuten", 5), written);
    }
    s.timer.strMinutes = "99999999999";
    SaveSettings(s, *store);
    EXPECT_EQ(store->GetProfileInt(kProfileSection, "Minuten", 5), INT_MAX);

    // The other number texts are kept as typed.
    s.menu.strMenuMinutes[1] = "04";
    s.disk3D.strParts = "0x20";
    SaveSettings(s, *store);
    LoadSettings(s, *store);
    EXPECT_EQ(s.menu.strMenuMinutes[1], "04");
    EXPECT_EQ(s.disk3D.strParts, "0x20");
}

TEST_F(ProfileTest, TextWhereANumberBelongsGivesTheDefault) {
    auto store = Open();
    const char* notWhole[] = {
        "abc",  "12x", "",    "  7", "7 ",         "+7",          "4.0",
        "0x10", "1e3", "- 1", "--1", "2147483648", "-2147483649", "99999999999999999999",
        "٣",    "7\n"};
    for (const char* text : notWhole) {
        store->WriteProfileString(kProfileSection, "Zahl", text);
        EXPECT_EQ(store->GetProfileInt(kProfileSection, "Zahl", 4711), 4711) << '"' << text << '"';
    }
    const std::pair<const char*, int> whole[] = {
        {"42", 42}, {"007", 7}, {"-17", -17}, {"0", 0}, {"2147483647", INT_MAX}, {"-2147483648", INT_MIN}};
    for (const auto& [text, value] : whole) {
        store->WriteProfileString(kProfileSection, "Zahl", text);
        EXPECT_EQ(store->GetProfileInt(kProfileSection, "Zahl", 4711), value) << text;
    }
    EXPECT_EQ(store->GetProfileInt(kProfileSection, "Fehlt", -8), -8);

    // The same through the load: each bad value falls back to its own default.
    store->WriteProfileString(kProfileSection, "Minuten", "abc");
    store->WriteProfileString(kProfileSection, "Timermode", " 1");
    store->WriteProfileString(kProfileSection, "Type", "12x");
    store->WriteProfileString(kProfileSection, "MCD2", "gelb");
    store->WriteProfileString(kProfileSection, "links", "");
    store->WriteProfileString(kProfileSection, "rechtsW", "3.5");
    ASSERT_TRUE(store->Flush());
    Settings s = DistinctRecord();
    LoadSettings(s, *store);
    LoadWindowPositions(s, *store);
    EXPECT_EQ(s.timer.strMinutes, "5");
    EXPECT_EQ(s.timer.nMode, 0);
    EXPECT_EQ(s.disk3D.nDiskType, 1);
    EXPECT_EQ(s.disk3D.colMulti[1], Bytes(255, 255, 0));
    EXPECT_EQ(s.nLedLeft, 50);
    EXPECT_EQ(s.n3DRight, 150);

    // A hand-edited file: bare commas make a list in the INI format, which is no number.
    const std::string path = PathOf("edited.conf");
    {
        std::ofstream out(path);
        out << "[Daten]\nMinuten=1,2\nMeldungstext=Tee ist fertig, guten Appetit\nlinks=  80  \n";
    }
    auto edited = QtProfileStore::AtPath(path);
    EXPECT_EQ(edited->GetProfileInt(kProfileSection, "Minuten", 5), 5);
    EXPECT_EQ(edited->GetProfileString(kProfileSection, "Meldungstext", ""), "Tee ist fertig, guten Appetit");
    EXPECT_EQ(edited->GetProfileInt(kProfileSection, "links", 50), 80);
}

TEST(LeadingNumber, ReadsOnlyTheLeadingDigits) {
    EXPECT_EQ(LeadingNumber("07"), 7);
    EXPECT_EQ(LeadingNumber("5 min"), 5);
    EXPECT_EQ(LeadingNumber("12x3"), 12);
    EXPECT_EQ(LeadingNumber("0"), 0);
    EXPECT_EQ(LeadingNumber("000"), 0);
    EXPECT_EQ(LeadingNumber("abc"), 0);
    EXPECT_EQ(LeadingNumber(""), 0);
    EXPECT_EQ(LeadingNumber(" 5"), 0);
    EXPECT_EQ(LeadingNumber("-5"), 0);
    EXPECT_EQ(LeadingNumber("+5"), 0);
    EXPECT_EQ(LeadingNumber("3.9"), 3);
    EXPECT_EQ(LeadingNumber("٣"), 0);
    EXPECT_EQ(LeadingNumber("2147483647"), INT_MAX);
    EXPECT_EQ(LeadingNumber("2147483646 "), INT_MAX - 1);
    EXPECT_EQ(LeadingNumber("2147483648"), INT_MAX);
    EXPECT_EQ(LeadingNumber("99999999999999999999999999999999"), INT_MAX);
    EXPECT_EQ(LeadingNumber(std::string(1000, '9') + "x"), INT_MAX);
    EXPECT_EQ(LeadingNumber(std::string(1000, '0') + "42"), 42);
    EXPECT_EQ(LeadingNumber(std::string("4\0"
                                        "2",
                                        3)),
              4);
}

TEST_F(ProfileTest, StringsComeBackExactlyAsStored) {
    const std::vector<std::string> texts = {
        "Hinweis über Größe ß €",
        "a,b",
        "a, b",
        ",",
        "@start",
        "@@x",
        "@Variant(\\0\\0\\0\\x2\\0\\0\\0\\a)",
        "@ByteArray(xyz)",
        "@Invalid()",
        "  leading and trailing  ",
        " ",
        "",
        "\"quoted\"",
        "\"",
        "it's",
        "back\\slash\\\\double",
        "ends with backslash\\",
        "line1\nline2\r\nline3\r",
        "tab\there",
        "; not a comment # either",
        "key=value",
        "[Other]",
        "/home/anna/Klänge/gong.wav",
        "C:\\Users\\anna\\gong.wav",
        "emoji \xF0\x9F\x98\x80",
        "control \x01\x1F\x7F",
        std::string("nul\0inside", 10),
        "true",
        "42",
        std::string(5000, 'x'),
    };
    {
        auto store = Open();
        for (size_t n = 0; n < texts.size(); ++n) {
            store->WriteProfileString(kProfileSection, "Text" + std::to_string(n), texts[n]);
            EXPECT_EQ(store->GetProfileString(kProfileSection, "Text" + std::to_string(n), "?"), texts[n])
                << n;
        }
        store->WriteProfileInt(kProfileSection, "Zahl", -2147483647 - 1);
        store->WriteProfileInt(kProfileSection, "Menu1I", 42);
        ASSERT_TRUE(store->Flush());
    }
    auto store = Open();
    for (size_t n = 0; n < texts.size(); ++n) {
        EXPECT_EQ(store->GetProfileString(kProfileSection, "Text" + std::to_string(n), "?"), texts[n])
            << "#" << n << " \"" << texts[n] << '"';
    }
    // An int reads as its decimal text; a stored empty text is not a missing one.
    EXPECT_EQ(store->GetProfileString(kProfileSection, "Zahl", "?"), std::to_string(INT_MIN));
    EXPECT_EQ(store->GetProfileInt(kProfileSection, "Zahl", 0), INT_MIN);
    EXPECT_EQ(store->GetProfileString(kProfileSection, "Text11", "default"), "");
    EXPECT_EQ(store->GetProfileString(kProfileSection, "Fehlt", "default"), "default");
    // Sections do not share keys.
    EXPECT_EQ(store->GetProfileString("Andere", "Text0", "nichts"), "nichts");

    // A string-typed setting that holds an int loads as its text.
    Settings s;
    LoadSettings(s, *store);
    EXPECT_EQ(s.menu.strMenuMinutes[0], "42");
}

TEST_F(ProfileTest, FlushReportsAFileThatCannotBeWritten) {
    auto good = Open();
    EXPECT_TRUE(good->Flush());
    good->WriteProfileInt(kProfileSection, "Sound", 1);
    EXPECT_TRUE(good->Flush());
    EXPECT_TRUE(std::filesystem::exists(PathOf("brewdial.conf")));

    // A plain file where the folder should be: no user, root included, can write below it.
    const std::string blocker = PathOf("blocker");
    {
        std::ofstream out(blocker);
        out << "not a folder\n";
    }
    auto bad = QtProfileStore::AtPath(blocker + "/brewdial.conf");
    bad->WriteProfileString(kProfileSection, "Meldungstext", "geht verloren");
    EXPECT_FALSE(bad->Flush());
    bad->WriteProfileInt(kProfileSection, "Sound", 0);
    EXPECT_FALSE(bad->Flush());
    EXPECT_FALSE(std::filesystem::exists(blocker + "/brewdial.conf"));
}

} // namespace
