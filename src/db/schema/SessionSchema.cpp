#include "db/SchemaDef.h"

namespace nimbo {

QStringList kimkulRightColumns()
{
    QStringList r = {
        "SAT", "AL", "ISEMRI", "MONTAJ", "LISTRAP", "ALSIP", "VERSIP", "CHRK", "BHRK", "CEKSEN", "ISTAT", "GARAN",
        "STKHRK", "DEPSTK", "PAREKCIK", "PCKONF", "CARIBA", "PERSON", "STKART", "STKFIS", "TICDRMRAP", "KASAHRKG",
        "MUHPRG", "KULRAP", "KASARAP", "CLFAT", "TEKLIF", "CSGOR", "SIPONAYI", "DOVIZ", "BAKIM", "CRISK", "KAMPANYA",
        "MALIYETFYT", "SATIS_SIL", "SATIS_DUZEL"};
    for (int i = 1; i <= 5; ++i)
        r << QStringLiteral("DEPO%1").arg(i);
    r << QStringList{"VERSIPONAYI", "TEKLIFKAR", "SIPKAR", "ITHAL_FAT", "ITHAL_MALI", "STKFISIL", "STKFISDUZEL",
                     "STKFISDEPTR", "SATYSIPSIL", "CARIKDUZEL", "DEPHRKACARI", "SPASEVK", "SPASEVKSIL", "SPASEVKDUZEL"};
    for (int i = 6; i <= 20; ++i)
        r << QStringLiteral("DEPO%1").arg(i);
    r << QStringList{"CHODEKAPAC", "CARI_ABMFYT", "BAKLOG", "AFOY_ONAY", "AFOY", "AFOY_DUZELT", "AFOY_SIL", "ITHAL",
                     "ITHAL_DUZELT", "ITHAL_SIL", "SATIRDVZ_KUR", "SIPSATBADVZ_KUR", "STKFISDEPTRSFR", "KASAATAMA",
                     "ALSIPDVZKOD", "ALSPSATFYTAD", "STKFISARURN", "ALSIPCARIONAY", "ARAC_AL", "ARC_MODEL", "ARAC_SAT",
                     "ARC_STOK", "ARC_GUMRUK", "ARC_ITHAL", "ARC_KART", "ARC_RENK", "ARC_FOY", "ARC_FIYAT",
                     "ARC_OPSIYON", "ARC_FIS", "PERCHIZLE", "ARC_HASARONAY", "ARC_SATSIL", "ARC_SATDEG", "MODELFYT",
                     "ARCSATFYTDEG"};
    for (int i = 1; i <= 11; ++i)
        r << QStringLiteral("DIGER%1").arg(i, 2, 10, QLatin1Char('0'));
    r << QStringLiteral("DIGER21");
    return r;
}

SchemaPart sessionSchema()
{
    SchemaPart p;
    p.subsystem = QStringLiteral("session");
    QString kimkul = QStringLiteral("KULLANICI VARCHAR(15) NOT NULL, SIFRE VARCHAR(15), PERSON_KOD VARCHAR(11), "
                                    "UNITE_KODU SMALLINT, BEYAN VARCHAR(1), FATKILIT CHAR(1)");
    for (const QString& c : kimkulRightColumns())
        kimkul += QStringLiteral(", %1 CHAR(1)").arg(c);
    kimkul += QStringLiteral(", PRIMARY KEY (KULLANICI)");
    p.tables << TableDef{QStringLiteral("KIMKUL"), kimkul};
    p.tables << TableDef{QStringLiteral("SUBELER"),
                         QStringLiteral("SUBE_NO SMALLINT NOT NULL, SUBE_ADI CHAR(65), ALIASADI CHAR(255), "
                                        "MERKEZMI CHAR(1), MAL_ALACAGI_DEPO_KODU SMALLINT, SERVIS_DEPO_KODU SMALLINT, "
                                        "PRIMARY KEY (SUBE_NO)")};
    p.tables << TableDef{QStringLiteral("KIMKULSUBE"),
                         QStringLiteral("KULLANICI VARCHAR(15) NOT NULL, SUBEKODU SMALLINT NOT NULL, "
                                        "PRIMARY KEY (KULLANICI, SUBEKODU)")};
    p.tables << TableDef{QStringLiteral("CALISAN"),
                         QStringLiteral("ISCI_KOD VARCHAR(11) NOT NULL, ISCI_ADI VARCHAR(40), PRIMARY KEY (ISCI_KOD)")};
    return p;
}

} // namespace nimbo
