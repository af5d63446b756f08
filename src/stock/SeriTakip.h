#pragma once
#include "db/Db.h"

namespace nimbo {

// The serial-number tracking rows (SERTAKIP) a document touches.
class SeriTakip {
public:
    // A purchase or incoming slip is undone: serials it brought in and never sold go, sold
    // ones lose their purchase side. Nothing happens where serials are not tracked.
    static void alisiGeriAl(const Db& db, double alimNo, const QString& cariKod);
};

} // namespace nimbo
