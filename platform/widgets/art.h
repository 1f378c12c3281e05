#pragma once
// The program's icons and bitmaps by resource id.
#include <QIcon>
#include <QPixmap>

QIcon IconResource(int id);
QPixmap BitmapResource(int id);
