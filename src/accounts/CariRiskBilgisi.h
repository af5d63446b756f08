#pragma once
#include "db/Db.h"

#include <QList>

namespace nimbo {

// The read-only risk figures shown on the card.
struct RiskSatiri {
    QString baslik;   // "Protestolu Senetler", "Karşılıksız Çekler", ...
    double tutar = 0;
    double usd = 0;
    double eur = 0;
};

class CariRiskBilgisi {
public:
    explicit CariRiskBilgisi(const Db& db) : m_db(db) {}
    // "Karşılıksız Ç/S Riskleri": the customer's papers in state K, by kind.
    QList<RiskSatiri> karsiliksiz(const QString& kod) const;
    // The customer's papers not yet collected (state other than T), by kind.
    QList<RiskSatiri> tahsilEdilmemis(const QString& kod) const;
    // Sales dispatch notes without an invoice.
    RiskSatiri faturasizIrsaliye(const QString& kod) const;

private:
    QList<RiskSatiri> kagitlar(const QString& durumKosulu, const QString& kod, bool protesto) const;
    Db m_db;
};

} // namespace nimbo
