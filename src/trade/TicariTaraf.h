#pragma once
#include <QList>
#include <QString>

namespace nimbo {

// One document type letter of a trade document: its name and which parts it carries.
struct BelgeTipi {
    QString harf;
    QString ad;
    bool fatura = false;   // invoice part: numbered invoice, finance rows
    bool irsaliye = false; // dispatch part: numbered dispatch, stock movements
};

// What makes a trade document a sale or a purchase: its tables, counters, writer letter and
// the direction goods and money take. The shared model (TicariBelge) reads everything that
// differs between the two from here; the rest is small overrides.
struct TicariTaraf {
    QString baslik;         // header table: SATIS / ALIS
    QString satirlar;       // item lines: SATISAYR / ALISAYR
    QString anahtar;        // document number column: SATIS_NO / ALIS_NO
    QString yazan;          // writer letter of STOKHRK.TIP, FINHRK.BELGE_TIP, service lines: S / A
    QString sayac;          // counter table of the document number
    QString faturaIrsaliye; // invoice-to-dispatch link table: FATIRS_S / FATIRS_A
    bool cikis = true;      // goods leave (CIKMIK) or come in (GIRMIK)
    double odemeSiraNo = 0; // SIRA_NO of finance and cash rows of an immediate payment
    QString islemBolumu;    // BOLUM of the action log
    QString iadeSatirlari;  // lines a return refers to: ALISAYR for a sale, SATISAYR for a purchase
    QString iadeAnahtar;    // their document number column
    QList<BelgeTipi> tipler;
    QString iscilikTablosu = QStringLiteral("ISCILIKS"); // labour lines: ISCILIKS / ISCILIKA
    QString masrafTablosu = QStringLiteral("MASRAFS");   // expense lines: MASRAFS / MASRAFA
    double kasaSiraNo = 1000000575;                      // SIRANO of the cash-desk row of a cash invoice
    bool toplananTarihAlir = true; // a collected dispatch note takes the invoice's date with its number

    const BelgeTipi* tip(const QString& harf) const;
    bool fatura(const QString& harf) const;
    bool irsaliye(const QString& harf) const;
    QString tipAdi(const QString& harf) const;

    static const TicariTaraf& satis();
    static const TicariTaraf& alis();
};

} // namespace nimbo
