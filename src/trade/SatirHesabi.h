#pragma once

namespace nimbo {

// What a trade-document line's values are computed from, in one currency.
struct SatirGirdisi {
    double fiyat = 0;     // unit price P
    double miktar = 0;    // quantity Q
    double kdv = 0;       // VAT percent k
    double vadeFarki = 0; // maturity surcharge percent v
    double iskonto = 0;   // line discount percent d (0 for labour and expense lines)
    bool kdvDahil = false; // the price includes VAT (KDV_DAHIL 'D')
    bool netteVade = false; // the net amount takes the maturity surcharge once more (purchases)
    double otv = 0;         // special consumption tax percent, VAT is taken on net plus tax
};

// A line's values in one currency. Nothing is rounded.
struct SatirDegerleri {
    double kdvliFyt = 0;     // KDVLIFYT
    double kdvsizFyt = 0;    // KDVSIZFYT
    double kdvsizTut = 0;    // KDVSIZTUT
    double kiskon = 0;       // line discount
    double yuzdIskon = 0;    // share of the document percent discount
    double musIskon = 0;     // share of the document amount discount
    double netKdvsizTut = 0; // NetKDVsizTut
    double otvTut = 0;       // special consumption tax on the net amount
    double asilKdv = 0;      // VAT actually due, on the net amount (and the special tax)
    double kdvTut = 0;       // KDV_TUT: VAT before discounts (display)
    double kdvliTut = 0;     // KDVLI_TUT
    double iskontoToplami() const { return kiskon + yuzdIskon + musIskon; }
};

// The discounts run one after another on the shrinking amount: the line's own, then the
// document percent (yuzde), then the document amount discount as a percent (yuzde1).
SatirDegerleri satirHesapla(const SatirGirdisi& g, double yuzde, double yuzde1);

} // namespace nimbo
