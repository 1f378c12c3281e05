#include "platform/widgets/widgets.h"

#include "platform/app.h"
#include "platform/messages.h"
#include "platform/services.h"
#include "platform/widgets/accessible_up_down.h"
#include "platform/widgets/progress_bar.h"
#include "platform/widgets/text_shaping.h"
#include "platform/widgets/wnd_access.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGroupBox>
#include <QIcon>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QPainter>
#include <QProxyStyle>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QTabBar>
#include <QTextCursor>
#include <QTextDocument>
#include <QToolButton>
#include <QValidator>

#include <algorithm>
#include <cmath>
#include <functional>

namespace {
constexpr UINT kMoveSettleMs = 250; // moves that stop this long end a drag
constexpr int kTabSpace = 12;       // pixels beside a tab's text, both sides together
} // namespace

WindowHost::WindowHost(CWnd& owner, QWidget* parent, bool child) : QDialog(parent), m_owner(owner) {
    if (child) {
        setWindowFlags(Qt::Widget);
    }
    setMouseTracking(true);
}

TimerService& WindowHost::Timers() const {
    return WndAccess::App(m_owner).GetServices().timers;
}

void WindowHost::ExpectPlacement(const QPoint& place) {
    m_placement = place;
    m_placing = true;
    Timers().SetTimer(m_owner, kMoveSettledTimer, kMoveSettleMs);
}

void WindowHost::MovesSettled() {
    Timers().KillTimer(m_owner, kMoveSettledTimer);
    if (m_placing) {
        m_placing = false; // the program's placement is over, wherever the window manager put it
        return;
    }
    // A move of the user's that has stopped is the end of a drag: the two capture changes
    // Windows sends.
    WndAccess::CaptureChanged(m_owner);
    WndAccess::CaptureChanged(m_owner);
}

void WindowHost::Fill(const QRect& rect, const QColor& color) {
    m_filled.erase(std::remove_if(m_filled.begin(), m_filled.end(),
                                  [&](const Filled& f) { return rect.contains(f.rect); }),
                   m_filled.end());
    m_filled.push_back(Filled{rect, color});
    if (!m_painting) {
        update(rect);
    }
}

void WindowHost::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    m_painting = true; // what the window paints now needs no further update
    WndAccess::Paint(m_owner);
    m_painting = false;
    QPainter painter(this);
    for (const Filled& f : m_filled) {
        painter.fillRect(f.rect, f.color);
    }
}

void WindowHost::keyPressEvent(QKeyEvent* event) {
    if (!isWindow()) {
        event->ignore(); // a page passes keys on to the dialog it lies in
        return;
    }
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (auto* button = qobject_cast<QPushButton*>(focusWidget())) {
            button->click();
        } else {
            WndAccess::Command(m_owner, IDOK);
        }
        return;
    case Qt::Key_Escape:
        WndAccess::Command(m_owner, IDCANCEL);
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}

void WindowHost::closeEvent(QCloseEvent* event) {
    event->ignore(); // the window decides itself what closing means
    WndAccess::Close(m_owner);
}

void WindowHost::mouseMoveEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    WndAccess::MouseMove(m_owner, CPoint{p.x(), p.y()});
}

// Only the window system's reports can be moves of the user's: Qt's own move events follow the
// program's calls. Of those reports, the program's placement arrives where the program put the
// window; until it does, the window manager's own steps (mapping the window first where it
// chose) belong to the placement too.
void WindowHost::moveEvent(QMoveEvent* event) {
    QDialog::moveEvent(event);
    if (!isWindow() || !isVisible() || !event->spontaneous()) {
        return;
    }
    if (m_placement && frameGeometry().topLeft() == *m_placement) {
        if (m_placing) {
            m_placing = false;
            Timers().KillTimer(m_owner, kMoveSettledTimer);
        }
        return;
    }
    if (!m_placing) {
        m_placement.reset(); // the user moves the window
    }
    Timers().SetTimer(m_owner, kMoveSettledTimer, kMoveSettleMs);
}

void WindowHost::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (isWindow() && !event->spontaneous()) {
        ExpectPlacement(frameGeometry().topLeft());
    }
}

