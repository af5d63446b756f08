#pragma once
#include "db/Db.h"
#include "ledger/Fis.h"

#include <QHash>
#include <QPair>
#include <QSqlRecord>
#include <optional>

namespace nimbo {

// Look-ups in the chart of accounts (HSPLAN).
class HesapPlani {
public:
    explicit HesapPlani(const Db& db) : m_db(db) {}
    const Db& db() const { return m_db; }

    std::optional<QSqlRecord> hesap(const QString& kod) const;
    // The first posting account in code order (empty for an empty chart).
    QString ilkMuavinHesap() const;
    // True when the code is a posting account (SON_SEVIYE = 1).
    bool SeviyeKontroluYap(const QString& kod) const;
    // The longest existing code of which kod lies below; empty when there is none.
    QString anaHesap(const QString& kod) const;
    // True when some other code lies below kod.
    bool altHesabiVar(const QString& kod) const;
    // The greatest code one level below kod.
    QString sonAltHesap(const QString& kod) const;
    // The code and every chart code below it.
    QStringList altKodlarIle(const QString& kod) const;
    // "HSPKODU IN (:c0, :c1, ...)" for the codes, their values added to params.
    static QString kodKosulu(const QStringList& kodlar, Params& params);
    // The account's class columns a voucher line carries (HSINIF ... DETAY).
    static void satiraKopyala(const QSqlRecord& hesap, FisSatiri& satir);
    // Debit and credit sums of every voucher line on the code or below it.
    QPair<double, double> toplamlar(const QString& kod) const;

private:
    Db m_db;
};

// The same look-ups, each code read once: for a posting run that writes many lines.
class HesapOnbellegi {
public:
    explicit HesapOnbellegi(const Db& db) : m_plan(db) {}
    const std::optional<QSqlRecord>& hesap(const QString& kod);
    bool SeviyeKontroluYap(const QString& kod);
    // Reads the codes a posting is about to use in one query instead of one each. A code
    // with no row of exactly that text is left to the look-up above.
    void onYukle(const QStringList& kodlar);

private:
    HesapPlani m_plan;
    QHash<QString, std::optional<QSqlRecord>> m_cache;
};

} // namespace nimbo
