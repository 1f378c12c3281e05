#pragma once
// Dialog text is laid out glyph by glyph where its script allows: the text shaper then stays
// unloaded while the program waits hidden in the tray. Text that needs shaping (joining scripts,
// combining marks, emoji sequences) is shaped as usual.
#include <QString>

class QWidget;

// Whether the text needs the shaper to show right.
bool NeedsShaping(const QString& text);

// Gives the widget's font the shaping its text needs; text the user enters may need it.
void ShapeAsTextNeeds(QWidget* widget, const QString& text);
