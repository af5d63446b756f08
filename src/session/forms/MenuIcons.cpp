#include "session/forms/MenuIcons.h"

#include <QApplication>
#include <QFont>
#include <QHash>
#include <QPainter>
#include <QPixmap>
#include <QStyle>

namespace nimbo {

namespace {
QPixmap tile(const QString& symbol, const QColor& colour, int size)
{
    QPixmap pm(size, size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const QRectF r(1, 1, size - 2, size - 2);
    p.setPen(QPen(colour.darker(140), 1));
    p.setBrush(colour);
    p.drawRoundedRect(r, size / 6.0, size / 6.0);
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setBold(true);
    f.setPixelSize(symbol.size() > 1 ? size * 9 / 20 : size * 5 / 8);
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(r, Qt::AlignCenter, symbol);
    return pm;
}

struct ImageDef {
    const char* symbol;
    QRgb colour;
};

// IMAGEID of MENULIST: 0 is a group folder; the rest name the kind of window.
const ImageDef kImages[] = {
    {"", 0},               // 0 group
    {"▦", 0xff2e7d32},     // 1 stock
    {"☺", 0xff1565c0},     // 2 current accounts
    {"₺", 0xff6a1b9a},     // 3 cash desk
    {"B", 0xff00695c},     // 4 bank
    {"✉", 0xff8d6e63},     // 5 cheques and notes
    {"☰", 0xff455a64},     // 6 report
    {"✎", 0xff5d4037},     // 7 definitions
    {"↗", 0xffc62828},     // 8 sales
    {"↙", 0xffef6c00},     // 9 purchases
    {"€", 0xff0277bd},     // 10 currencies
    {"Σ", 0xff37474f},     // 11 ledger
    {"♙", 0xff7b1fa2},     // 12 personnel
    {"✓", 0xff558b2f},     // 13 orders
    {"⚙", 0xff424242},     // 14 system
    {"%", 0xffad1457},     // 15 analysis
};
} // namespace

QIcon MenuIcons::glyph(const QString& symbol, const QColor& colour)
{
    QIcon icon;
    for (int size : {16, 24, 32, 48})
        icon.addPixmap(tile(symbol, colour, size));
    return icon;
}

QIcon MenuIcons::forImage(int imageId)
{
    static QHash<int, QIcon> cache;
    if (cache.contains(imageId))
        return cache.value(imageId);
    QIcon icon;
    const int n = int(sizeof(kImages) / sizeof(kImages[0]));
    if (imageId <= 0 || imageId >= n) {
        icon = QApplication::style()->standardIcon(QStyle::SP_DirIcon);
    } else {
        icon = glyph(QString::fromUtf8(kImages[imageId].symbol), QColor::fromRgb(kImages[imageId].colour));
    }
    cache.insert(imageId, icon);
    return icon;
}

} // namespace nimbo
