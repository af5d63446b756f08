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
    // Needs the item's code first; only .jpg and .jpeg files. Returns the new row's number.
    static int add(const Db& db, double stokNo, const QString& stokKod, const QString& file);
    static void remove(const Db& db, double stokNo, int sira);
};

} // namespace nimbo
