#pragma once

#include <QImage>
#include <QList>
#include <QString>
#include <QStringList>

// Every picture the program carries, by the name it has under resources/.
// The committed files are exactly what this class draws, so any of them can
// be regenerated (the `images` build target) and checked against it.
class ImageSet
{
public:
    // File names under Images/, e.g. "add.png", "add-selected.png".
    static QStringList imageNames();

    // The picture of that name; a null image for a name not in imageNames().
    static QImage image(const QString &name);

    // "VK<index>.png" under HueSwatches/, index written without leading zeros.
    static QString swatchName(int index);

    // Pixel sizes of the desktop icon, installed under icons/hicolor/.
    static QList<int> appIconSizes();
    static QImage appIcon(int size);
    // Path of the desktop icon of that size, relative to the resource folder.
    static QString appIconPath(int size);

    // Writes Images/, HueSwatches/ and icons/ below `resourceDir`. Stops at the
    // first file that cannot be written and says which in `error`.
    static bool writeAll(const QString &resourceDir, QString *error = nullptr);
};
