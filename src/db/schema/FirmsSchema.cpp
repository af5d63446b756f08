#include "db/SchemaDef.h"

namespace nimbo {

SchemaPart firmsSchema()
{
    SchemaPart p;
    p.subsystem = QStringLiteral("firms");
    // SERVERADI is wider than on SQL Server: an embedded database's server is a folder path.
    p.tables << TableDef{QStringLiteral("FIRMALAR"),
                         QStringLiteral("FIRMA_ADI VARCHAR(18) NOT NULL, YILI VARCHAR(4) NOT NULL, "
                                        "ALIASADI VARCHAR(22) NOT NULL, SERVERADI VARCHAR(255), DBTIPI CHAR(1), "
                                        "DBADI VARCHAR(25), KULLANADI CHAR(25), SIFREDB CHAR(25), SUBENO SMALLINT, "
                                        "SIRA AUTOINC")};
    p.indexes << IndexDef{QStringLiteral("FIRMALAR"), QStringLiteral("UX_FIRMALAR_ALIAS"), QStringLiteral("ALIASADI"), true};
    return p;
}

} // namespace nimbo
