#include "db/SchemaDef.h"

namespace nimbo {

SchemaPart printingSchema()
{
    SchemaPart p;
    p.subsystem = QStringLiteral("printing");
    return p;
}

} // namespace nimbo
