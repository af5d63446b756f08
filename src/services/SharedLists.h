#pragma once
#include "db/Db.h"
#include "services/SessionContext.h"

namespace nimbo {


// Fills the shared pick lists: "UNITE", "KAYNAK", "TEDARIKCI", "FIKTIFDEPO", "DEPO",
// "DOVIZ", "CARIHRKTIP" and "SUBELER", or all of them when liste is empty. With a user
// logged in "SUBELER" also reads the branches the user may enter; a user without any
// branch gets "Kullanıcı ayarlarından şube kodunuz girilmemiş !" and the function returns
// false: the program must end.
bool OrtakListeleriDoldur(const Db& db, SessionContext& s, const QString& liste = {});

// One of those lists (or "CALISAN", the staff by name) read afresh, name and code, for a
// window that must show what was added since the start. An unknown name is a
// programming error (std::invalid_argument).
QList<PickItem> OrtakListe(const Db& db, const QString& liste);

} // namespace nimbo
