#include "db/SchemaDef.h"

namespace nimbo {

SchemaPart financeSchema()
{
    SchemaPart p;
    p.subsystem = QStringLiteral("finance");

    // Cash rows written by the documents that move cash.
    p.tables << TableDef{QStringLiteral("KASAHRKT"),
                         QStringLiteral(
                             "TARIH DATETIME, REF_TIP VARCHAR(1), HRKNO FLOAT, SIRANO FLOAT, HRK_TURU VARCHAR(1), "
                             "REFAYRTIP VARCHAR(1), BELGE_NO VARCHAR(15), KASAKOD VARCHAR(11), KARSIKOD VARCHAR(22), "
                             "ACIKLAMA1 VARCHAR(75), TIP VARCHAR(1), TUTAR FLOAT, TUTAR_USD FLOAT, TUTAR_EUR FLOAT, "
                             "TUTAR_DVZ FLOAT, TL_KURDEGER FLOAT, TL_USDEGER FLOAT, TL_EUREGER FLOAT, "
                             "KARSI_KURDEGER FLOAT, KARSI_DOVIZKOD VARCHAR(5), PARA_BAZ VARCHAR(1), "
                             "DOVIZ_KOD VARCHAR(5), ACIKLAMA VARCHAR(75), AY SMALLINT, YIL SMALLINT, FIS_NO FLOAT, "
                             "PERSONEL VARCHAR(11), SUBEKODU SMALLINT")};
    // Writers delete and rewrite their rows by number and writer type.
    p.indexes << IndexDef{QStringLiteral("KASAHRKT"), QStringLiteral("IX_KASAHRKT_HRK"),
                          QStringLiteral("HRKNO, REF_TIP")};
    p.indexes << IndexDef{QStringLiteral("KASAHRKT"), QStringLiteral("IX_KASAHRKT_KASA"),
                          QStringLiteral("KASAKOD, TARIH")};
    p.tables << TableDef{QStringLiteral("KIMKULKASA"),
                         QStringLiteral("KULLANICI VARCHAR(15) NOT NULL, KASAKOD VARCHAR(11) NOT NULL, "
                                        "PRIMARY KEY (KULLANICI, KASAKOD)")};
    return p;
}

} // namespace nimbo
