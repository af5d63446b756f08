#pragma once
#include <QDate>
#include <QString>
#include <QVariant>

namespace nimbo {

// Amounts of a slip kept side by side in local currency, USD and EUR.
enum StokFisPara { TL = 0, USD = 1, EUR = 2 };

// One line of a stock slip (FISTKAYR) with the values computed from it.
struct StokFisSatiri {
    int siraNo = 0;
    double stokNo = 0;
    QString stokKodNo;
    QString stokAdi;
    double miktar = 0;
    QString birim;
    double fiyat = 0; // local currency
    double fytUsd = 0;
    double fytEur = 0;
    double fytDoviz = 0; // in the line's currency, as typed
    QString dovizKodu;   // empty: local currency
    double tlKurDeger = 1;
    double kdv = 0;
    QString kdvDahil = QStringLiteral("H"); // 'D': the price includes VAT
    QString paraBaz;
    int depoKodu = 0;
    QVariant fisNo;
    QVariant sipNo;
    QVariant siranos;

    // The item's units, read with the item.
    QString birim1, birim2, birim3;
    double katsayi2 = 0, katsayi3 = 0;

    // Computed (recompute): amount without VAT, net of discounts (none on a slip), VAT due.
    double kdvsizTut[3] = {0, 0, 0};
    double netKdvsizTut[3] = {0, 0, 0};
    double asilKdv[3] = {0, 0, 0};

    // The quantity in the item's main unit; -1 when the unit is none of the item's three.
    double hareketMiktari() const
    {
        if (birim.isEmpty() || birim == birim1)
            return miktar;
        if (!birim2.isEmpty() && birim == birim2)
            return miktar * katsayi2;
        if (!birim3.isEmpty() && birim == birim3)
            return miktar * katsayi3;
        return -1;
    }
    // Unit value of a movement row: the net amount over the movement quantity (0 for none).
    double birimDeger(int para) const
    {
        const double q = hareketMiktari();
        return q > 0 ? netKdvsizTut[para] / q : 0;
    }
};

// The header of a stock slip (FISTK).
struct StokFisBaslik {
    double hrkNo = 0;
    QString tip;
    QDate tarih;
    double usdFyt = 1;
    double eurFyt = 1;
    double gumKuru = 0;
    QString ozelKod;
    QString aciklama1, aciklama2, aciklama3;
    QString kullanici;
    int cikDepo = 0;
    int girDepo = 0;
    QString hrkDurum; // transfers: 'E' planned, 'T' done
    QString personKod;
    QVariant fisNo;   // ledger voucher; null while not posted
    QString cariKod;

    double brut[3] = {0, 0, 0};
    double kdv[3] = {0, 0, 0};
    double net[3] = {0, 0, 0};
};

} // namespace nimbo
