#pragma once
#include "db/Db.h"

#include <QList>

namespace nimbo {

// Provinces (by plate code) and their counties, for the card's province and county lists.
class SehirIlce {
public:
    explicit SehirIlce(const Db& db) : m_db(db) {}
    QList<QPair<int, QString>> iller() const;
    // The plate code of a province name; 0 when unknown.
    int plaka(const QString& il) const;
    QStringList ilceler(int plaka) const;

private:
    Db m_db;
};

} // namespace nimbo
