#pragma once
#include "model/ListQuery.h"

#include <QDate>

namespace nimbo {

// The voucher list: vouchers of a date range in date and number order, optionally of one
// type (the letter of FIS.TUR; empty for all).
namespace FisListesi {

ListQuery sorgu(const QDate& bas, const QDate& bit, const QString& tur);

} // namespace FisListesi

} // namespace nimbo
