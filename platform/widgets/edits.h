#pragma once
// The single-line and the multi-line edit.
#include <QLineEdit>
#include <QPlainTextEdit>

// A single-line edit. Its length limit and digits-only rule hold for what the user types,
// pastes or drops; a text the program sets shows unchanged.
class LineEdit : public QLineEdit {
    Q_OBJECT
public:
    LineEdit(QWidget* parent, bool digitsOnly);
    void SetLimit(int chars) { m_limit = chars; }
    void SetTextAsProgram(const QString& text);
    // Keeps of the user's change to input only what the rules allow.
    void FilterUserInput(QString& input, int& pos) const;

private:
    QString m_accepted; // the text before the change being validated
    int m_limit = 0;    // 0: no limit
    bool m_digitsOnly;
    bool m_settingByProgram = false;
};

// A multi-line edit: Enter inserts a line break. It never holds more than its limit, whatever
// puts the text in: the program, typing, pasting, dropping or assistive technology.
class MultiLineEdit : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit MultiLineEdit(QWidget* parent);
    void SetLimit(int chars) { m_limit = chars; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;

private:
    int Room() const;
    void HoldToLimit(int position, int added);
    int m_limit = 0;
};
