#pragma once
#include "model/ListQuery.h"
#include "trade/TicariTaraf.h"

#include <QDate>

namespace nimbo {

struct SatisListeFiltre {
    QString tip;              // one document type letter; empty: all
    QDate tarihBas, tarihBit; // invoice date, else dispatch date
    QString cariKod;          // customers whose code starts so
    enum class Fatura { Hepsi, Kesilmis, Kesilmemis } fatura = Fatura::Hepsi; // dispatch notes invoiced or not
};

// The saved sales or purchase documents ("Satış İşlemleri", "Alış İşlemleri"), newest first,
// a page at a time, with the account's name beside the code.
class SatisListesi {
public:
    static ListQuery sorgu(const SatisListeFiltre& f, const TicariTaraf& taraf = TicariTaraf::satis());
    // Open dispatch notes of one account that an invoice of the side may collect, by dispatch
    // and due date.
    static ListQuery acikIrsaliyeler(const TicariTaraf& taraf, const QString& cariKod, const QDate& irsBas, const QDate& irsBit,
                                     const QDate& vadeBas, const QDate& vadeBit);
    // The newest document number of the side (0 when there is none).
    static double sonBelgeNo(const Db& db, const TicariTaraf& taraf);
};

} // namespace nimbo
