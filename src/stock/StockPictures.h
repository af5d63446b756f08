#pragma once
#include "db/Db.h"

#include <QByteArray>
#include <QList>

namespace nimbo {

// Pictures of an item (jpg, jpeg), kept in the year database.
class StockPictures {
public:
    struct Picture {
        int sira = 0;
        QString dosyaAdi;
        QByteArray data;
    };
    static QList<Picture> of(const Db& db, double stokNo);
    // A picture file read for the card (sira 0 until stored): needs the item's code first,
    // only .jpg and .jpeg files (UserError otherwise).
    static Picture read(const QString& stokKod, const QString& file);
    // Writes inside the caller's transaction (the card's save); sets the picture's number.
    static void insert(const Db& db, double stokNo, Picture& p);
    static void remove(const Db& db, double stokNo, int sira);
};

} // namespace nimbo
