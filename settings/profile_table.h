#pragma once
// Every value the profile keeps, written down once: its key, its default, its form and its field
// in the settings record. Loading, saving and the tests all walk this one table.
#include "settings/settings.h"

// An int in the profile and in the record.
struct IntValue {
    const char* key;
    int def;
    bool windowPosition = false; // read after the rest, once the dialog stands
};
// An int in the profile, held as its decimal text in the record.
struct MinutesValue {
    const char* key;
    int def;
};
// A text in the profile and in the record.
struct TextValue {
    const char* key;
    const char* def;
};
// A colour: one 0x00BBGGRR int in the profile, three components in the record.
struct ColorValue {
    const char* key;
    int def;
};

// Calls visit(value, field) for every value, in the order the profile is read. Record is
// Settings or const Settings.
template <class Record, class Visit> void ForEachProfileValue(Record& s, Visit&& visit) {
    visit(IntValue{"Timermode", 0}, s.timer.nMode);
    visit(MinutesValue{"Minuten", 5}, s.timer.strMinutes);
    visit(TextValue{"Meldungstext", "Hier Text eingeben."}, s.timer.strMessage);
    visit(IntValue{"Start", 0}, s.start.nStartMinimized);
    visit(IntValue{"Ende", 0}, s.start.nCloseAfterAlarm);
    visit(IntValue{"Ausblenden", 0}, s.start.nMinimizeAfterStart);
    visit(IntValue{"startstay", 0}, s.start.nStartStayMinimized);
    visit(IntValue{"Iconmode", 0}, s.start.nTrayDblClick);
    visit(TextValue{"Soundname", ""}, s.options.strSoundName);
    visit(TextValue{"Soundwav", ""}, s.options.strSoundWav);
    visit(IntValue{"Sound", 0}, s.options.nPlaySound);
    visit(IntValue{"LED-timer", 0}, s.options.nLedTimer);
    visit(IntValue{"Snap", 0}, s.options.nSnapLed);
    visit(IntValue{"DisplayIcon", 0}, s.options.nDisplayIcon);
    visit(IntValue{"3D", 0}, s.options.n3DTimer);
    visit(IntValue{"Spin", 0}, s.options.nSpin);
    visit(IntValue{"Full", 0}, s.options.nFullscreen);
    visit(TextValue{"Menu1I", "1"}, s.menu.strMenuMinutes[0]);
    visit(TextValue{"Menu2I", "3"}, s.menu.strMenuMinutes[1]);
    visit(TextValue{"Menu3I", "5"}, s.menu.strMenuMinutes[2]);
    visit(TextValue{"Menu1S", "1 Minute"}, s.menu.strMenuText[0]);
    visit(TextValue{"Menu2S", "3 Minuten"}, s.menu.strMenuText[1]);
    visit(TextValue{"Menu3S", "5 Minuten"}, s.menu.strMenuText[2]);
    visit(TextValue{"Parts", "50"}, s.disk3D.strParts);
    visit(TextValue{"Skip", "1"}, s.disk3D.strSkip);
    visit(IntValue{"RYG", 0}, s.disk3D.nRYG);
    visit(IntValue{"Spinx", 0}, s.disk3D.nSpinX);
    visit(IntValue{"Spiny", 0}, s.disk3D.nSpinY);
    visit(IntValue{"Spinz", 0}, s.disk3D.nSpinZ);
    visit(ColorValue{"MCD1", 65280}, s.disk3D.colMulti[0]); // green
    visit(ColorValue{"MCD2", 65535}, s.disk3D.colMulti[1]); // yellow
    visit(ColorValue{"MCD3", 255}, s.disk3D.colMulti[2]);   // red
    visit(ColorValue{"OCD", 65280}, s.disk3D.colOne);
    visit(ColorValue{"SMD1", 65280}, s.disk3D.colSecMin[0]);
    visit(ColorValue{"SMD2", 255}, s.disk3D.colSecMin[1]);
    visit(IntValue{"Light", 0}, s.disk3D.nLight);
    visit(IntValue{"Type", 1}, s.disk3D.nDiskType);
    visit(IntValue{"links", 50, true}, s.nLedLeft);
    visit(IntValue{"oben", 50, true}, s.nLedTop);
    visit(IntValue{"linksW", 50, true}, s.n3DLeft);
    visit(IntValue{"obenW", 50, true}, s.n3DTop);
    visit(IntValue{"untenW", 150, true}, s.n3DBottom);
    visit(IntValue{"rechtsW", 150, true}, s.n3DRight);
}
