#pragma once
#include "db/Db.h"

#include <QList>
#include <QStringList>

namespace nimbo {

// What a document takes out of one item in one warehouse (quantity in the first unit).
struct StokIhtiyaci {
    double stokNo = 0;
    int depoKodu = 0;
    double miktar = 0;
    QString ad;
};

// The stock-control setting (PARAMET.STK_NEG) applied to a document's lines.
class StokKontrolu {
public:
    enum class Sonuc { Yeterli, Reddet, Sor };
    struct Cevap {
        Sonuc sonuc = Sonuc::Yeterli;
        QString mesaj;
        QStringList kritik; // items that would fall below KRITIK_SEV
    };

    // belgeNo/tip: the document's own movements are left out (it is being corrected).
    static Cevap denetle(const Db& db, const QString& mod, const QList<StokIhtiyaci>& ihtiyac, double belgeNo,
                         const QString& tip);
    // On-hand quantity without the given document's movements; depoKodu 0 means every warehouse.
    static double eldeki(const Db& db, double stokNo, int depoKodu, double belgeNo, const QString& tip);
    static bool denetlenir(const QString& mod);
};

} // namespace nimbo
