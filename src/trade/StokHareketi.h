#pragma once
#include <QDate>
#include <QList>
#include <QString>

namespace nimbo {

class DocumentWriter;

// The document a set of stock movements belongs to.
struct StokHareketBelgesi {
    double belgeNo = 0;
    QString tip;       // STOKHRK.TIP: the writer letter
    QString belgeTipi; // BELGETIP: the document's own type
    QString cariKod;
    QDate tarih;
    bool cikis = true; // quantities go to CIKMIK, else GIRMIK
    bool eskiler = true; // the document may have rows already (it was saved before)
};

// One movement row: the quantity is already in the item's first unit; prices are per that
// unit in local currency, USD and EUR (0 when the quantity is 0).
struct StokHareketi {
    int siraNo = 0;
    double stokNo = 0;
    int depoKodu = 0;
    double miktar = 0;
    double fiyat[3] = {0, 0, 0};
    double kdv = 0;
};

// The one place a trade document writes its STOKHRK rows: every old row of the document
// and writer letter goes, the current ones are inserted.
void stokHareketleriniYaz(DocumentWriter& w, const StokHareketBelgesi& b, const QList<StokHareketi>& hareketler);
void stokHareketleriniSil(DocumentWriter& w, double belgeNo, const QString& tip);

} // namespace nimbo
