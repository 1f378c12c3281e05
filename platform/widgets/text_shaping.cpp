#include "platform/widgets/text_shaping.h"

#include <QFont>
#include <QWidget>

namespace {

bool ShowsGlyphByGlyph(QChar c) {
    // Joiners and variation selectors pick other glyphs; marks must be placed on their base.
    if (c.isSurrogate() || c.isMark() || c.unicode() == 0x200C || c.unicode() == 0x200D ||
        (c.unicode() >= 0xFE00 && c.unicode() <= 0xFE0F)) {
        return false;
    }
    switch (c.script()) {
    case QChar::Script_Common:
    case QChar::Script_Latin:
    case QChar::Script_Greek:
    case QChar::Script_Cyrillic:
        return true;
    default:
        return false;
    }
}

} // namespace

bool NeedsShaping(const QString& text) {
    for (QChar c : text) {
        if (!ShowsGlyphByGlyph(c)) {
            return true;
        }
    }
    return false;
}

void ShapeAsTextNeeds(QWidget* widget, const QString& text) {
    QFont font = widget->font();
    const int strategy = font.styleStrategy();
    const int wanted =
        NeedsShaping(text) ? strategy & ~QFont::PreferNoShaping : strategy | QFont::PreferNoShaping;
    if (wanted != strategy) {
        font.setStyleStrategy(static_cast<QFont::StyleStrategy>(wanted));
        widget->setFont(font);
    }
}
