#include "db/SchemaDef.h"

namespace nimbo {

SchemaPart menuSchema()
{
    SchemaPart p;
    p.subsystem = QStringLiteral("menu");
    // The caption (TANIM) is also the key the main form dispatches an entry by.
    p.tables << TableDef{QStringLiteral("MENULIST"),
                         QStringLiteral("ID SMALLINT NOT NULL, PARENT SMALLINT, TANIM CHAR(50), IMAGEID SMALLINT, "
                                        "ORD INTEGER, PRIMARY KEY (ID)")};
    // The entry list of a group: children of one parent in display order.
    p.indexes << IndexDef{QStringLiteral("MENULIST"), QStringLiteral("IX_MENULIST_PARENT"),
                          QStringLiteral("PARENT, ORD")};
    // A user sees an entry only through a row here; USRMN 1 puts it in his favourites.
    p.tables << TableDef{QStringLiteral("KIMKULMENU"),
                         QStringLiteral("KULLANICI VARCHAR(15) NOT NULL, ID SMALLINT NOT NULL, USRMN SMALLINT, "
                                        "PRIMARY KEY (KULLANICI, ID)")};
    // Toolbar shortcut slots 1 to 10, shared by every user of the firm-year.
    p.tables << TableDef{QStringLiteral("KISAYOL"),
                         QStringLiteral("ID INTEGER NOT NULL, ADI VARCHAR(100), PRIMARY KEY (ID)")};
    p.tables << TableDef{QStringLiteral("PROSES"),
                         QStringLiteral("TARIH DATETIME, KULLANICI VARCHAR(15), TIP VARCHAR(1), ACIKLAMA VARCHAR(95)")};
    p.indexes << IndexDef{QStringLiteral("PROSES"), QStringLiteral("IX_PROSES_TARIH"), QStringLiteral("TARIH")};
    // The installation record; the mail columns are the SMTP settings statements are sent with.
    p.tables << TableDef{QStringLiteral("EKIM"),
                         QStringLiteral("FIRMA_ADI VARCHAR(255), ACE VARCHAR(50), PRGYOLU VARCHAR(255), "
                                        "POSTASUNUCUSU VARCHAR(85), NETPORT INTEGER, HESAPADI VARCHAR(65), "
                                        "HSPAROLA VARCHAR(45), EMAIL VARCHAR(85)")};
    return p;
}

} // namespace nimbo
