#pragma once
// File dialog filters: the program's "Description (*.ext)|*.ext||" in Qt's form.
#include <QString>

#include <string>

// "Wav Dateien (*.wav)|*.wav||" becomes "Wav Dateien (*.wav)"; pairs without a pattern in
// their description get one ("Texts|*.txt||" becomes "Texts (*.txt)"); several pairs are
// joined by ";;".
QString QtFileFilter(const std::string& filter);
