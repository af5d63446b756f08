#pragma once
#include "model/CardModel.h"

#include <QDate>

namespace nimbo {

class Dialect;

// The slip list (FISTK) with its filters and orders.
class StokFisListesi {
public:
    enum class Sira { NoAzalan, Tip, Tarih, NetTutar, CikisDepoTarih, GirisDepoTarih, Kullanici, Sorumlu };
    struct Filtre {
        QString personKod;
        QString tip;
        QDate ilkTarih, sonTarih;
        double ilkNo = 0, sonNo = 0; // 0: open end
        QString durum;               // 'E' or 'T'; empty: any
        QString stokAdi;             // an item whose name contains the text (in any case) is on the slip
        Sira sira = Sira::NoAzalan;
    };
    // Fields: HRKNO, TIP, TARIH, NETTUT, NET_USD, CIKDEPO, GIRDEPO, HRKDURUM, KULLANICI,
    // PERSON_KOD, FIS_NO, ACIKLAMA1, and CIKDEPOTARIH / GIRDEPOTARIH (a warehouse with the
    // date, the value the two warehouse orders go by); a keyed list (HRKNO) in the chosen order.
    static ListQuery sorgu(const Dialect& d, const Filtre& f);
    static QStringList siraAdlari(); // in the order of Sira
};

} // namespace nimbo
