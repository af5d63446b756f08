#pragma once
#include "db/Db.h"

namespace nimbo {

// What the finance windows show when they are opened by name alone: the first cash desk,
// bank and paper, and the latest bank movement and finance document.
class FinansAcilis {
public:
    struct Belge {
        double no = -1; // -1: none yet
        QString tip, tip2;
    };

    explicit FinansAcilis(const Db& db) : m_db(db) {}

    QString ilkKasa() const;
    QString ilkBanka() const;
    double ilkCekSenet() const;
    Belge sonBankaHareketi() const;
    Belge sonFinansBelgesi() const;

private:
    Db m_db;
};

} // namespace nimbo
