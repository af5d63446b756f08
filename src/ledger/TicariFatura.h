#pragma once
#include "db/Db.h"

#include <QDate>
#include <QHash>
#include <QList>
#include <QSqlRecord>
#include <optional>

namespace nimbo {

class TDMuh;

// Where the posting finds one side's invoice: sales (SATIS, SATISAYR, ISCILIKS, MASRAFS,
// writer 'S') or purchases (ALIS, ALISAYR, ISCILIKA, MASRAFA, writer 'A').
struct TicariKaynak {
    QString baslik, anahtar, satirlar, iscilik, masraf, yazan;
    static const TicariKaynak& satis();
    static const TicariKaynak& alis();
};

// One posted unit of an invoice: a stock item, an expense code or a service code, with the
// sums of its lines and the ledger codes of its card (STOKMUH, MASRAF or ARIZA).
struct TicariKalem {
    enum class Tur { Stok, Masraf, Hizmet };
    Tur tur = Tur::Stok;
    QString kod;                  // item, expense or service code: the narration starts with it
    double stokNo = 0;
    QHash<QString, QString> hesap; // MUH_S, MUH_KDV_S, ... of the card
    double mal = 0;               // sum of GER_TUT (net after discounts)
    double iskonto = 0;           // sum of ISK_TUT
    double kdv = 0;               // sum of GER_TUT x KDV / 100
    double otv = 0;               // purchase special tax: sum of GER_TUT x OTV / 100
    double otvliKdv = 0;          // VAT on the tax-inclusive amount
    // Lines of a return, each with the sold line it came back from.
    struct Iade {
        double satisNo = 0;
        int sira = 0;
        double miktar = 0;
    };
    QList<Iade> iadeler;

    double brut() const { return mal + iskonto; }
    QString kodu(const char* kolon) const { return hesap.value(QString::fromLatin1(kolon)); }
};

// An invoice as its ledger posting reads it: the header, the account's ledger codes with
// the currency suffix, the cash desk of a cash invoice, the group code of its movement type
// and the items, expenses and services in the order of their first line.
struct TicariFatura {
    QSqlRecord kayit; // the header row
    QString fatNo, tip, odeTip, muhKasaTip, cariKod, firmaAdi, grup;
    QDate fatarih;
    double net = 0;
    QString cariMuh, cariMuh2; // MUH_KOD / MUH_KOD2 of the account, with the currency suffix
    bool kasaVar = false;      // the cash desk of a cash invoice was found
    QString kasaKod, kasaMuh;
    QString iskDus;            // PARAMET.ISK_DUS
    QList<TicariKalem> kalemler;

    bool pesin() const { return odeTip == QLatin1String("P"); }
    bool kasayaDogrudan() const { return muhKasaTip == QLatin1String("E") && pesin(); }
    bool iskontoAyri() const { return iskDus == QLatin1String("H"); }
    QString metin(const char* kolon) const;
    double sayi(const char* kolon) const;

    // Empty when the document does not exist.
    static std::optional<TicariFatura> oku(TDMuh& m, const TicariKaynak& k);
};

} // namespace nimbo
