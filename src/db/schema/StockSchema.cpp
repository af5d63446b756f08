#include "db/SchemaDef.h"

namespace nimbo {

namespace {

QString stokBody()
{
    QStringList c = {
        "STOK_NO FLOAT NOT NULL", "STOK_ADI_TR VARCHAR(60)", "STOK_ADI_ING VARCHAR(60)", "BARKOD VARCHAR(36)",
        "BARK_TIP VARCHAR(1)", "STOK_KOD_NO VARCHAR(25)", "ACILIS_TRH DATETIME", "GRUPNO INTEGER",
        "ANAGRUPNO INTEGER", "ALTGRUPNO INTEGER", "FYT_TRH DATETIME"};
    // Price kinds, each in local currency, USD, the item's own currency and EUR.
    for (const char* p : {"ALIS_FYT", "SAT_SKFYT", "SAT_ABFYT", "SAT_BFYT", "MALIYET_FYT"})
        for (const char* s : {"TL", "USD", "DOVIZ", "EUR"})
            c << QStringLiteral("%1_%2 FLOAT").arg(QLatin1String(p), QLatin1String(s));
    c << QStringList{"MINSATFYT_TL FLOAT", "MINSATFYT_USD FLOAT", "MINSATFYT_DVZ FLOAT", "MINSATFYT_EUR FLOAT",
                     "ALIS_SON_TL FLOAT", "ALIS_SON_USD FLOAT", "ALIS_SON_EUR FLOAT", "ALIS_SON_DOVIZ FLOAT",
                     "TAK_SKFYT FLOAT", "TAK_ABFYT FLOAT", "TAK_BFYT FLOAT",
                     "DOVIZ_KODU VARCHAR(5)", "PARA_BAZ VARCHAR(1)", "KDV_DAHIL VARCHAR(1)", "KDV FLOAT",
                     "OTV FLOAT", "OTV_VARMI VARCHAR(1)", "KAR_TIP VARCHAR(1)", "KAR_ORAN FLOAT",
                     "KAR_ORAN_AB FLOAT", "KAR_ORAN_B FLOAT", "SIPARIS_SURESI FLOAT", "GARANTI_SURE SMALLINT",
                     "TEMSILCI VARCHAR(15)", "FIRMANO INTEGER"};
    for (int i = 1; i <= 5; ++i)
        c << QStringLiteral("YER%1 VARCHAR(7)").arg(i);
    c << QStringList{"URET_STK_KOD VARCHAR(30)", "ACIKLAMA1 VARCHAR(255)", "ACIKLAMA2 VARCHAR(65)",
                     "ACIKLAMA3 VARCHAR(65)", "ACIKLAMA4 VARCHAR(65)", "PASIF VARCHAR(1)", "AKTARILDI VARCHAR(1)",
                     "WEBDENMI VARCHAR(1)", "SERITAKIP VARCHAR(1)", "FYTLISTECIK VARCHAR(1)", "MODEL VARCHAR(30)",
                     "CINS VARCHAR(30)", "IZIN_TRH DATETIME", "IZIN_BELNO VARCHAR(15)", "TAMIR_SURE SMALLINT",
                     "GARANTI_KART VARCHAR(1)", "ESKI_STOK_KOD VARCHAR(15)", "ENESKI_STOK_KOD VARCHAR(15)",
                     "YENI_KOD VARCHAR(25)", "YENI_KOD_SON VARCHAR(25)", "BIRIM1 VARCHAR(5)", "BIRIM2 VARCHAR(5)",
                     "BIRIM3 VARCHAR(5)", "B_KATSAYI2 FLOAT", "B_KATSAYI3 FLOAT", "AL_BIRIM VARCHAR(5)",
                     "SAT_BIRIM VARCHAR(5)", "UNITE_KODU SMALLINT", "ISKGRUP VARCHAR(25)", "PAY VARCHAR(1)",
                     "ORJ VARCHAR(1)", "QTY FLOAT", "KAYNAK VARCHAR(15)", "INSOTOM SMALLINT", "RENK VARCHAR(15)",
                     "KULLANIMTIP INTEGER", "OZELLIKDETAY INTEGER", "RANK VARCHAR(1)", "ORG_KOD SMALLINT",
                     "KRITIK_SEV FLOAT", "SIPARIS_SEV FLOAT", "MAX_SEV FLOAT", "DVZKUR FLOAT", "ETIKET INTEGER",
                     "WEBYUZDE VARCHAR(1)", "WEBMIK INTEGER", "WEBSTATU VARCHAR(1)", "TEDARIKCI SMALLINT",
                     "MARKA VARCHAR(15)", "MODEL_YILI SMALLINT", "MODEL_YILI1 SMALLINT", "BEDENKOD VARCHAR(5)",
                     "RENKKOD VARCHAR(5)", "RENKBIZLE VARCHAR(1)", "YPONSIP BOOLEAN", "RAF_YERI VARCHAR(10)",
                     "MODEL_NO VARCHAR(15)", "SUBEKODU SMALLINT", "GRUP_NO INTEGER", "ONAYLANDI VARCHAR(1)",
                     "ONAY_ACIKLAMA VARCHAR(255)", "PRIMARY KEY (STOK_NO)"};
    return c.join(QStringLiteral(", "));
}

QString stokMuhBody()
{
    QStringList c = {"STOK_NO FLOAT NOT NULL"};
    for (const char* m : {"MUH_A", "MUH_S", "MUH_IADE_A", "MUH_IADE_S", "MUH_ISK_A", "MUH_ISK_S", "MUH_KDV_A",
                          "MUH_KDV_S", "MUH_KDVTEV_A", "MUH_KDVTEV_S", "MUH_URET_GID", "MUH_URET_GEL",
                          "MUH_YANSIT_GID", "MUH_YANSIT_GEL", "MUH_FIRE", "MUH_SARF", "MUH_OTV_A", "MUH_OTV_S",
                          "MUH_KDV_IADE_S", "MUH_KDV_IADE_A", "MUH_MAL_S", "MUH_MAL_A", "MUH_GRSAT", "MUH_GRSATISK"})
        c << QStringLiteral("%1 VARCHAR(30)").arg(QLatin1String(m));
    c << QStringLiteral("PRIMARY KEY (STOK_NO)");
    return c.join(QStringLiteral(", "));
}

// Document lines that name an item; only their item reference matters to the stock card.
QString simpleLineBody(const char* docNo)
{
    return QStringLiteral("%1 FLOAT NOT NULL, SIRANO INTEGER NOT NULL, STOK_NO FLOAT, STOK_KOD_NO VARCHAR(25), "
                          "STOK_ADI VARCHAR(60), MIKTAR FLOAT, BIRIM VARCHAR(5), FIYAT FLOAT, "
                          "PRIMARY KEY (%1, SIRANO)")
        .arg(QLatin1String(docNo));
}

QString fistkBody()
{
    return QStringLiteral(
        "HRKNO FLOAT NOT NULL, TIP VARCHAR(1), TARIH DATETIME, BRUTTUT FLOAT, KDVTUT FLOAT, NETTUT FLOAT, "
        "BRUT_USD FLOAT, KDV_USD FLOAT, NET_USD FLOAT, BRUT_EUR FLOAT, KDV_EUR FLOAT, NET_EUR FLOAT, "
        "USDFYT FLOAT, EURFYT FLOAT, GUM_KURU FLOAT, OZELKOD VARCHAR(5), ACIKLAMA1 VARCHAR(65), "
        "ACIKLAMA2 VARCHAR(65), ACIKLAMA3 VARCHAR(65), KULLANICI VARCHAR(15), CIKDEPO SMALLINT, "
        "GIRDEPO SMALLINT, HRKDURUM VARCHAR(1), PERSON_KOD VARCHAR(11), FIS_NO FLOAT, CARIKOD VARCHAR(22), "
        "PRIMARY KEY (HRKNO)");
}

QString fistkayrBody()
{
    return QStringLiteral(
        "HRKNO FLOAT NOT NULL, SIRANO INTEGER NOT NULL, STOK_NO FLOAT, STOK_KOD_NO VARCHAR(25), "
        "STOK_ADI VARCHAR(60), MIKTAR FLOAT, BIRIM VARCHAR(5), FIYAT FLOAT, FYT_USD FLOAT, FYT_EUR FLOAT, "
        "FYT_DOVIZ FLOAT, DOVIZ_KODU VARCHAR(5), TL_KURDEGER FLOAT, KDV FLOAT, KDV_DAHIL VARCHAR(1), "
        "PARA_BAZ VARCHAR(1), DEPO_KODU SMALLINT, GER_TUT FLOAT, GER_TUT_USD FLOAT, GER_TUT_EUR FLOAT, "
        "FIS_NO INTEGER, SIP_NO FLOAT, SIRANOS SMALLINT, PRIMARY KEY (HRKNO, SIRANO)");
}

// Per item the total on hand and one column per warehouse: each movement's quantity times
// its warehouse's selector columns (a warehouse has 1 in the column of its own number).
QString depomikSelect(const Db&)
{
    QStringList cols = {QStringLiteral("H.STOK_NO"), QStringLiteral("SUM(H.GIRMIK-H.CIKMIK) AS MIK")};
    for (int i = 1; i <= 20; ++i)
        cols << QStringLiteral("SUM((H.GIRMIK-H.CIKMIK)*COALESCE(D.DEP%1,0)) AS DEP%1").arg(i);
    return QStringLiteral("SELECT %1 FROM STOKHRK H LEFT OUTER JOIN DEPO D ON (D.DEPO_KODU = H.DEPO_KODU) "
                          "GROUP BY H.STOK_NO")
        .arg(cols.join(QStringLiteral(", ")));
}

} // namespace

SchemaPart stockSchema()
{
    SchemaPart p;
    p.subsystem = QStringLiteral("stock");
    auto t = [&p](const char* name, const QString& body) { p.tables << TableDef{QLatin1String(name), body}; };
    auto ix = [&p](const char* table, const char* name, const char* cols, bool unique = false) {
        p.indexes << IndexDef{QLatin1String(table), QLatin1String(name), QLatin1String(cols), unique};
    };

    t("STOK", stokBody());
    ix("STOK", "IX_STOK_KOD", "STOK_KOD_NO");
    ix("STOK", "IX_STOK_ADI", "STOK_ADI_TR");
    ix("STOK", "IX_STOK_BARKOD", "BARKOD");

    t("STOKBARK", QStringLiteral("STOK_KOD_NO VARCHAR(25) NOT NULL, BARKOD VARCHAR(36) NOT NULL, BARK_TIP VARCHAR(1), "
                                 "BIRIM VARCHAR(5), FIYAT FLOAT, PRIMARY KEY (STOK_KOD_NO, BARKOD)"));
    ix("STOKBARK", "IX_STOKBARK_BARKOD", "BARKOD");
    t("STOKMUH", stokMuhBody());
    t("MUADIL", QStringLiteral("STOK_NO FLOAT NOT NULL, MUSTOK_NO FLOAT NOT NULL, PRIMARY KEY (STOK_NO, MUSTOK_NO)"));
    t("STOKRESIM", QStringLiteral("STOK_NO FLOAT NOT NULL, SIRA INTEGER NOT NULL, DOSYA_ADI VARCHAR(255), "
                                  "RESIM BLOB, PRIMARY KEY (STOK_NO, SIRA)"));
    // The item's places in the warehouses (one row per warehouse) and the parts it is made of.
    t("STOKDEPOYER", QStringLiteral("STOK_NO FLOAT NOT NULL, DEPO_KODU SMALLINT NOT NULL, RAF_YERI VARCHAR(10), "
                                    "PRIMARY KEY (STOK_NO, DEPO_KODU)"));
    t("STOKPARCA", QStringLiteral("STOK_NO FLOAT NOT NULL, SIRANO INTEGER NOT NULL, PARCA_STOK_NO FLOAT NOT NULL, "
                                  "MIKTAR FLOAT, PRIMARY KEY (STOK_NO, SIRANO)"));
    ix("STOKPARCA", "IX_STOKPARCA_PARCA", "PARCA_STOK_NO");
    t("TEDARIKFIYAT", QStringLiteral("TED_KOD SMALLINT NOT NULL, STOK_KOD_NO VARCHAR(25) NOT NULL, ALIS_FYT FLOAT, "
                                     "DOVIZ_KOD VARCHAR(5), PRIMARY KEY (TED_KOD, STOK_KOD_NO)"));
    ix("TEDARIKFIYAT", "IX_TEDARIKFIYAT_STOK", "STOK_KOD_NO");

    // Master data.
    t("ANAGRUP", QStringLiteral("GRUP_KODU INTEGER NOT NULL, GRUP_ADI VARCHAR(36), FYTLISTECIK VARCHAR(1), "
                                "GRUP_AD_WEB VARCHAR(36), AKTARILDI VARCHAR(1), PRIMARY KEY (GRUP_KODU)"));
    t("GRUP", QStringLiteral("GRUP_KODU INTEGER NOT NULL, GRUP_ADI VARCHAR(36), ANA_GRUP_KODU INTEGER, "
                             "GRUP_AD_WEB VARCHAR(36), FYTLISTECIK VARCHAR(1), PRIMARY KEY (GRUP_KODU)"));
    t("ALTGRUP", QStringLiteral("GRUP_KODU INTEGER NOT NULL, GRUP_ADI VARCHAR(36), ANA_GRUP_KODU INTEGER, "
                                "ALT_GRUP_KODU INTEGER, FYTLISTECIK VARCHAR(1), GRUP_AD_WEB VARCHAR(36), "
                                "PRIMARY KEY (GRUP_KODU)"));
    t("FIRMA", QStringLiteral("FIRMANO INTEGER NOT NULL, FIRMA_ADI VARCHAR(36), PRIMARY KEY (FIRMANO)"));
    t("STKMODEL", QStringLiteral("MODEL_KOD VARCHAR(30) NOT NULL, MODEL_ADI VARCHAR(36), MARKA_NO INTEGER, "
                                 "PRIMARY KEY (MODEL_KOD)"));
    t("RENKLER", QStringLiteral("RENK_KOD VARCHAR(15) NOT NULL, RENK_ADI VARCHAR(36), PRIMARY KEY (RENK_KOD)"));
    t("BIRIM", QStringLiteral("BIRIM_ADI VARCHAR(5) NOT NULL, PRIMARY KEY (BIRIM_ADI)"));
    t("KDVLER", QStringLiteral("SIRA SMALLINT NOT NULL, KDV FLOAT, ACIKLAMA VARCHAR(25), PRIMARY KEY (SIRA)"));
    // Vehicle types ("Araç Tipleri"); vehicles refer to them by ARC_MODEL_KODU.
    t("MODEL", QStringLiteral("MODEL_KODU VARCHAR(15) NOT NULL, MODEL_ADI VARCHAR(36), MUH_A VARCHAR(30), "
                              "PRIMARY KEY (MODEL_KODU)"));
    t("ARAC", QStringLiteral("ARAC_NO FLOAT NOT NULL, ARC_MODEL_KODU VARCHAR(15), SASI_NO VARCHAR(30), "
                             "PLAKA VARCHAR(15), PRIMARY KEY (ARAC_NO)"));
    ix("ARAC", "IX_ARAC_MODEL", "ARC_MODEL_KODU");

    // Lines of other documents that name an item (read by the item delete check).
    t("TEKLFAYR", simpleLineBody("TEKLIF_NO"));
    ix("TEKLFAYR", "IX_TEKLFAYR_STOK", "STOK_NO");
    t("KAMPAYR", simpleLineBody("KAMP_NO"));
    ix("KAMPAYR", "IX_KAMPAYR_STOK", "STOK_NO");
    t("OEMPCAYR", simpleLineBody("OEMPC_NO"));
    ix("OEMPCAYR", "IX_OEMPCAYR_STOK", "STOK_NO");
    t("SIPALAYR", QStringLiteral("SIP_NO FLOAT NOT NULL, SIRANO INTEGER NOT NULL, STOK_NO FLOAT, "
                                 "STOK_KOD_NO VARCHAR(25), STOK_ADI VARCHAR(60), BARKOD VARCHAR(36), MIKTAR FLOAT, "
                                 "GIDEN_MIK FLOAT, SON_GIDEN FLOAT, REZERV_MIK FLOAT, TESLIM_TRH DATETIME, "
                                 "GARANTI SMALLINT, PRIMARY KEY (SIP_NO, SIRANO)"));
    ix("SIPALAYR", "IX_SIPALAYR_STOK", "STOK_NO, REZERV_MIK");
    t("SIPVRAYR", QStringLiteral("SIP_NO FLOAT NOT NULL, SIRANO INTEGER NOT NULL, STOK_NO FLOAT, "
                                 "STOK_KOD_NO VARCHAR(25), STOK_ADI VARCHAR(60), MIKTAR FLOAT, BIRIM VARCHAR(5), "
                                 "DEPO_KODU SMALLINT, TESLIM_TRH DATETIME, GELEN_MIK FLOAT, BACK_ORDER FLOAT, "
                                 "SON_GELEN FLOAT, FIYAT FLOAT, FYT_USD FLOAT, FYT_EUR FLOAT, FYT_DOVIZ FLOAT, "
                                 "DOVIZ_KODU VARCHAR(5), PARA_BAZ VARCHAR(1), TL_KURDEGER FLOAT, KDV FLOAT, "
                                 "KDV_DAHIL VARCHAR(1), ISKONTO FLOAT, VADEGUN SMALLINT, PRIMARY KEY (SIP_NO, SIRANO)"));
    ix("SIPVRAYR", "IX_SIPVRAYR_STOK", "STOK_NO, BACK_ORDER");

    // Stock movements. A transfer line writes two rows that differ in warehouse, so the
    // document key carries the warehouse too.
    t("STOKHRK", QStringLiteral("SATISNO FLOAT NOT NULL, TIP VARCHAR(1) NOT NULL, SIRANO INTEGER NOT NULL, "
                                "STOK_NO FLOAT, GIRMIK FLOAT, CIKMIK FLOAT, FIYAT FLOAT, FYT_USD FLOAT, "
                                "FYT_EUR FLOAT, KDV FLOAT, TARIH DATETIME, AY SMALLINT, YIL SMALLINT, "
                                "CARIKOD VARCHAR(22), DEPO_KODU SMALLINT, BELGETIP VARCHAR(1), "
                                "ITHAL_KODU VARCHAR(21), FIS_NO INTEGER"));
    ix("STOKHRK", "UX_STOKHRK_BELGE", "SATISNO, TIP, SIRANO, DEPO_KODU", true);
    // On-hand quantities read only the index.
    ix("STOKHRK", "IX_STOKHRK_STOKDEPO", "STOK_NO, DEPO_KODU, GIRMIK, CIKMIK");
    ix("STOKHRK", "IX_STOKHRK_TARIH", "TARIH");
    // An item's movements between two dates (warehouse movement history).
    ix("STOKHRK", "IX_STOKHRK_STOKTARIH", "STOK_NO, TARIH");
    // Warehouse stock list: per warehouse and item, quantities and values from the index alone.
    ix("STOKHRK", "IX_STOKHRK_DEPOSTOK", "DEPO_KODU, STOK_NO, GIRMIK, CIKMIK, FIYAT");

    // Stock slips.
    t("FISTK", fistkBody());
    ix("FISTK", "IX_FISTK_TARIH", "TARIH");
    t("FISTKAYR", fistkayrBody());
    ix("FISTKAYR", "IX_FISTKAYR_STOK", "STOK_NO");
    t("MALIFYT", QStringLiteral("ALIS_NO FLOAT, STOK_NO FLOAT, FATTARIH DATETIME, MIKTAR FLOAT, "
                                "BELGETIP VARCHAR(1), AY SMALLINT, YIL SMALLINT, SIRANO INTEGER, "
                                "DOVIZ_KODU VARCHAR(5), MALIYET_TL FLOAT, MALIYET_USD FLOAT, MALIYET_DVZ FLOAT, "
                                "MALIYET_EUR FLOAT, TIP VARCHAR(1)"));
    // The weighted average and the last purchase price of an item read only the index, the
    // latter only its latest day's entries.
    ix("MALIFYT", "IX_MALIFYT_STOKTARIH", "STOK_NO, FATTARIH, BELGETIP, MIKTAR, MALIYET_TL, MALIYET_USD, MALIYET_EUR");
    ix("MALIFYT", "IX_MALIFYT_BELGE", "ALIS_NO, TIP");

    p.views << ViewDef{QStringLiteral("DEPOMIK"), depomikSelect};
    return p;
}

} // namespace nimbo
