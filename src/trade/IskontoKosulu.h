#pragma once
#include "db/Db.h"

#include <optional>

namespace nimbo {

// The payment terms (SASEKIL) that give a line its discount, maturity and surcharge.
struct IskontoKosulu {
    QString kodu;
    double vadeFarki = 0;
    int vadeGun = 0;
    double iskonto = 0;

    // The first ISKGRUP rule naming both the customer's and the item's discount group (each
    // written in parentheses), replaced by a CARIOZISK exception for the pair. Nothing when
    // neither applies or the terms code is unknown.
    static std::optional<IskontoKosulu> bul(const Db& db, const QString& cariKod, double stokNo);
    // Whether a rule's group list names the group: "(A)(B)" names "A" and "B".
    static bool grupVar(const QString& liste, const QString& grup);
};

} // namespace nimbo
