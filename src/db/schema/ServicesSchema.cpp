#include "db/SchemaDef.h"

namespace nimbo {

SchemaPart servicesSchema()
{
    SchemaPart p;
    p.subsystem = QStringLiteral("services");
    return p;
}

} // namespace nimbo
