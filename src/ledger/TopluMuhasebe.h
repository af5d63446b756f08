#pragma once
#include "db/Db.h"

#include <QDate>
#include <QList>
#include <functional>

namespace nimbo {

// An unposted document as the bulk posting lists it.
struct BekleyenBelge {
    QChar tur;
    QString turAdi;
    double no = 0;
    QDate tarih;
    QString aciklama;
};

struct TopluSonuc {
    int muhasebelesen = 0;
    int reddedilen = 0;
    bool iptalEdildi = false;
    // Each refused document with the reason its posting gave.
    QList<QPair<BekleyenBelge, QString>> redler;
};

// Posts the unposted documents of a period, kind by kind, each in its own transaction: a
// document is either fully posted (voucher stored and FIS_NO set) or left untouched, also
// when the run is cancelled between two documents. Runs are not interactive: refusals are
// collected with their reasons instead of shown.
class TopluMuhasebe {
public:
    explicit TopluMuhasebe(const Db& db) : m_db(db) {}

    // Unposted documents dated within [bas, bit] of the given kinds (all registered kinds
    // when empty), by kind, date and number.
    QList<BekleyenBelge> bekleyenler(const QDate& bas, const QDate& bit, const QList<QChar>& turler = {}) const;

    // ilerleme(done, total) is called before each document and once at the end; returning
    // false stops the run before the next document.
    using Ilerleme = std::function<bool(int yapilan, int toplam)>;
    TopluSonuc muhasebelestir(const QList<BekleyenBelge>& belgeler, const Ilerleme& ilerleme = {});

private:
    Db m_db;
};

} // namespace nimbo
