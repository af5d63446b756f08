#include "db/Db.h"
#include "db/SchemaDef.h"

namespace nimbo {

namespace {

QString cariBody()
{
    return QStringLiteral(
        "CARI_KOD VARCHAR(22) NOT NULL, FIRMA_ADI VARCHAR(65), "
        "YETKILI_ADI VARCHAR(25), YETKILI_SOYAD VARCHAR(25), "
        "SRV_MD_ADI VARCHAR(25), SRV_MD_SOYADI VARCHAR(25), BLG_MD_ADI VARCHAR(25), BLG_MD_SOYADI VARCHAR(25), "
        "ADRES_1 VARCHAR(95), ADRES_2 VARCHAR(95), SEMT VARCHAR(25), ILI VARCHAR(25), ULKE VARCHAR(25), "
        "ILCE VARCHAR(25), POSTAKODU VARCHAR(15), TEL1 VARCHAR(17), TEL2 VARCHAR(17), TEL3 VARCHAR(17), "
        "FAKS VARCHAR(17), EMAIL VARCHAR(30), URL VARCHAR(30), VD VARCHAR(25), VN VARCHAR(17), "
        "TCKIMLIKNO VARCHAR(11), MESLEK_KOD VARCHAR(10), ANA_GRUP INTEGER, CARI_GRP_KOD VARCHAR(5), "
        "ALT_GRUP VARCHAR(10), OZEL_GRUP VARCHAR(5), ISKGRUP VARCHAR(25), FAT_ISK FLOAT, MAKSVADEGUN SMALLINT, "
        "DOVIZ_KODU VARCHAR(5), RISK_LIMITI FLOAT, RISKRITER VARCHAR(1), RISBAKTIP VARCHAR(1), "
        "RISK_SIP VARCHAR(1), RISK_IRS VARCHAR(1), RISK_DIG VARCHAR(1), SERMAYE FLOAT, TEMINAT_1 FLOAT, "
        "TEMINAT_2 FLOAT, BANKA_1 VARCHAR(15), BANKA_2 VARCHAR(15), TEM_BANK_1 VARCHAR(15), TEM_BANK_2 VARCHAR(15), "
        "MUH_KOD VARCHAR(30), MUH_KOD2 VARCHAR(30), ARC_MUH_SATIS VARCHAR(30), ARC_MUH_ALIS VARCHAR(30), "
        "ISCI_KOD VARCHAR(11), BAYI_KOD VARCHAR(11), TEDARIKCI SMALLINT, ACILISTRH DATETIME, PASIF VARCHAR(1), "
        "AVUKATVER VARCHAR(1), AKTARILDI VARCHAR(1), WEBDENMI VARCHAR(1), ABMFYTUYG VARCHAR(1), "
        "KIRILIMLI VARCHAR(1), ACIKLAMA MEMO, PRIMARY KEY (CARI_KOD)");
}

QString cariFaturaBody()
{
    return QStringLiteral(
        "ROW_ID AUTOINC, CARIKOD VARCHAR(22) NOT NULL, ADRES_TANIM VARCHAR(22), FIRMA_ADI VARCHAR(65), "
        "YETKILI_ADI VARCHAR(25), YETKILI_SOYAD VARCHAR(25), SEVKADR1 VARCHAR(50), SEVKADR2 VARCHAR(50), "
        "SEMT VARCHAR(30), POSTAKODU VARCHAR(6), ILI VARCHAR(30), TEL1 VARCHAR(17), VD VARCHAR(25), VN VARCHAR(17), "
        "TCKIMLIKNO VARCHAR(11), CINSIYET VARCHAR(1), KULLANILDI VARCHAR(1), AKTIF VARCHAR(1)");
}

QString kasaBody()
{
    return QStringLiteral("KASAKOD VARCHAR(11) NOT NULL, ADI VARCHAR(36), DOVIZ_KOD VARCHAR(5), "
                          "ACIKLAMA1 VARCHAR(75), ACIKLAMA2 VARCHAR(75), ACIKLAMA3 VARCHAR(75), MUH_KOD VARCHAR(30), "
                          "PRIMARY KEY (KASAKOD)");
}

QString bankaBody()
{
    return QStringLiteral("BANKA_KOD VARCHAR(22) NOT NULL, BANKA_ADI VARCHAR(60), BANKA_SUBE VARCHAR(25), "
                          "SUBE_KODU VARCHAR(10), ILGILI1 VARCHAR(21), ILGILI2 VARCHAR(21), TEL VARCHAR(17), "
                          "ADRES VARCHAR(75), PRIMARY KEY (BANKA_KOD)");
}

QString taksitsBody()
{
    return QStringLiteral(
        "SATIS_NO FLOAT NOT NULL, SIRANO SMALLINT NOT NULL, SAT_TIP VARCHAR(1), CARI_KOD VARCHAR(22), "
        "CARI_NO FLOAT, ODE_TRH DATETIME, ODE_TIP VARCHAR(1), ODEME_TUT FLOAT, ODEME_SEKLI VARCHAR(1), "
        "TAH_SEKLI VARCHAR(1), TAH_TRH DATETIME, TAH_TUTAR FLOAT, TAH_KALAN FLOAT, TAH_REF FLOAT, "
        "TAH_EDILDI VARCHAR(1), TAKSIT_ODENDI VARCHAR(1), CEZA_ORAN SMALLINT, CEZA_TUTAR FLOAT, "
        "BANKA_KOD VARCHAR(22), HESAP_NO VARCHAR(25), DOVIZ_KOD VARCHAR(5), TAKSIT_ACIKLAMA VARCHAR(50), "
        "CDATE DATETIME, PRIMARY KEY (SATIS_NO, SIRANO)");
}

QString carihrkmBody()
{
    return QStringLiteral(
        "CARI_NO FLOAT NOT NULL, TARIH DATETIME, TIP VARCHAR(1), BORC FLOAT, ALACAK FLOAT, BORC_USD FLOAT, "
        "ALACAK_USD FLOAT, BORC_EUR FLOAT, ALACAK_EUR FLOAT, KDV FLOAT, DOVIZ_KODU VARCHAR(5), FIS_NO FLOAT, "
        "SATIS_NO FLOAT, FAT_NO VARCHAR(11), FATARIH DATETIME, VADETRH DATETIME, NETTUT FLOAT, NET_USD FLOAT, "
        "NET_EUR FLOAT, KDVTUT FLOAT, INDIRIM FLOAT, YUZDE FLOAT, OBAKIYE FLOAT, OBAKIYE_USD FLOAT, "
        "OBAKIYE_EUR FLOAT, SBAKIYE FLOAT, SBAKIYE_USD FLOAT, SBAKIYE_EUR FLOAT, ACIKLAMA VARCHAR(65), "
        "YAZILE VARCHAR(255), PRIMARY KEY (CARI_NO)");
}

// Open items and matches; the USD and EUR tables carry their own amount columns.
QString codekapBody(const QString& suffix)
{
    return QStringLiteral(
               "CARI_KOD VARCHAR(22), CARI_NO FLOAT, SIRANO INTEGER, CRHRK_TUR VARCHAR(1), REFNO FLOAT, "
               "CARHRKFATNO VARCHAR(10), VADE_TRH DATETIME, BORC%1 FLOAT, ALACAK%1 FLOAT, KALAN%1 FLOAT, "
               "ANATUTAR%1 FLOAT, KCARI_NO FLOAT, KSIRANO INTEGER, KCRHRK_TUR VARCHAR(1), KREFNO FLOAT, "
               "KTARIH DATETIME")
        .arg(suffix);
}

void seedMonths(const Db& db)
{
    if (db.scalar(QStringLiteral("SELECT COUNT(*) FROM AYLAR")).toInt() > 0)
        return;
    const char* names[] = {"Ocak", "Şubat", "Mart", "Nisan", "Mayıs", "Haziran",
                           "Temmuz", "Ağustos", "Eylül", "Ekim", "Kasım", "Aralık"};
    for (int i = 0; i < 12; ++i)
        db.exec(QStringLiteral("INSERT INTO AYLAR (AY, AY_ADI) VALUES (:AY, :ADI)"),
                {{QStringLiteral("AY"), i + 1}, {QStringLiteral("ADI"), QString::fromUtf8(names[i])}});
}

} // namespace

SchemaPart accountsSchema()
{
    SchemaPart p;
    p.subsystem = QStringLiteral("accounts");

    p.tables << TableDef{QStringLiteral("CARI"), cariBody()};
    // List filters narrow on these; the name check on leaving the field looks a name up.
    p.indexes << IndexDef{QStringLiteral("CARI"), QStringLiteral("IX_CARI_FIRMA"), QStringLiteral("FIRMA_ADI")};
    p.indexes << IndexDef{QStringLiteral("CARI"), QStringLiteral("IX_CARI_GRUP"),
                          QStringLiteral("CARI_GRP_KOD, ALT_GRUP")};
    p.indexes << IndexDef{QStringLiteral("CARI"), QStringLiteral("IX_CARI_ANAGRUP"), QStringLiteral("ANA_GRUP")};
    p.indexes << IndexDef{QStringLiteral("CARI"), QStringLiteral("IX_CARI_ILI"), QStringLiteral("ILI, ILCE")};
    p.indexes << IndexDef{QStringLiteral("CARI"), QStringLiteral("IX_CARI_YETKILI"), QStringLiteral("YETKILI_ADI")};
    p.indexes << IndexDef{QStringLiteral("CARI"), QStringLiteral("IX_CARI_TCKIMLIK"), QStringLiteral("TCKIMLIKNO")};

    p.tables << TableDef{QStringLiteral("CANAGRUP"),
                         QStringLiteral("KODU AUTOINC, GRUP_ADI VARCHAR(30)")};
    p.tables << TableDef{QStringLiteral("CARIGRUP"),
                         QStringLiteral("GRUP_KOD VARCHAR(5) NOT NULL, GRUP_ADI VARCHAR(30), KODU INTEGER, "
                                        "PRIMARY KEY (GRUP_KOD)")};
    p.tables << TableDef{QStringLiteral("CALTGRUP"),
                         QStringLiteral("KODU VARCHAR(5) NOT NULL, GRUP_KOD VARCHAR(5), GRUP_ADI VARCHAR(30), "
                                        "PRIMARY KEY (KODU)")};

    p.tables << TableDef{QStringLiteral("CARISEVK"),
                         QStringLiteral("CARIKOD VARCHAR(22) NOT NULL, SUBE VARCHAR(22) NOT NULL, "
                                        "YETKILI_ADI VARCHAR(25), YETKILI_SOYAD VARCHAR(25), SEVKADR1 VARCHAR(50), "
                                        "SEVKADR2 VARCHAR(50), SEMT VARCHAR(30), ILI VARCHAR(30), TEL1 VARCHAR(17), "
                                        "FAX VARCHAR(17), ACIKLAMA VARCHAR(95), PRIMARY KEY (CARIKOD, SUBE)")};
    p.tables << TableDef{QStringLiteral("CARIFATURA"), cariFaturaBody()};
    p.indexes << IndexDef{QStringLiteral("CARIFATURA"), QStringLiteral("IX_CARIFATURA_CARI"),
                          QStringLiteral("CARIKOD")};
    p.tables << TableDef{QStringLiteral("CARIPERS"),
                         QStringLiteral("ROW_ID AUTOINC, CARIKOD VARCHAR(22) NOT NULL, ADI VARCHAR(100), "
                                        "SOYAD VARCHAR(25), TEL VARCHAR(17), CEPTEL VARCHAR(17), GOREV VARCHAR(100), "
                                        "ACIKLAMA VARCHAR(95), ACIKLAMA2 VARCHAR(95)")};
    p.indexes << IndexDef{QStringLiteral("CARIPERS"), QStringLiteral("IX_CARIPERS_CARI"), QStringLiteral("CARIKOD")};
    p.tables << TableDef{QStringLiteral("CARIBANKA"),
                         QStringLiteral("ROW_ID AUTOINC, CARI_KOD VARCHAR(22) NOT NULL, BANKA_KOD VARCHAR(22), "
                                        "TEM_BANK VARCHAR(22), TEM_TUTAR FLOAT, VADE_TAR DATETIME, CTIP SMALLINT")};
    p.indexes << IndexDef{QStringLiteral("CARIBANKA"), QStringLiteral("IX_CARIBANKA_CARI"),
                          QStringLiteral("CARI_KOD")};
    p.tables << TableDef{QStringLiteral("SERVISLR"),
                         QStringLiteral("SER_KOD VARCHAR(11) NOT NULL, SER_CARIKOD VARCHAR(22), SER_ADI VARCHAR(40), "
                                        "SEHIR VARCHAR(15), TEL1 VARCHAR(17), TEL2 VARCHAR(17), TEL3 VARCHAR(17), "
                                        "TEL4 VARCHAR(17), FAKS VARCHAR(17), ARAC_SAT VARCHAR(1), ORG_TIP VARCHAR(1), "
                                        "PRIMARY KEY (SER_KOD)")};

    // Provinces by plate code and their counties.
    p.tables << TableDef{QStringLiteral("SEHIR"),
                         QStringLiteral("SEHIR_KODU SMALLINT NOT NULL, SEHIR_ADI VARCHAR(25), PRIMARY KEY (SEHIR_KODU)")};
    p.tables << TableDef{QStringLiteral("ILCE"),
                         QStringLiteral("ILCE_KODU AUTOINC, SEHIR_KODU SMALLINT NOT NULL, ILCE_ADI VARCHAR(25)")};
    p.indexes << IndexDef{QStringLiteral("ILCE"), QStringLiteral("IX_ILCE_SEHIR"), QStringLiteral("SEHIR_KODU, ILCE_ADI")};

    // Cash desks and banks share the account code space; the card checks them.
    p.tables << TableDef{QStringLiteral("KASA"), kasaBody()};
    p.tables << TableDef{QStringLiteral("BANKA"), bankaBody()};

    p.tables << TableDef{QStringLiteral("SEVK"),
                         QStringLiteral("SNO FLOAT NOT NULL, SEVK_TRH DATETIME, ODE_KIM VARCHAR(1), "
                                        "TASI_FIRMA VARCHAR(22), PRIMARY KEY (SNO)")};
    p.indexes << IndexDef{QStringLiteral("SEVK"), QStringLiteral("IX_SEVK_TASI"), QStringLiteral("TASI_FIRMA")};

    // Deleting an account looks for movements that name it as the account of another code.
    p.indexes << IndexDef{QStringLiteral("FINHRK"), QStringLiteral("IX_FINHRK_CARIKOD"), QStringLiteral("CARIKOD")};

    // Manual movement documents; their lines are CARIHRK rows under the same CARI_NO.
    p.tables << TableDef{QStringLiteral("CARIHRKM"), carihrkmBody()};
    p.indexes << IndexDef{QStringLiteral("CARIHRKM"), QStringLiteral("IX_CARIHRKM_TIP"), QStringLiteral("TIP, TARIH")};
    // The movement list's account filter finds documents by their lines' account.
    p.indexes << IndexDef{QStringLiteral("CARIHRK"), QStringLiteral("IX_CARIHRK_KOD_NO"),
                          QStringLiteral("CARI_KOD, CARI_NO")};
    p.tables << TableDef{QStringLiteral("AYLAR"),
                         QStringLiteral("AY SMALLINT NOT NULL, AY_ADI VARCHAR(15), PRIMARY KEY (AY)")};
    // The matched test looks a movement up by its key and type.
    const struct { const char* table; const char* suffix; } kapama[] = {
        {"CODEKAP", ""}, {"CODEKAPU", "_USD"}, {"CODEKAPE", "_EUR"}};
    for (const auto& k : kapama) {
        const QString t = QString::fromLatin1(k.table);
        p.tables << TableDef{t, codekapBody(QString::fromLatin1(k.suffix))};
        p.indexes << IndexDef{t, QStringLiteral("IX_%1_HRK").arg(t), QStringLiteral("CARI_NO, SIRANO, CRHRK_TUR")};
        p.indexes << IndexDef{t, QStringLiteral("IX_%1_REF").arg(t), QStringLiteral("REFNO, CRHRK_TUR")};
        p.indexes << IndexDef{t, QStringLiteral("IX_%1_CARI").arg(t), QStringLiteral("CARI_KOD, VADE_TRH")};
    }
    p.seeds << seedMonths;

    p.tables << TableDef{QStringLiteral("TAKSITS"), taksitsBody()};
    // The account list's instalment filters read by account, state and due date.
    p.indexes << IndexDef{QStringLiteral("TAKSITS"), QStringLiteral("IX_TAKSITS_CARI"),
                          QStringLiteral("CARI_KOD, TAKSIT_ODENDI, ODE_TRH")};
    return p;
}

} // namespace nimbo
