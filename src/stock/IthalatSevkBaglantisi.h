#pragma once
#include "db/Db.h"

#include <functional>

namespace nimbo {

// Where stock slips meet import shipments (ITHSEVK). Slip lines taken over from a shipment
// carry its number in SIP_NO and its line in SIRANOS; when a slip with such lines is saved,
// the shipment is marked with the slip and the import lines' shipped quantities follow, and
// when the slip is deleted the links are released. The import files own those tables: they
// install the two handlers; until then a slip carries the numbers and nothing more happens.
class IthalatSevkBaglantisi {
public:
    using Kaydedildi = std::function<void(const Db&, double hrkNo, const QList<QVariantMap>& satirlar)>;
    using Silindi = std::function<void(const Db&, double hrkNo)>;

    static void install(Kaydedildi kaydedildi, Silindi silindi);

    // Inside the slip's transaction.
    static void fisKaydedildi(const Db& db, double hrkNo, const QList<QVariantMap>& satirlar);
    static void fisSilindi(const Db& db, double hrkNo);
};

} // namespace nimbo
