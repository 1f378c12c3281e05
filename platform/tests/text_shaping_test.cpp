// Dialog text goes without the shaper where its script allows, and with it where it must.
#include "platform/widgets/edits.h"
#include "platform/widgets/text_shaping.h"

#include <QFont>

#include <gtest/gtest.h>

namespace {

bool Shaped(const QWidget& w) {
    return (w.font().styleStrategy() & QFont::PreferNoShaping) == 0;
}

QFont UnshapedFont() {
    QFont font;
    font.setStyleStrategy(QFont::PreferNoShaping);
    return font;
}

TEST(TextShaping, OnlyTextOfSimpleScriptsGoesWithoutTheShaper) {
    for (const char* plain : {"", "Hier Text eingeben.", "Grüße – naïve café, 12:30", "Ἀθῆναι", "Привет"}) {
        EXPECT_FALSE(NeedsShaping(QString::fromUtf8(plain))) << plain;
    }
    for (const char* complex :
         {"مرحبا", "Tee שָׁלוֹם", "हिन्दी", "e\u0301", "Tee \U0001F375", "a\u200Db", "\u2615\uFE0F"}) {
        EXPECT_TRUE(NeedsShaping(QString::fromUtf8(complex))) << complex;
    }
}

TEST(TextShaping, EditsTakeTheShaperWhileTheirTextNeedsIt) {
    QWidget dialog;
    dialog.setFont(UnshapedFont());
    auto* line = new LineEdit(&dialog, false);
    auto* multi = new MultiLineEdit(&dialog);

    line->SetTextAsProgram(QStringLiteral("Tee"));
    multi->setPlainText(QStringLiteral("Hier Text eingeben."));
    EXPECT_FALSE(Shaped(*line));
    EXPECT_FALSE(Shaped(*multi));

    line->SetTextAsProgram(QString::fromUtf8("شاي"));
    multi->setPlainText(QString::fromUtf8("الشاي جاهز"));
    EXPECT_TRUE(Shaped(*line));
    EXPECT_TRUE(Shaped(*multi));

    // As the user edits, too: back to plain text, and a mark added to it.
    line->selectAll();
    line->insert(QStringLiteral("Tee"));
    EXPECT_FALSE(Shaped(*line));
    line->insert(QString::fromUtf8("\u0301"));
    EXPECT_TRUE(Shaped(*line));
}

} // namespace
