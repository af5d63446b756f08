#include "db/SchemaDef.h"

namespace nimbo {

SchemaPart printingSchema()
{
    SchemaPart p;
    p.subsystem = QStringLiteral("printing");
    // Page setup of one report of one window.
    p.tables << TableDef{QStringLiteral("MSAYFA"),
                         QStringLiteral("PASADI VARCHAR(25) NOT NULL, QUIKAD VARCHAR(35) NOT NULL, "
                                        "FONTSIZE SMALLINT, FONTADI VARCHAR(45), FONTRENK VARCHAR(25), "
                                        "SAYFAGEN SMALLINT, SAYFAYUK SMALLINT, SAYFAISIM VARCHAR(50), "
                                        "PRBICIMI CHAR(1), SEC1 SMALLINT, SEC2 SMALLINT, SEC3 SMALLINT, "
                                        "SEC4 SMALLINT, SEC5 SMALLINT, TARIHBAS DATETIME, TARIHSON DATETIME, "
                                        "KODBAS VARCHAR(33), KODSON VARCHAR(33), "
                                        "SAG SMALLINT, SOL SMALLINT, UST SMALLINT, ALT SMALLINT, "
                                        "PRIMARY KEY (PASADI, QUIKAD)")};
    // Stored report layouts of list windows; TEMPLATE holds the layout as JSON bytes.
    p.tables << TableDef{QStringLiteral("RBSAYFA"),
                         QStringLiteral("PASADI VARCHAR(21) NOT NULL, RBUILD_ADI VARCHAR(65) NOT NULL, "
                                        "TEMPLATE BLOB, PRIMARY KEY (PASADI, RBUILD_ADI)")};
    return p;
}

} // namespace nimbo
