#pragma once
#include "db/Db.h"

#include <optional>

namespace nimbo {

// One bank account (BANKAYR) as the windows that choose an account need it.
struct BankaHesabi {
    QString bankaKod, hesapNo, hesapAdi, bankaAdi;
    QString tur;   // HESAR_TURU
    QString doviz; // DOVIZ_KODU
    double komisyon = 0;
    QString muhKod; // MUH_CHES

    static std::optional<BankaHesabi> bul(const Db& db, const QString& bankaKod, const QString& hesapNo);
    // Every account, by bank and number.
    static QList<BankaHesabi> hepsi(const Db& db);

    // Choosing a row of the bank picker: a bank row without an account number, an account of
    // another type or of another currency than asked for is refused (UserError). Empty
    // expectations accept any.
    static void secimKontrol(const QString& hesapNo, const QString& tur, const QString& doviz,
                             const QString& beklenenTur, const QString& beklenenDoviz);
};

} // namespace nimbo
