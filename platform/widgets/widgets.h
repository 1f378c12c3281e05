#pragma once
// The Qt widgets behind windows and controls.
#include "platform/dialog_template.h"
#include "platform/types.h"
#include "platform/widgets/art.h"

#include <QColor>
#include <QComboBox>
#include <QDialog>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QWidget>

#include <optional>
#include <vector>

class CWnd;
class QAbstractButton;
class TimerService;
class QTabBar;
class QToolButton;

// Property on every control widget: its template id.
constexpr const char* kControlIdProperty = "brewdialControlId";

// The window timer the layer keeps for itself on every window; no timer of the program has its id.
constexpr UINT_PTR kMoveSettledTimer = ~UINT_PTR{0};

// A dialog's own window: top-level (popup) or child (a page inside another dialog).
class WindowHost : public QDialog {
    Q_OBJECT
public:
    WindowHost(CWnd& owner, QWidget* parent, bool child);
    // The program puts the window with its frame's top-left corner at place (or shows it). The
    // window system reports the move only later, and that report is no move of the user's.
    void ExpectPlacement(const QPoint& place);
    // Moves have stopped for a while (timer kMoveSettledTimer).
    void MovesSettled();
    // Fills a rectangle of the client area; it stays shown until the window is destroyed or
    // filled over.
    void Fill(const QRect& rect, const QColor& color);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    struct Filled {
        QRect rect;
        QColor color;
    };
    TimerService& Timers() const;
    CWnd& m_owner;
    std::optional<QPoint> m_placement; // where the program last put the window, until the user moves it
    bool m_placing = false;            // the window system has not reported that placement yet
    bool m_painting = false;
    std::vector<Filled> m_filled;
};

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

// The tab control: a row of tabs above a panel; pages lie over the panel as siblings.
class TabControlWidget : public QWidget {
    Q_OBJECT
public:
    explicit TabControlWidget(QWidget* parent);
    QTabBar* Bar() const { return m_bar; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QTabBar* m_bar;
    QFrame* m_panel;
};

// An up-down control: two arrows that step an integer written into the buddy edit.
class UpDownWidget : public QWidget {
    Q_OBJECT
public:
    UpDownWidget(QWidget* parent, LineEdit* buddy);
    void SetRange(int lower, int upper);
    int Lower() const { return m_lower; }
    int Upper() const { return m_upper; }
    // The number in the buddy edit, 0 when it holds none.
    int Position() const;
    void Step(int delta);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QPointer<LineEdit> m_buddy;
    QToolButton* m_up;
    QToolButton* m_down;
    int m_lower = 0;
    int m_upper = 100;
};

// A drop-down list that reports when its list closes.
class DropListWidget : public QComboBox {
    Q_OBJECT
public:
    explicit DropListWidget(QWidget* parent) : QComboBox(parent) {}
    void hidePopup() override;
signals:
    void closedUp();
};

// The status bar: parts with sunken frames along the bottom of the parent's client area.
class StatusBarWidget : public QWidget {
    Q_OBJECT
public:
    explicit StatusBarWidget(QWidget* parent);
    void SetParts(const std::vector<int>& rightEdges);
    void SetText(int part, const QString& text);
    QString Text(int part) const;
    void PlaceAtBottom();

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Layout();
    std::vector<int> m_edges;
    std::vector<QLabel*> m_parts;
};

// Dialog-unit base of a template font: average character width and height in pixels.
struct DialogUnits {
    double baseX = 6;
    double baseY = 13;
    int X(int units) const;
    int Y(int units) const;
};
DialogUnits UnitsForFont(const QFont& font);
QFont TemplateFont(const DialogTemplate& tmpl);

// Text as a label shows it: "&&" is one ampersand, a single "&" marks a mnemonic.
QString WithoutMnemonic(const std::string& text);
// Checks or clears a check box or radio button for the program: no click is reported.
void SetCheckedByProgram(QAbstractButton* button, bool checked);

// Builds a template's controls into a dialog's window.
void BuildControls(const DialogTemplate& tmpl, QWidget* window, const DialogUnits& units, CWnd& owner);
