#pragma once
#include "model/CardModel.h"

namespace nimbo {

// A warehouse card (DEPO). Its selector columns DEP1 .. DEP20 are kept by the card: 1 in
// the column of its own number, 0 in the others, so each warehouse spreads into its own
// column of the per-warehouse quantities.
class DepoKarti : public CardModel {
public:
    explicit DepoKarti(const Db& db) : m_db(db) {}
    QString table() const override { return QStringLiteral("DEPO"); }

    void startNew();
    void open(int depoKodu);
    int depoKodu() const { return value(QStringLiteral("DEPO_KODU")).toInt(); }

protected:
    // Checks: code given and positive, name given, code not taken; then one transaction.
    void store() override;

private:
    Db m_db;
};

} // namespace nimbo
