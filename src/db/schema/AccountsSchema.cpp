#include "db/SchemaDef.h"

namespace nimbo {

SchemaPart accountsSchema()
{
    SchemaPart p;
    p.subsystem = QStringLiteral("accounts");
    return p;
}

} // namespace nimbo
