// The program's icons and bitmaps, compiled in as PNG files.
#include "platform/widgets/art.h"

#include <QIcon>
#include <QImageReader>
#include <QPixmap>

#include <map>

namespace {

// Read as PNG by name: left to guess, Qt would load every image plugin to ask each of them.
QPixmap ReadPng(const QString& path) {
    QImageReader reader(path, "png");
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}

QIcon LoadIcon(int id) {
    QIcon icon;
    for (int size : {16, 22, 32, 48, 64}) {
        const QPixmap image = ReadPng(QStringLiteral(":/icons/%1-%2.png").arg(id).arg(size));
        if (!image.isNull()) {
            icon.addPixmap(image);
        }
    }
    return icon;
}

} // namespace

// Icons are shared and never freed, like the resource icons of the desktops they stand in for:
// each is made once, and every tray update and window hands on the same one.
QIcon IconResource(int id) {
    static auto* shared = new std::map<int, QIcon>;
    auto found = shared->find(id);
    if (found == shared->end()) {
        found = shared->emplace(id, LoadIcon(id)).first;
    }
    return found->second;
}

QPixmap BitmapResource(int id) {
    return ReadPng(QStringLiteral(":/bitmaps/%1.png").arg(id));
}
