#pragma once
#include "services/KurSayfasi.h"

namespace nimbo {

// Reads the central bank's daily XML file ("today.xml", "kurlar/YYYYMM/DDMMYYYY.xml"): a root
// element Tarih_Date (attribute Tarih "dd.MM.yyyy") with one Currency element per currency
// (attribute Kod; children Unit, ForexBuying, ForexSelling, BanknoteBuying, BanknoteSelling).
// The four rates are per Unit units (100 for JPY), so each is divided by Unit. Forex buying
// and selling are required; an empty banknote rate is 0. A file that is not well-formed, or
// ends early, gives hata and no rates at all: half a bulletin is never written.
KurSayfasiSonucu kurXmlOku(const QString& xml);

// Either format, chosen by content: an XML declaration or a Tarih_Date element means the XML
// file, anything else is read as the fixed-column page.
KurSayfasiSonucu kurBelgesiniOku(const QString& belge);

} // namespace nimbo
