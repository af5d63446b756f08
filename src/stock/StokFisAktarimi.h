#pragma once
#include "db/Db.h"

#include <QList>
#include <QStringList>

namespace nimbo {

class StokFisi;

// Lines of a stock slip taken from a spreadsheet: stock code, quantity, unit cost (or, for a
// count, stock code and counted quantity). Nothing is written: the lines go into the open
// slip and are stored when the user saves it.
class StokFisAktarimi {
public:
    struct Satir {
        int satirNo = 0; // row in the file
        double stokNo = 0;
        QString kod;
        double miktar = 0;
        double fiyat = 0;
        bool fiyatVar = false;
    };
    struct Hata {
        int satirNo = 0;
        QString kod;
        QString neden;
    };
    struct Sonuc {
        QList<Satir> iyi;
        QList<Hata> hatali;
    };

    explicit StokFisAktarimi(const Db& db) : m_db(db) {}

    // Sorts the rows into good and bad ones; empty rows and a heading row are passed over.
    Sonuc oku(const QList<QStringList>& rows, bool fiyatli = true) const;
    // Reads the file and appends its good rows as lines of the slip in the warehouse; when
    // rows were bad, "Hatalı okunan stoklar mevcut!" is shown and they are returned.
    Sonuc satirlaraAktar(StokFisi& fis, const QString& path, int depoKodu) const;
    // Counted quantities of one warehouse: a count-increase slip takes the items counted
    // above what is on hand, a count-decrease slip those below it, other slips the counted
    // quantities. Returns the number of lines added; shows "Depo seçiniz!",
    // "Aktarılacak sayım mevcut değil!" or "<n> adet sayım aktarımı tamamlandı".
    int sayimAktar(StokFisi& fis, const QString& path, int depoKodu) const;

    // "12,5", "12.5", "1.234,5" and "1,234.5" are numbers.
    static bool sayi(const QString& text, double* out);

private:
    Db m_db;
};

} // namespace nimbo
