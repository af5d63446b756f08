#pragma once
#include <QVariant>

#include "db/Db.h"

namespace nimbo {

// Writes one UISLEM row of what the user did, at once, inside whatever transaction the
// caller has open on the session's year database. TARIH is now; PERS_KOD is the user's
// staff code, or the user name when the user has none.
void KullanciNeYapti(const QVariant& BOLUM, const QVariant& REFNO, const QVariant& SNO, const QVariant& KTIP,
                     const QVariant& ALTB, const QVariant& CKOD, const QVariant& MIKTAR, const QVariant& FYTDVZ,
                     const QVariant& DVZ, const QVariant& BELGE_NO, const QVariant& GER_TUT, const QVariant& STOK_NO,
                     const QVariant& SIM_KOD, const QVariant& ACIKLAMA);
// The same on the given connection.
void KullanciNeYapti(const Db& db, const QVariant& BOLUM, const QVariant& REFNO, const QVariant& SNO,
                     const QVariant& KTIP, const QVariant& ALTB, const QVariant& CKOD, const QVariant& MIKTAR,
                     const QVariant& FYTDVZ, const QVariant& DVZ, const QVariant& BELGE_NO, const QVariant& GER_TUT,
                     const QVariant& STOK_NO, const QVariant& SIM_KOD, const QVariant& ACIKLAMA);

} // namespace nimbo
