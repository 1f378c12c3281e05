#pragma once
// A top-level window's title, written without the X server echoing it back.
#include <QString>

class QWidget;

// On X11 every title change comes back as two property notifications (_NET_WM_NAME, WM_NAME),
// each waking Qt's event thread and then the main thread for nothing we use; a caption that
// counts seconds would pay that every second. So the window stops selecting property changes
// while its title is written, and selects them again at once. (A change another client makes to
// the window in that instant goes unheard too; of those, Qt follows only the window's state,
// which changes when the user acts on the window.) Elsewhere this is setWindowTitle.
void SetWindowTitleQuietly(QWidget* window, const QString& title);
