#pragma once
#include "db/Db.h"
#include "model/ListQuery.h"

#include <QDate>

namespace nimbo {

// The voucher list: vouchers of a date range in date and number order, optionally of one
// type (the letter of FIS.TUR; empty for all).
namespace FisListesi {

ListQuery sorgu(const QDate& bas, const QDate& bit, const QString& tur);
// The newest voucher (0 when there is none).
double sonFisNo(const Db& db);
// The voucher of a source document (kind, number); 0 when it has none.
double belgeFisNo(const Db& db, QChar tur, double belgeNo);

} // namespace FisListesi

} // namespace nimbo
