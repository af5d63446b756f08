#pragma once
#include "db/Db.h"

namespace nimbo {

class SessionContext;

// Fills the shared pick lists: "UNITE", "KAYNAK", "TEDARIKCI", "FIKTIFDEPO", "DEPO",
// "DOVIZ", "CARIHRKTIP" and "SUBELER", or all of them when liste is empty. With a user
// logged in "SUBELER" also reads the branches the user may enter; a user without any
// branch gets "Kullanıcı ayarlarından şube kodunuz girilmemiş !" and the function returns
// false: the program must end.
bool OrtakListeleriDoldur(const Db& db, SessionContext& s, const QString& liste = {});

} // namespace nimbo