void WindowHost::contextMenuEvent(QContextMenuEvent* event) {
    if (!WndAccess::HasSystemMenu(m_owner) && !isWindow()) {
        event->ignore(); // a page's background belongs to the dialog it lies in
        return;
    }
    const QPoint p = event->globalPos();
    WndAccess::ShowSystemMenu(m_owner, CPoint{p.x(), p.y()});
}

void WndAccess::Timer(CWnd& wnd, UINT_PTR id) {
    if (id != kMoveSettledTimer) {
        wnd.OnTimer(id);
    } else if (auto* host = qobject_cast<WindowHost*>(Widget(wnd))) {
        host->MovesSettled();
    }
}

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

namespace {
// Tabs with little room beside their text, so that all five fit the dialog's width in one row.
// A style sheet would do the same at the cost of a whole second style engine.
class NarrowTabStyle : public QProxyStyle {
public:
    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override {
        return metric == PM_TabBarTabHSpace ? kTabSpace : QProxyStyle::pixelMetric(metric, option, widget);
    }
};
} // namespace

TabControlWidget::TabControlWidget(QWidget* parent)
    : QWidget(parent), m_bar(new QTabBar(this)), m_panel(new QFrame(this)) {
    auto* style = new NarrowTabStyle;
    style->setParent(m_bar);
    m_bar->setStyle(style);
    m_bar->setUsesScrollButtons(false);
    m_bar->setElideMode(Qt::ElideNone);
    m_bar->setDrawBase(false);
    m_bar->setExpanding(false);
    m_panel->setFrameStyle(QFrame::StyledPanel | QFrame::Raised);
    m_panel->lower();
}

void TabControlWidget::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    const int barHeight = m_bar->sizeHint().height();
    m_bar->setGeometry(2, 0, width() - 4, barHeight);
    m_panel->setGeometry(0, barHeight - 1, width(), height() - barHeight + 1);
}

UpDownWidget::UpDownWidget(QWidget* parent, LineEdit* buddy)
    : QWidget(parent), m_buddy(buddy), m_up(new QToolButton(this)), m_down(new QToolButton(this)) {
    m_up->setArrowType(Qt::UpArrow);
    m_down->setArrowType(Qt::DownArrow);
    for (QToolButton* b : {m_up, m_down}) {
        b->setAutoRepeat(true);
        b->setFocusPolicy(Qt::NoFocus);
    }
    connect(m_up, &QToolButton::clicked, this, [this] { Step(1); });
    connect(m_down, &QToolButton::clicked, this, [this] { Step(-1); });
    if (m_buddy) {
        m_buddy->installEventFilter(this);
    }
    InstallUpDownAccessibility();
}

int UpDownWidget::Position() const {
    return m_buddy ? m_buddy->text().toInt() : 0;
}

void UpDownWidget::SetRange(int lower, int upper) {
    m_lower = lower;
    m_upper = upper;
}

void UpDownWidget::Step(int delta) {
    if (!m_buddy) {
        return;
    }
    bool ok = false;
    int pos = m_buddy->text().toInt(&ok);
    const int lo = std::min(m_lower, m_upper);
    const int hi = std::max(m_lower, m_upper);
    // Wider than int: a stored INT_MAX stepped up is still above the range, not below it.
    pos = ok ? static_cast<int>(std::clamp<long long>(static_cast<long long>(pos) + delta, lo, hi)) : lo;
    m_buddy->SetTextAsProgram(QString::number(pos));
}

bool UpDownWidget::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && watched == m_buddy && isEnabled()) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            Step(key == Qt::Key_Up ? 1 : -1);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void UpDownWidget::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    const int half = height() / 2;
    m_up->setGeometry(0, 0, width(), half);
    m_down->setGeometry(0, half, width(), height() - half);
}

void DropListWidget::hidePopup() {
    QComboBox::hidePopup();
    emit closedUp();
}

StatusBarWidget::StatusBarWidget(QWidget* parent) : QWidget(parent) {
    parent->installEventFilter(this);
    setFixedHeight(QFontMetrics(font()).height() + 8);
}

void StatusBarWidget::SetParts(const std::vector<int>& rightEdges) {
    for (QLabel* label : m_parts) {
        delete label;
    }
    m_parts.clear();
    m_edges = rightEdges;
    for (size_t i = 0; i < m_edges.size(); ++i) {
        auto* label = new QLabel(this);
        label->setTextFormat(Qt::PlainText);
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label->setIndent(2);
        label->show();
        m_parts.push_back(label);
    }
    Layout();
}

