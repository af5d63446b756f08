#pragma once
#include "ledger/HesapKodu.h"
#include "model/CardModel.h"

namespace nimbo {

// The chart list: accounts of one level in code order, searched by code or name.
namespace HesapListesi {

// alan "HKOD" searches codes from the start, "HESAP_ADI" names anywhere.
ListQuery sorgu(const Db& db, HesapKodu::Duzey duzey, const QString& alan, const QString& metin);

} // namespace HesapListesi

} // namespace nimbo
