#include "db/SchemaDef.h"

namespace nimbo {

SchemaPart stockSchema()
{
    SchemaPart p;
    p.subsystem = QStringLiteral("stock");
    return p;
}

} // namespace nimbo
