#pragma once
#include <QColor>
#include <QIcon>
#include <QString>

namespace nimbo {

// The icons of the main form: drawn, so that they look the same on every desktop.
class MenuIcons {
public:
    // A rounded tile of one colour with a white symbol on it.
    static QIcon glyph(const QString& symbol, const QColor& tile);
    // The icon of a menu row by its IMAGEID; groups (and unknown numbers) get a folder.
    static QIcon forImage(int imageId);
};

} // namespace nimbo
