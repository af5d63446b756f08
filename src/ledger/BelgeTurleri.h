#pragma once
#include "ledger/TDMuh.h"

#include <QChar>
#include <QDate>
#include <QList>
#include <QString>
#include <functional>

namespace nimbo {

// One kind of document the ledger posts. A subsystem makes its documents postable by
// registering one of these: the routine, where the posted marker FIS_NO lives, and how
// its unposted documents of a period are found (for bulk posting).
struct BelgeTuru {
    QChar tur;       // the kind letter written to FIS.ENT_TIP ('C', 'P', 'S', ...)
    QString ad;      // shown in the bulk posting window, e.g. "Cari Hareketler"
    QString tablo;   // the table holding FIS_NO, e.g. "CARIHRKM"
    QString anahtar; // its document-number column, e.g. "CARI_NO"
    QString kosul;   // fixed SQL narrowing the rows of a shared table to this kind's (or empty)
    QString tipler;  // the document type letters that are posted (empty: every type)
    // SELECT of the unposted documents dated from :bas up to (not including) :son, one row
    // per document with the columns NO, TARIH and ACIKLAMA.
    QString bekleyenSql;
    // Run before the unposted documents of a period are listed (a kind whose documents are
    // made for the period, such as the monthly cost of sales); none for most kinds.
    std::function<void(const Db& db, const QDate& bas, const QDate& bit)> hazirla;
    TDMuh::Rutin rutin;
    // The return flag handed to the routine for a document (none: never a return).
    std::function<bool(const Db& db, double belgeNo)> iade;
};

class BelgeTurleri {
public:
    // Registers (or replaces) a kind and its posting routine.
    static void kaydet(const BelgeTuru& t);
    static void sil(QChar tur);
    static const BelgeTuru* bul(QChar tur);
    // The kind whose FIS_NO lives in the table (the scaffolding's hook names the table).
    static const BelgeTuru* tablodan(const QString& tablo);
    static QList<BelgeTuru> hepsi();
    // Whether a saved document of the table and type letter is posted at all.
    static bool kapsar(const QString& tablo, const QString& tip);

    // The document's current voucher (its FIS_NO), 0 when not posted.
    static double mevcutFisNo(const Db& db, const BelgeTuru& t, double belgeNo);
    static bool iadeMi(const Db& db, const BelgeTuru& t, double belgeNo) { return t.iade && t.iade(db, belgeNo); }
    // Posts (or re-posts in place) one document of a registered kind.
    static MuhasebeSonucu muhasebelestir(const Db& db, const BelgeTuru& t, double belgeNo, bool interaktif);
};

} // namespace nimbo
