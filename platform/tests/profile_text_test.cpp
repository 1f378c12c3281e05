// The profile's text: what earlier versions wrote with QSettings reads the same, what the store
// writes reads the same in QSettings, and only the program's own values are ever decoded.
#include "platform/profile/qt_profile_store.h"
#include "platform/tests/profile_folder.h"

#include <QSettings>

#include <gtest/gtest.h>

#include <string>

namespace {

using ProfileTextTest = ProfileFolderTest;

TEST_F(ProfileTextTest, TheProgramsProfileIsTheFileQSettingsNamesForIt) {
    const QSettings reference(QSettings::NativeFormat, QSettings::UserScope, "BrewdialPathCheck", "brewdial");
    const QtProfileStore store("BrewdialPathCheck", "brewdial");
    EXPECT_EQ(store.FilePath(), reference.fileName().toStdString());
}

// Texts go both ways between QSettings, which wrote the profiles of earlier versions, and the store.
TEST_F(ProfileTextTest, TextsReadTheSameAsQSettingsWritesAndReadsThem) {
    const std::string texts[] = {"",
                                 "Grüße aus Köln, ☕ und 𝄞",
                                 "\"in Anführungszeichen\"",
                                 "a,b,,c",
                                 "C:\\Tee\\",
                                 "  vorn und hinten  ",
                                 "\tTab\t",
                                 "@Variant(kein Bild)",
                                 "@@",
                                 "Semikolon; Gleich = Raute #",
                                 "Zeile 1\nZeile 2\r\nEnde\x01"
                                 "1",
                                 std::string("Tee\0ist\0"
                                             "0fertig",
                                             15),
                                 "[Daten]",
                                 "Zeile\n\xef\xbb\xbfnach einer Marke der Bytefolge",
                                 "\\x41\\",
                                 std::string(300 * 1024, 'x') + "\"\\,"};
    int row = 0;
    for (const std::string& text : texts) {
        SCOPED_TRACE(text.substr(0, 40));
        const std::string theirs = PathOf("qsettings" + std::to_string(row) + ".conf");
        const std::string mine = PathOf("store" + std::to_string(row++) + ".conf");
        {
            QSettings settings(QString::fromStdString(theirs), QSettings::IniFormat);
            settings.setValue("Daten/Meldungstext", QString::fromStdString(text));
            settings.setValue("Daten/Minuten", -12);
        }
        auto store = QtProfileStore::AtPath(theirs);
        EXPECT_TRUE(store->GetProfileString("Daten", "Meldungstext", "?") == text);
        EXPECT_EQ(store->GetProfileInt("Daten", "Minuten", 0), -12);

        store = QtProfileStore::AtPath(mine);
        store->WriteProfileString("Daten", "Meldungstext", text);
        store->WriteProfileInt("Daten", "Minuten", 7);
        ASSERT_TRUE(store->Flush());
        const QSettings settings(QString::fromStdString(mine), QSettings::IniFormat);
        EXPECT_TRUE(settings.value("Daten/Meldungstext").toString().toStdString() == text);
        EXPECT_EQ(settings.value("Daten/Minuten").toInt(), 7);
        EXPECT_EQ(ReadFile(mine), ReadFile(theirs).replace(ReadFile(theirs).find("-12"), 3, "7"));
    }
}

// Values of other types are not the program's: they read as the default and are never deserialised.
TEST_F(ProfileTextTest, OnlyTextAndWholeNumbersAreRead) {
    struct Row {
        const char* line;
        const char* text; // nullptr: the default
        int number;       // -1: the default
    };
    const Row rows[] = {
        {"x=5", "5", 5},
        {"x= 5 ", "5", 5},
        {"x=\" 5\"", " 5", -1},
        {"x=5,6", "5,6", -1},
        {"x=5 ; fünf", "5", 5},
        {"x=\"5 ; fünf\"", "5 ; fünf", -1},
        {"x=@@5", "@5", -1},
        {"x=@String(5)", "5", 5},
        {"x=@ByteArray(5)", "5", 5},
        {"x=@Invalid()", nullptr, -1},
        {"x=@Rect(1 2 3 4)", nullptr, -1},
        {"x=@Variant(\\0\\0\\0\\x7f\\0\\0\\0\\x6QImage)", nullptr, -1},
        {"x=a,@Variant(b)", "a,@Variant(b)", -1},
        {"x=\"offen\\", "offen", -1},
        {"x=2147483648", "2147483648", -1},
        {"x=0x10", "0x10", -1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.line);
        WriteFile(Profile(), std::string("[Daten]\n") + row.line);
        auto store = QtProfileStore::AtPath(Profile());
        EXPECT_EQ(store->GetProfileString("Daten", "x", "default"), row.text ? row.text : "default");
        EXPECT_EQ(store->GetProfileInt("Daten", "x", -1), row.number);
    }
}

// What the program does not write is written back as it was, in sections and keys in order, as
// QSettings writes them; comments go, as they went with QSettings.
TEST_F(ProfileTextTest, WhatTheProgramDoesNotWriteIsWrittenBackAsItWas) {
    WriteFile(Profile(), "; von Hand\r\n[Daten]\r\nMinuten = 3 ; drei\r\nFremd=a,  b\r\n\r\n[Andere]\n"
                         "Bild=@Variant(\\0\\0\\0\\x7f)\nOffen=\"bis zum Ende");
    auto store = QtProfileStore::AtPath(Profile());
    store->WriteProfileInt("Daten", "Minuten", 4);
    store->WriteProfileString("Daten", "Neu", "ja, neu");
    store->WriteProfileString("Dritte", "Wert", "@eins");
    ASSERT_TRUE(store->Flush());
    EXPECT_EQ(ReadFile(Profile()),
              "[Andere]\nBild=@Variant(\\0\\0\\0\\x7f)\nOffen=\"bis zum Ende\n\n"
              "[Daten]\nFremd=a,  b\nMinuten=4\nNeu=\"ja, neu\"\n\n[Dritte]\nWert=@@eins\n");
    auto again = QtProfileStore::AtPath(Profile());
    EXPECT_EQ(again->GetProfileString("Andere", "Offen", ""), "bis zum Ende");
    EXPECT_EQ(again->GetProfileString("Andere", "Bild", "kein Text"), "kein Text");
    EXPECT_EQ(again->GetProfileString("Daten", "Fremd", ""), "a,  b");
    EXPECT_EQ(again->GetProfileString("Dritte", "Wert", ""), "@eins");
}

} // namespace
