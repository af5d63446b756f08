#include "db/Db.h"
#include "db/SchemaDef.h"

namespace nimbo {

namespace {

// Columns a voucher line copies from its account.
const char* const kHesapKopyaKolonlari =
    "HSINIF SMALLINT, HGRUBU SMALLINT, KEBIR SMALLINT, MUAVIN VARCHAR(8), TALI VARCHAR(8), DETAY VARCHAR(8)";

QString hsplanBody()
{
    return QStringLiteral("HKOD VARCHAR(30) NOT NULL, HESAP_ADI VARCHAR(79), SEVIYE SMALLINT, SON_SEVIYE SMALLINT, ")
           + QString::fromLatin1(kHesapKopyaKolonlari)
           + QStringLiteral(", ACIKLAMA VARCHAR(65), BAKIYETIP CHAR(1), BILANCOTIP CHAR(1), KURFHSP_KOD VARCHAR(30), "
                            "ENFARK_HSP VARCHAR(30), BAGLI_HSP VARCHAR(30), MASRAFM_KOD VARCHAR(17), BIRIM VARCHAR(5), "
                            "DEP1 SMALLINT, DEP2 SMALLINT, DEP3 SMALLINT, DEP4 SMALLINT, DEP5 SMALLINT, "
                            "PRIMARY KEY (HKOD)");
}

QString fisBody()
{
    return QStringLiteral(
        "FISNO FLOAT NOT NULL, TARIH DATETIME, AY SMALLINT, TUR CHAR(1), BORC FLOAT, ALACAK FLOAT, ENT_TIP CHAR(1), "
        "ENT_REF_NO FLOAT, YEVMIYE_NO FLOAT, FISNUMARA VARCHAR(15), BELGENO VARCHAR(10), ACIKLAMA VARCHAR(95), "
        "MASRAFM_KOD VARCHAR(17), MIKTAR FLOAT, IPTAL CHAR(1), PRIMARY KEY (FISNO)");
}

QString fisayrBody()
{
    return QStringLiteral(
               "FISNO FLOAT NOT NULL, FA_ID INTEGER NOT NULL, SIRANO INTEGER, HSPKODU VARCHAR(30), "
               "ACIKLAMA VARCHAR(95), BORC FLOAT, ALACAK FLOAT, DOVIZ_KOD VARCHAR(5), DVZ_BORC FLOAT, "
               "DVZ_ALACAK FLOAT, TL_DEGERI FLOAT, TARIH DATETIME, AY SMALLINT, TUR CHAR(1), YEVMIYE_NO FLOAT, "
               "FISNUMARA VARCHAR(15), ENT_REF_NO FLOAT, ENT_REF_TIP CHAR(1), ")
           + QString::fromLatin1(kHesapKopyaKolonlari)
           + QStringLiteral(", MASRAFM_KOD VARCHAR(17), MIKTAR FLOAT, GRUP1_KOD VARCHAR(15), PRIMARY KEY (FISNO, FA_ID)");
}

// The ledger codes an item, expense or service definition carries, and a group card writes.
QString muhKodKolonlari()
{
    QStringList c;
    for (const char* m : {"MUH_A", "MUH_S", "MUH_ISK_A", "MUH_ISK_S", "MUH_IADE_A", "MUH_IADE_S", "MUH_KDV_A",
                          "MUH_KDV_S", "MUH_KDV_IADE_S", "MUH_KDV_IADE_A", "MUH_OTV_A", "MUH_MAL_S", "MUH_MAL_A",
                          "MUH_GRSAT", "MUH_GRSATISK", "MUH_KDVTEV_A", "MUH_KDVTEV_S"})
        c << QStringLiteral("%1 VARCHAR(30)").arg(QLatin1String(m));
    return c.join(QStringLiteral(", "));
}

// A group card of ledger codes (stock items, expenses, services).
QString grupKartiBody()
{
    return QStringLiteral("ADI VARCHAR(15) NOT NULL, ACIKLAMA VARCHAR(45), KODATAMA CHAR(1), VARSAYILAN CHAR(1), "
                          "FIRMANO INTEGER, GRUPNO INTEGER, ANAGRUPNO INTEGER, ALTGRUPNO INTEGER, "
                          "DOVIZ_KODU VARCHAR(5), KDV FLOAT, OTV FLOAT, ")
           + muhKodKolonlari() + QStringLiteral(", PRIMARY KEY (ADI)");
}

void seedLineIds(const Db& db)
{
    // Line ids on PostgreSQL come from a sequence, so concurrent vouchers never wait on each other.
    if (db.dialect().isPostgres())
        db.exec(QStringLiteral("CREATE SEQUENCE IF NOT EXISTS SEQ_FISAYR"));
}

} // namespace

SchemaPart ledgerSchema()
{
    SchemaPart p;
    p.subsystem = QStringLiteral("ledger");

    p.tables << TableDef{QStringLiteral("HSPLAN"), hsplanBody()};
    // The chart list filters by level in code order.
    p.indexes << IndexDef{QStringLiteral("HSPLAN"), QStringLiteral("IX_HSPLAN_SEVIYE"), QStringLiteral("SEVIYE, HKOD")};

    p.tables << TableDef{QStringLiteral("FIS"), fisBody()};
    p.indexes << IndexDef{QStringLiteral("FIS"), QStringLiteral("IX_FIS_TARIH"), QStringLiteral("TARIH, FISNO")};
    p.indexes << IndexDef{QStringLiteral("FIS"), QStringLiteral("IX_FIS_KAYNAK"), QStringLiteral("ENT_TIP, ENT_REF_NO")};

    p.tables << TableDef{QStringLiteral("FISAYR"), fisayrBody()};
    // Trial balance, extract and monthly view read one account's amounts by date from the index alone.
    p.indexes << IndexDef{QStringLiteral("FISAYR"), QStringLiteral("IX_FISAYR_HSP"),
                          QStringLiteral("HSPKODU, TARIH, BORC, ALACAK, MIKTAR")};
    p.indexes << IndexDef{QStringLiteral("FISAYR"), QStringLiteral("IX_FISAYR_FAID"), QStringLiteral("FA_ID"), true};

    p.tables << TableDef{QStringLiteral("CARI_KIRILKOD"),
                         QStringLiteral("DVZ_KOD VARCHAR(5) NOT NULL, KIR_KOD VARCHAR(3), PRIMARY KEY (DVZ_KOD)")};

    // General receipt/payment slips: a header and rows that name a desk, an expense, an item,
    // a bank or an account (KODU) by the row's type, each posted on its own accounts.
    p.tables << TableDef{QStringLiteral("FISG"),
                         QStringLiteral("HRK_NO FLOAT NOT NULL, TARIH DATETIME, TIP VARCHAR(1), BELGE_NO VARCHAR(10), "
                                        "ACIKLAMA VARCHAR(100), BORC FLOAT, ALACAK FLOAT, FIS_NO FLOAT, PERSONEL VARCHAR(11), "
                                        "SUBEKODU SMALLINT, PRIMARY KEY (HRK_NO)")};
    p.indexes << IndexDef{QStringLiteral("FISG"), QStringLiteral("IX_FISG_TARIH"), QStringLiteral("TARIH, HRK_NO")};
    p.tables << TableDef{QStringLiteral("FISGA"),
                         QStringLiteral("HRK_NO FLOAT NOT NULL, SIRANO INTEGER NOT NULL, TIP VARCHAR(1), KODU VARCHAR(22), "
                                        "HESAP_NO VARCHAR(25), STOK_NO FLOAT, MUH_KARSI VARCHAR(30), ACIKLAMA1 VARCHAR(50), "
                                        "ACIKLAMA2 VARCHAR(50), BORC FLOAT, ALACAK FLOAT, KDV_TUT FLOAT, ISIN_TUTARI FLOAT, "
                                        "VERGI_TUTARI FLOAT, DOVIZ_KODU VARCHAR(5), TL_KURDEGER FLOAT, BORC_DVZ FLOAT, "
                                        "ALACAK_DVZ FLOAT, PRIMARY KEY (HRK_NO, SIRANO)")};

    // Expense and service cards: only what the postings read of them (their codes).
    p.tables << TableDef{QStringLiteral("MASRAF"),
                         QStringLiteral("KODU VARCHAR(22) NOT NULL, ADI VARCHAR(60), ") + muhKodKolonlari()
                             + QStringLiteral(", PRIMARY KEY (KODU)")};
    p.tables << TableDef{QStringLiteral("ARIZA"),
                         QStringLiteral("ARIZA_KODU VARCHAR(22) NOT NULL, ARIZA_ADI VARCHAR(60), ") + muhKodKolonlari()
                             + QStringLiteral(", PRIMARY KEY (ARIZA_KODU)")};
    p.tables << TableDef{QStringLiteral("MUHSTK"), grupKartiBody()};
    p.tables << TableDef{QStringLiteral("MUHMASRF"), grupKartiBody()};
    p.tables << TableDef{QStringLiteral("MUHISCI"), grupKartiBody()};

    // Cost of sales: one row per month, and the cost of each sold line.
    p.tables << TableDef{QStringLiteral("SATMALIMUH"),
                         QStringLiteral("AY SMALLINT NOT NULL, TARIH DATETIME, TUTAR FLOAT, FIS_NO FLOAT, PRIMARY KEY (AY)")};
    p.tables << TableDef{QStringLiteral("MALSAT"),
                         QStringLiteral("SATIS_NO FLOAT NOT NULL, SIRANO INTEGER NOT NULL, STOK_NO FLOAT, "
                                        "STOK_KOD_NO VARCHAR(25), MIKTAR FLOAT, MALIYET_TL FLOAT, FATARIH DATETIME, "
                                        "AY SMALLINT, PRIMARY KEY (SATIS_NO, SIRANO)")};
    p.indexes << IndexDef{QStringLiteral("MALSAT"), QStringLiteral("IX_MALSAT_AY"), QStringLiteral("AY, SATIS_NO, SIRANO")};
    // Bulk posting lists a period's unposted invoices by date.
    p.indexes << IndexDef{QStringLiteral("SATIS"), QStringLiteral("IX_SATIS_MUH"), QStringLiteral("FATARIH, FIS_NO")};
    p.indexes << IndexDef{QStringLiteral("ALIS"), QStringLiteral("IX_ALIS_MUH"), QStringLiteral("FATARIH, FIS_NO")};

    p.seeds << seedLineIds;
    return p;
}

} // namespace nimbo
