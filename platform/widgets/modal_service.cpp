#include "platform/widgets/modal_service.h"

#include "platform/dialog.h"
#include "platform/messages.h"
#include "platform/widgets/file_filter.h"
#include "platform/widgets/wnd_access.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QMenu>
#include <QMessageBox>
#include <QStringList>

namespace {

QWidget* OwnerWidget(CWnd* owner) {
    QWidget* w = owner ? WndAccess::Widget(*owner) : nullptr;
    return w && w->isVisible() ? w : nullptr;
}

} // namespace

QMessageBox::Icon MessageBoxIcon(UINT type) {
    switch (type & MB_ICONMASK) {
    case MB_ICONHAND:
        return QMessageBox::Critical;
    case MB_ICONEXCLAMATION:
        return QMessageBox::Warning;
    default:
        return QMessageBox::NoIcon;
    }
}

int QtModalService::RunModal(CDialog& dlg) {
    auto* dialog = qobject_cast<QDialog*>(WndAccess::Widget(dlg));
    return dialog ? dialog->exec() : IDCANCEL;
}

void QtModalService::EndModal(CDialog& dlg, int result) {
    if (auto* dialog = qobject_cast<QDialog*>(WndAccess::Widget(dlg))) {
        dialog->done(result);
    }
}

int QtModalService::MessageBox(CWnd* owner, const std::string& text, const std::string& caption, UINT type) {
    QMessageBox box(OwnerWidget(owner));
    box.setWindowTitle(QString::fromStdString(caption));
    box.setText(QString::fromStdString(text));
    box.setIcon(MessageBoxIcon(type));
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
    return IDOK;
}

std::optional<std::string> QtModalService::OpenFile(CWnd* owner, const std::string& filter,
                                                    const std::string& defaultExt) {
    QFileDialog dialog(OwnerWidget(owner));
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilter(QtFileFilter(filter));
    dialog.setDefaultSuffix(QString::fromStdString(defaultExt).remove(QStringLiteral("*.")));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return dialog.selectedFiles().first().toStdString();
}

std::optional<COLORREF> QtModalService::ChooseColor(CWnd* owner) {
    const QColor color = QColorDialog::getColor(Qt::black, OwnerWidget(owner));
    if (!color.isValid()) {
        return std::nullopt;
    }
    return RGB(color.red(), color.green(), color.blue());
}

UINT QtModalService::TrackPopupMenu(const std::vector<PopupMenuItem>& items, CPoint at, CWnd*) {
    QMenu menu;
    for (const PopupMenuItem& item : items) {
        if (item.id == 0) {
            menu.addSeparator();
            continue;
        }
        QAction* action = menu.addAction(QString::fromStdString(item.text));
        action->setData(item.id);
        action->setEnabled(!item.grayed);
    }
    QAction* chosen = menu.exec(QPoint(at.x, at.y));
    return chosen ? chosen->data().toUInt() : 0;
}
