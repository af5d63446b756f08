#pragma once
#include "model/ListQuery.h"
#include "trade/TicariTaraf.h"

#include <QDate>

namespace nimbo {

class TicariBelge;

struct SatisListeFiltre {
    QString tip;              // one document type letter; empty: all
    QDate tarihBas, tarihBit; // invoice date, else dispatch date
    QString cariKod;          // customers whose code starts so
    QString cariAdi;          // customers whose name holds this, read as a Turkish reader does
    enum class Fatura { Hepsi, Kesilmis, Kesilmemis } fatura = Fatura::Hepsi; // dispatch notes invoiced or not
};

// The saved sales or purchase documents ("Satış İşlemleri", "Alış İşlemleri"), newest first,
// a page at a time, with the account's name beside the code.
class SatisListesi {
public:
    // The customer name is looked up first: the condition takes the shape that reads a page
    // fastest for as many accounts as it matches.
    static ListQuery sorgu(const Db& db, const SatisListeFiltre& f, const TicariTaraf& taraf = TicariTaraf::satis());
    // Open dispatch notes of one account that an invoice of the side may collect, by dispatch
    // and due date.
    static ListQuery acikIrsaliyeler(const TicariTaraf& taraf, const QString& cariKod, const QDate& irsBas, const QDate& irsBit,
                                     const QDate& vadeBas, const QDate& vadeBit);
    // "Sil" of the list on an opened document: the session user's delete right first (sales
    // and purchases alike need SATIS_SIL "H", an import purchase also ITHAL_SIL "H"); a
    // refusal is shown and leaves the document untouched. Then the document's own refusals
    // and questions. True when the document went.
    static bool sil(TicariBelge& belge);
    // The refusal the session user's rights give to deleting the document (empty: allowed).
    static QString silmeEngeli(const TicariBelge& belge);
    // Why the user may not open the saved document to correct it (empty: he may): an import
    // purchase needs the import correction right.
    static QString duzeltmeEngeli(const TicariBelge& belge);
    // The newest document number of the side (0 when there is none).
    static double sonBelgeNo(const Db& db, const TicariTaraf& taraf);
};

} // namespace nimbo