void StatusBarWidget::SetText(int part, const QString& text) {
    if (part >= 0 && part < static_cast<int>(m_parts.size())) {
        m_parts[static_cast<size_t>(part)]->setText(text);
    }
}

QString StatusBarWidget::Text(int part) const {
    if (part >= 0 && part < static_cast<int>(m_parts.size())) {
        return m_parts[static_cast<size_t>(part)]->text();
    }
    return {};
}

void StatusBarWidget::PlaceAtBottom() {
    const QWidget* parent = parentWidget();
    setGeometry(0, parent->height() - height(), parent->width(), height());
}

void StatusBarWidget::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Layout();
}

bool StatusBarWidget::eventFilter(QObject* watched, QEvent* event) {
    if (watched == parentWidget() && event->type() == QEvent::Resize) {
        PlaceAtBottom();
    }
    return QWidget::eventFilter(watched, event);
}

void StatusBarWidget::Layout() {
    int left = 0;
    for (size_t i = 0; i < m_parts.size(); ++i) {
        const int right = m_edges[i] < 0 ? width() : std::min(m_edges[i], width());
        m_parts[i]->setGeometry(left, 1, std::max(0, right - left - 2), height() - 2);
        left = right;
    }
}

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

void SetCheckedByProgram(QAbstractButton* button, bool checked) {
    const QSignalBlocker quiet(button); // like BM_SETCHECK, no notification
    button->setChecked(checked);
}

QString WithoutMnemonic(const std::string& text) {
    const QString in = QString::fromStdString(text);
    QString out;
    for (qsizetype i = 0; i < in.size(); ++i) {
        if (in[i] == QLatin1Char('&')) {
            if (i + 1 < in.size() && in[i + 1] == QLatin1Char('&')) {
                out += QLatin1Char('&');
                ++i;
            }
            continue;
        }
        out += in[i];
    }
    return out;
}

namespace {

// A check box or radio button. Its clicks reach the dialog, and so does a change of its check
// mark that no click made: assistive technology toggles it directly. Either is one activation.
template <class Button> class DialogButton : public Button {
public:
    DialogButton(const QString& text, QWidget* parent, std::function<void()> activated)
        : Button(text, parent) {
        QObject::connect(this, &QAbstractButton::clicked, this, activated);
        QObject::connect(this, &QAbstractButton::toggled, this, [this, activated] {
            if (!m_clicking) {
                activated();
            }
        });
    }

protected:
    void nextCheckState() override {
        // A click reports its own change; clearing a radio button when its group checks
        // another one is no activation at all.
        m_clicking = true;
        Button::nextCheckState();
        m_clicking = false;
    }

private:
    bool m_clicking = false;
};

QWidget* MakeEdit(const ControlTemplate& c, QWidget* window) {
    if (c.style & ES_MULTILINE) {
        auto* edit = new MultiLineEdit(window);
        edit->setVerticalScrollBarPolicy((c.style & WS_VSCROLL) ? Qt::ScrollBarAsNeeded
                                                                : Qt::ScrollBarAlwaysOff);
        edit->setReadOnly(c.style & ES_READONLY);
        return edit;
    }
    auto* edit = new LineEdit(window, c.style & ES_NUMBER);
    edit->setReadOnly(c.style & ES_READONLY);
    if (c.style & ES_CENTER) {
        edit->setAlignment(Qt::AlignCenter);
    }
    return edit;
}

QWidget* MakeStatic(const ControlTemplate& c, QWidget* window) {
    auto* label = new QLabel(window);
    // A static is transparent to the mouse: the window under it gets the moves and clicks.
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    label->setTextFormat(Qt::PlainText); // a user's text that looks like markup shows as typed
    switch (c.kind) {
    case ControlKind::StaticIcon:
        label->setPixmap(IconResource(c.resource).pixmap(32, 32));
        break;
    case ControlKind::StaticBitmap:
        label->setPixmap(BitmapResource(c.resource));
        label->setScaledContents(true);
        break;
    default:
        label->setText(WithoutMnemonic(c.text));
        label->setWordWrap(true);
        break;
    }
    if (c.style & SS_CENTER) {
        label->setAlignment(Qt::AlignCenter);
    } else {
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }
    if ((c.style & SS_SUNKEN) || c.kind == ControlKind::StaticBitmap) {
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    } else if ((c.style & SS_ETCHEDFRAME) == SS_ETCHEDFRAME) {
        label->setFrameStyle(QFrame::Box | QFrame::Sunken);
    }
    return label;
}

} // namespace

