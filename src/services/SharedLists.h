#pragma once
#include "db/Db.h"

namespace nimbo {

class SessionContext;

// Fills the shared pick lists. With a user logged in it also reads the branches the
// user may enter; a user without any branch gets "Kullanıcı ayarlarından şube kodunuz
// girilmemiş !" and the function returns false: the program must end.
bool OrtakListeleriDoldur(const Db& db, SessionContext& s);

} // namespace nimbo
