#include "platform/widgets/dialog_units.h"

#include <QFontDatabase>
#include <QFontMetrics>

#include <cmath>

int DialogUnits::X(int units) const {
    return static_cast<int>(std::lround(units * baseX / 4.0));
}

int DialogUnits::Y(int units) const {
    return static_cast<int>(std::lround(units * baseY / 8.0));
}

DialogUnits UnitsForFont(const QFont& font) {
    const QFontMetrics metrics(font);
    const QString letters = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    DialogUnits units;
    units.baseX = (metrics.horizontalAdvance(letters) / 26.0 + 1.0) / 2.0;
    units.baseY = metrics.height();
    return units;
}

QFont TemplateFont(const DialogTemplate& tmpl) {
    QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    if (tmpl.font != "MS Sans Serif") {
        font.setFamily(QString::fromStdString(tmpl.font));
    }
    font.setPointSize(tmpl.pointSize);
    // The program's own texts need no shaping; edits and statics follow what they are given.
    font.setStyleStrategy(QFont::PreferNoShaping);
    return font;
}
