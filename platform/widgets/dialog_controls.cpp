#include "platform/widgets/dialog_controls.h"

#include "platform/messages.h"
#include "platform/widgets/art.h"
#include "platform/widgets/dialog_units.h"
#include "platform/widgets/drop_list.h"
#include "platform/widgets/edits.h"
#include "platform/widgets/progress_bar.h"
#include "platform/widgets/tab_control.h"
#include "platform/widgets/up_down.h"
#include "platform/widgets/wnd_access.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>

#include <functional>
#include <vector>

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
