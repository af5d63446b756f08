#pragma once
#include "db/Db.h"

#include <QHash>
#include <optional>

namespace nimbo {

// The payment terms (SASEKIL) that give a line its discount, maturity and surcharge.
struct IskontoKosulu {
    QString kodu;
    double vadeFarki = 0;
    int vadeGun = 0;
    double iskonto = 0;
};

// The firm's discount rules, read once for a document: the first ISKGRUP rule naming both
// the customer's and the item's discount group (each written in parentheses), replaced by
// a CARIOZISK exception for the pair.
class IskontoKurallari {
public:
    explicit IskontoKurallari(const Db& db);
    // Nothing when no rule applies or the terms code is unknown.
    std::optional<IskontoKosulu> bul(const QString& cariKod, const QString& cariGrup, double stokNo,
                                     const QString& stokGrup) const;
    // Reads the customer's exceptions for these items at once; until ozelleriBirak() bul()
    // takes them from there (items picked together from the list).
    void ozelleriOku(const QString& cariKod, const QList<double>& stokNolari);
    void ozelleriBirak();
    // Whether a rule's group list names the group: "(A)(B)" names "A" and "B".
    static bool grupVar(const QString& liste, const QString& grup);

private:
    struct Kural {
        QString kosul, cariGruplari, stokGruplari;
    };
    std::optional<IskontoKosulu> sekil(const QString& kodu) const;

    Db m_db;
    QList<Kural> m_kurallar;
    mutable QHash<QString, std::optional<IskontoKosulu>> m_sekiller;
    QString m_okunanCari;
    QHash<double, QString> m_okunanOzeller; // every item asked for, "" for none
};

} // namespace nimbo
