#pragma once
#include "platform/dialog_template.h"

#include <QFont>

// Dialog-unit base of a template font: average character width and height in pixels.
struct DialogUnits {
    double baseX = 6;
    double baseY = 13;
    int X(int units) const;
    int Y(int units) const;
};
DialogUnits UnitsForFont(const QFont& font);
QFont TemplateFont(const DialogTemplate& tmpl);
