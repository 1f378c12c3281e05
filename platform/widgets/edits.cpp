#include "platform/widgets/edits.h"

#include "platform/widgets/text_shaping.h"

#include <QKeyEvent>
#include <QMimeData>
#include <QTextCursor>
#include <QTextDocument>
#include <QValidator>

#include <algorithm>
#include <cstdint>

namespace {

// Runs every change the user makes through the edit's rules.
class UserInputFilter : public QValidator {
public:
    explicit UserInputFilter(LineEdit& edit) : QValidator(&edit), m_edit(edit) {}
    State validate(QString& input, int& pos) const override {
        m_edit.FilterUserInput(input, pos);
        return Acceptable;
    }

private:
    LineEdit& m_edit;
};

} // namespace

LineEdit::LineEdit(QWidget* parent, bool digitsOnly) : QLineEdit(parent), m_digitsOnly(digitsOnly) {
    connect(this, &QLineEdit::textChanged, this, [this](const QString& text) {
        m_accepted = text;
        ShapeAsTextNeeds(this, text);
    });
    setValidator(new UserInputFilter(*this));
}

void LineEdit::SetTextAsProgram(const QString& text) {
    m_settingByProgram = true;
    setText(text);
    m_settingByProgram = false;
}

void LineEdit::FilterUserInput(QString& input, int& pos) const {
    if (m_settingByProgram) {
        return;
    }
    // The text after the cursor is what the change left in place at the end.
    qsizetype suffix = std::min<qsizetype>(input.size() - pos, m_accepted.size());
    while (suffix > 0 && input.right(suffix) != m_accepted.right(suffix)) {
        --suffix;
    }
    qsizetype prefix = 0;
    const qsizetype maxPrefix = std::min(input.size(), m_accepted.size()) - suffix;
    while (prefix < maxPrefix && input[prefix] == m_accepted[prefix]) {
        ++prefix;
    }
    QString inserted = input.mid(prefix, input.size() - prefix - suffix);
    if (m_digitsOnly) {
        inserted.removeIf([](QChar c) { return c < QLatin1Char('0') || c > QLatin1Char('9'); });
    }
    if (m_limit > 0) {
        inserted.truncate(std::max<qsizetype>(0, m_limit - prefix - suffix));
    }
    input = input.left(prefix) + inserted + input.right(suffix);
    pos = static_cast<int>(prefix + inserted.size());
}

MultiLineEdit::MultiLineEdit(QWidget* parent) : QPlainTextEdit(parent) {
    setTabChangesFocus(true);
    // Checked as each change lands, before the text is laid out: word-wrapping a long text
    // takes seconds.
    connect(document(), &QTextDocument::contentsChange, this,
            [this](int position, int, int added) { HoldToLimit(position, added); });
    connect(this, &QPlainTextEdit::textChanged, this, [this] { ShapeAsTextNeeds(this, toPlainText()); });
}

// Drops the end of what came in, never half a character.
void MultiLineEdit::HoldToLimit(int position, int added) {
    const int length = document()->characterCount() - 1; // the last paragraph's end is no text
    const int excess = length - m_limit;
    if (m_limit <= 0 || excess <= 0 || added <= 0) {
        return;
    }
    const int end = std::min(position + added, length);
    int start = std::max(position, end - excess);
    if (document()->characterAt(start).isLowSurrogate()) {
        --start;
    }
    QTextCursor cut(document());
    cut.setPosition(start);
    cut.setPosition(end, QTextCursor::KeepAnchor);
    cut.removeSelectedText();
}

int MultiLineEdit::Room() const {
    if (m_limit <= 0) {
        return INT32_MAX;
    }
    const int selected = static_cast<int>(textCursor().selectedText().size());
    return m_limit - static_cast<int>(toPlainText().size()) + selected;
}

void MultiLineEdit::keyPressEvent(QKeyEvent* event) {
    const bool inserts = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter ||
                         (!event->text().isEmpty() && event->text().at(0).isPrint());
    if (inserts && Room() <= 0) {
        event->accept();
        return;
    }
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        insertPlainText(QStringLiteral("\n"));
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void MultiLineEdit::insertFromMimeData(const QMimeData* source) {
    if (source->hasText()) {
        insertPlainText(source->text().left(std::max(0, Room())));
    }
}
