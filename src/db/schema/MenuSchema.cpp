#include "db/SchemaDef.h"

namespace nimbo {

SchemaPart menuSchema()
{
    SchemaPart p;
    p.subsystem = QStringLiteral("menu");
    return p;
}

} // namespace nimbo
