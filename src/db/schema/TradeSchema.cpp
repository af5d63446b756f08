#include "db/SchemaDef.h"

namespace nimbo {

namespace {

// Price, discount and VAT columns every priced line carries (items, labour, expenses).
QString pricedColumns()
{
    return QStringLiteral(
        "MIKTAR FLOAT, BIRIM VARCHAR(5), FIYAT FLOAT, FYT_USD FLOAT, FYT_EUR FLOAT, FYT_DOVIZ FLOAT, "
        "DOVIZ_KODU VARCHAR(5), TL_KURDEGER FLOAT, PARA_BAZ VARCHAR(1), KDV FLOAT, KDV_DAHIL VARCHAR(1), "
        "ISKONTO FLOAT, VADEFARKI FLOAT, VADEGUN SMALLINT, ODEKOS VARCHAR(5), GER_TUT FLOAT, GER_TUT_USD FLOAT, "
        "GER_TUT_EUR FLOAT, ISK_TUT FLOAT, ISK_TUT_USD FLOAT, ISK_TUT_EUR FLOAT, KAYIT_TRH DATETIME");
}

// Item lines of a trade document (sales: SATIS_NO; purchases: ALIS_NO).
QString itemLineBody(const char* docNo, const QString& extra = {})
{
    return QStringLiteral("%1 FLOAT NOT NULL, SIRANO INTEGER NOT NULL, STOK_NO FLOAT, STOK_KOD_NO VARCHAR(25), "
                          "STOK_ADI VARCHAR(60), ")
               .arg(QLatin1String(docNo))
           + pricedColumns()
           + QStringLiteral(", DEPO_KODU SMALLINT, IRS_REFNO FLOAT, IRS_SIRA INTEGER, IADE_REFNO FLOAT, "
                            "IADE_SIRA INTEGER, SIP_NO FLOAT, SIRANOS INTEGER, GRN_BIT_TRH DATETIME, "
                            "SERITAKIP VARCHAR(1), RAF_YERI VARCHAR(7), GARANTI VARCHAR(1), ISLEM_TIP VARCHAR(1), ")
           + extra
           + QStringLiteral("PRIMARY KEY (%1, SIRANO)")
                 .arg(QLatin1String(docNo));
}

// Labour and expense lines: priced like items, no stock. BELGE_TIP tells sales ('S') from
// purchases ('A'), which share the tables.
QString serviceLineBody()
{
    return QStringLiteral("BELGE_NO FLOAT NOT NULL, BELGE_TIP VARCHAR(1) NOT NULL, SIRANO INTEGER NOT NULL, "
                          "KODU VARCHAR(22), ADI VARCHAR(60), ")
           + pricedColumns() + QStringLiteral(", PRIMARY KEY (BELGE_NO, BELGE_TIP, SIRANO)");
}

} // namespace

SchemaPart tradeSchema()
{
    SchemaPart p;
    p.subsystem = QStringLiteral("trade");
    auto t = [&p](const char* name, const QString& body) { p.tables << TableDef{QString::fromLatin1(name), body}; };
    auto ix = [&p](const char* table, const char* name, const char* columns, bool unique = false) {
        p.indexes << IndexDef{QString::fromLatin1(table), QString::fromLatin1(name), QString::fromLatin1(columns),
                              unique};
    };

    t("SATISAYR", itemLineBody("SATIS_NO"));
    // Collected notes, returns and sold quantities are looked up by the line they refer to.
    ix("SATISAYR", "IX_SATISAYR_IRS", "IRS_REFNO, IRS_SIRA, MIKTAR");
    ix("SATISAYR", "IX_SATISAYR_IADE", "IADE_REFNO, IADE_SIRA, MIKTAR");
    ix("SATISAYR", "IX_SATISAYR_STOK", "STOK_NO, SATIS_NO");
    t("ISCILIKS", serviceLineBody());
    t("MASRAFS", serviceLineBody());

    // The save's number checks and the list read the header by these.
    ix("SATIS", "IX_SATIS_IRSNO", "IRS_NO");
    ix("SATIS", "IX_SATIS_FATNO", "FAT_NO, FATARIH");
    ix("SATIS", "IX_SATIS_FATREF", "FAT_REFNO");
    ix("SATIS", "IX_SATIS_TIP", "TIP, FATARIH, SATIS_NO");
    ix("SATIS", "IX_SATIS_CARI_IRS", "CARIKOD, IRS_NO, FAT_NO, NETTUT");

    t("FATIRS_S", QStringLiteral("S_NO FLOAT NOT NULL, IRS_SNO FLOAT NOT NULL, IRS_NO VARCHAR(10), IRSTARIH DATETIME, "
                                 "PRIMARY KEY (S_NO, IRS_SNO)"));
    ix("FATIRS_S", "IX_FATIRS_S_IRS", "IRS_SNO");

    // Purchases: the special consumption tax and the import file a line came from.
    t("ALISAYR", itemLineBody("ALIS_NO", QStringLiteral("OTV FLOAT, OTV_VARMI VARCHAR(1), FIS_NO INTEGER, "
                                                        "ITHAL_KODU VARCHAR(21), ITHAL_NO FLOAT, SIRANOI SMALLINT, ")));
    ix("ALISAYR", "IX_ALISAYR_IRS", "IRS_REFNO, IRS_SIRA, MIKTAR");
    ix("ALISAYR", "IX_ALISAYR_IADE", "IADE_REFNO, IADE_SIRA, MIKTAR");
    ix("ALISAYR", "IX_ALISAYR_STOK", "STOK_NO, ALIS_NO");
    t("ISCILIKA", serviceLineBody());
    t("MASRAFA", serviceLineBody());
    ix("MASRAFA", "IX_MASRAFA_KODU", "KODU");
    ix("ALIS", "IX_ALIS_IRSNO", "IRS_NO");
    ix("ALIS", "IX_ALIS_FATREF", "FAT_REFNO");
    ix("ALIS", "IX_ALIS_TIP", "TIP, FATARIH, ALIS_NO");
    ix("ALIS", "IX_ALIS_CARI_IRS", "CARIKOD, IRS_NO, FAT_NO, NET_USD");
    t("FATIRS_A", QStringLiteral("S_NO FLOAT NOT NULL, IRS_SNO FLOAT NOT NULL, IRS_NO VARCHAR(10), IRSTARIH DATETIME, "
                                 "PRIMARY KEY (S_NO, IRS_SNO)"));
    ix("FATIRS_A", "IX_FATIRS_A_IRS", "IRS_SNO");

    t("ODEMES", QStringLiteral("REFNO FLOAT NOT NULL, SIRANO INTEGER NOT NULL, TIP VARCHAR(1), ODEME_TIP VARCHAR(1), "
                               "KODU VARCHAR(22), HESAP_NO VARCHAR(25), TUTAR FLOAT, DOVIZ_KODU VARCHAR(5), "
                               "PRIMARY KEY (REFNO, SIRANO)"));

    // Discount terms and the rules that pick them.
    t("SASEKIL", QStringLiteral("KODU VARCHAR(5) NOT NULL, ADI VARCHAR(30), VADEGUN SMALLINT, VFARKYUZDE FLOAT, "
                                "ISKYUZDE FLOAT, PRIMARY KEY (KODU)"));
    t("ISKGRUP", QStringLiteral("SIRA INTEGER NOT NULL, KOSULKOD VARCHAR(5), ISKCARIGRUP VARCHAR(255), "
                                "ISKSTOKGRUP VARCHAR(255), PRIMARY KEY (SIRA)"));
    t("CARIOZISK", QStringLiteral("CARI_KOD VARCHAR(22) NOT NULL, STOK_NO FLOAT NOT NULL, OZELISKOD VARCHAR(5), "
                                  "PRIMARY KEY (CARI_KOD, STOK_NO)"));

    // Serial numbers moved by a document line.
    t("SERIHRK", QStringLiteral("SATISNO FLOAT NOT NULL, TIP VARCHAR(1) NOT NULL, SIRANO INTEGER NOT NULL, "
                                "STOK_NO FLOAT, SERINO VARCHAR(36) NOT NULL, TARIH DATETIME, ALANVEREN VARCHAR(22), "
                                "DEPO_KODU SMALLINT, PRIMARY KEY (SATISNO, TIP, SIRANO, SERINO)"));
    return p;
}

} // namespace nimbo