void BuildControls(const DialogTemplate& tmpl, QWidget* window, const DialogUnits& units, CWnd& owner) {
    QButtonGroup* radioGroup = nullptr;
    QWidget* previous = nullptr;
    QString previousLabel;
    std::vector<QWidget*> behind;
    for (const ControlTemplate& c : tmpl.controls) {
        QWidget* w = nullptr;
        const int id = c.id;
        auto notify = [&owner, id](UINT code) { WndAccess::Notify(owner, id, code); };
        switch (c.kind) {
        case ControlKind::PushButton:
        case ControlKind::DefPushButton: {
            auto* b = new QPushButton(QString::fromStdString(c.text), window);
            b->setAutoDefault(false);
            QObject::connect(b, &QPushButton::clicked, window, [notify] { notify(BN_CLICKED); });
            w = b;
            break;
        }
        case ControlKind::CheckBox:
            w = new DialogButton<QCheckBox>(QString::fromStdString(c.text), window,
                                            [notify] { notify(BN_CLICKED); });
            break;
        case ControlKind::RadioButton: {
            auto* b = new DialogButton<QRadioButton>(QString::fromStdString(c.text), window,
                                                     [notify] { notify(BN_CLICKED); });
            if ((c.style & WS_GROUP) || !radioGroup) {
                radioGroup = new QButtonGroup(window);
            }
            radioGroup->addButton(b);
            w = b;
            break;
        }
        case ControlKind::GroupBox:
            w = new QGroupBox(QString::fromStdString(c.text), window);
            behind.push_back(w);
            break;
        case ControlKind::Static:
        case ControlKind::StaticIcon:
        case ControlKind::StaticBitmap:
            w = MakeStatic(c, window);
            break;
        case ControlKind::Edit:
            w = MakeEdit(c, window);
            break;
        case ControlKind::UpDown:
            w = new UpDownWidget(window, qobject_cast<LineEdit*>(previous));
            break;
        case ControlKind::ComboBox: {
            auto* combo = new DropListWidget(window);
            for (const std::string& item : tmpl.comboItems) {
                combo->addItem(QString::fromStdString(item));
            }
            QObject::connect(combo, &DropListWidget::closedUp, window, [notify] { notify(CBN_CLOSEUP); });
            w = combo;
            break;
        }
        case ControlKind::TabControl: {
            auto* tabs = new TabControlWidget(window);
            QObject::connect(tabs->Bar(), &QTabBar::currentChanged, window,
                             [notify] { notify(TCN_SELCHANGE); });
            w = tabs;
            behind.push_back(w);
            break;
        }
        case ControlKind::Progress: {
            auto* bar = new ProgressBarWidget(window);
            bar->setRange(0, 100);
            bar->setValue(0);
            w = bar;
            break;
        }
        }
        if (c.kind != ControlKind::RadioButton && (c.style & WS_GROUP)) {
            radioGroup = nullptr;
        }
        // A drop-down list's height in the template includes its open list.
        const int height = c.kind == ControlKind::ComboBox ? w->sizeHint().height() : units.Y(c.cy);
        w->setGeometry(units.X(c.x), units.Y(c.y), units.X(c.cx), height);
        w->setProperty(kControlIdProperty, c.id);
        w->setEnabled(!(c.style & WS_DISABLED));
        w->setVisible(!c.hidden);
        // Assistive technology reads a control's own text, as it changes. An input without
        // text of its own is named after the static before it, an up-down after its edit.
        if (c.kind == ControlKind::Edit || c.kind == ControlKind::ComboBox) {
            w->setAccessibleName(previousLabel);
        } else if (c.kind == ControlKind::UpDown) {
            w->setAccessibleName(previous ? previous->accessibleName() : previousLabel);
        }
        if (c.kind == ControlKind::Static && !c.text.empty()) {
            previousLabel = WithoutMnemonic(c.text);
        }
        previous = w;
    }
    for (QWidget* w : behind) {
        w->lower();
    }
}
