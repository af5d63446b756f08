#include "db/SchemaDef.h"

namespace nimbo {

SchemaPart financeSchema()
{
    SchemaPart p;
    p.subsystem = QStringLiteral("finance");
    return p;
}

} // namespace nimbo
