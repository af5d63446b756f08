#include "db/Db.h"
#include "db/SchemaDef.h"

namespace nimbo {

namespace {

QString cols(const QStringList& names, const QString& type)
{
    QStringList out;
    for (const QString& n : names)
        out << n + QLatin1Char(' ') + type;
    return out.join(QStringLiteral(", "));
}

QStringList numbered(const QString& prefix, int from, int to)
{
    QStringList out;
    for (int i = from; i <= to; ++i)
        out << prefix + QString::number(i);
    return out;
}

// One-row number sources; YENINO is the next number to hand out.
struct Counter {
    const char* name;
    const char* yeninoType;
    const char* extra;
};

const Counter kCounters[] = {
    {"NEWSATIS", "FLOAT",
     "SABITHARF VARCHAR(5), FATNO FLOAT, OTOART CHAR(1), SABITHARFIRS VARCHAR(5), IRSNO FLOAT, OTOARTIRS CHAR(1)"},
    {"NEWCARI", "FLOAT", ""},
    {"NEWBHRK", "FLOAT", ""},
    {"NEWCSNO", "FLOAT", ""},
    {"NEWCSHRK", "FLOAT", ""},
    {"NEWFINHRK", "INTEGER", ""},
    {"NEWFATF", "FLOAT", ""},
    {"NEWFIS", "FLOAT",
     "TIP CHAR(1), YEVMIYE_NO FLOAT, ORTAK_SB VARCHAR(7), ORTAK_NO FLOAT, TAHSIL_SB VARCHAR(7), TAHSILNO1 FLOAT, "
     "MAHSUP_SB VARCHAR(7), MAHSUPNO1 FLOAT, TEDIYE_SB VARCHAR(7), TEDIYENO1 FLOAT, OZEL_SB VARCHAR(7), OZEL1 FLOAT"},
    {"NEWSTOK", "FLOAT", ""},
    {"NEWGR", "INTEGER", ""},
    {"NEWFIR", "INTEGER", ""},
    {"NEWSIPAL", "FLOAT", ""},
    {"NEWSEVK", "FLOAT", ""},
    {"NEWTEKLF", "FLOAT", ""},
    {"NEWITHAL", "FLOAT", ""},
    {"NEWITHALKR", "FLOAT", ""},
    {"NEWKASA", "FLOAT", ""},
    {"NEWKMP", "FLOAT", ""},
    {"NEWFYTLS", "FLOAT", ""},
    {"NEWFOY", "FLOAT", ""},
    {"NEWOEMPC", "FLOAT", ""},
};

QString parametreBody()
{
    return QStringLiteral(
        "MUAVIN_HANE SMALLINT, TALI_HANE SMALLINT, DETAY_HANE SMALLINT, SEVIYE CHAR(1), AB7 CHAR(1), "
        "ALFADURUM CHAR(1), AYRAC CHAR(1), INDIR_KDV_KOD VARCHAR(30), HSP_KDV_KOD VARCHAR(30), DF_KDV FLOAT, "
        "YEV_ONAY_TRH DATETIME, ONAY_YEVBORC FLOAT, ONAY_YEVALA FLOAT, DEF_KASA VARCHAR(30), "
        "HES_DON_BSTRH DATETIME, HES_DON_BITRH DATETIME, CALIS_AY_KONT SMALLINT, DOVIZ_RPR VARCHAR(5), "
        "DVZ_GUNTRH DATETIME, RDOVIZ1 VARCHAR(5), RDOVIZ2 VARCHAR(5), YERELDOVIZ VARCHAR(5), TRHKILIT DATETIME");
}

QString parametBody()
{
    QStringList c;
    // Coded one-letter settings.
    c << cols({"FATYUVARTIP", "SIPSAT_TUR", "SIPVADE", "AA_MUH_KAY", "SA_MUH_KAY", "C_MUH_KAY", "S_MUH_KAY",
               "KIRIL_TAKIP", "PASIF_CARIG", "ISK_DUS", "MUHSATIR", "SATURUN", "ALURUN", "SFISURUN", "STK_KDV_DH",
               "KRTTIK_UYAR", "STK_NEG", "SATSIPAKTAR", "SIPMINFYT_UYAR", "PASIF_URUNG", "SIPKUR", "ODEKAPAC",
               "ALSERI_UYAR", "SPASEVKSER", "ALISTAOTOFYT", "C_V_FARKSURE", "S_V_FARKSURE", "C_V_FARKTIP",
               "S_V_FARKTIP", "HSYAZ", "CARIOZELISK", "MUH_KAY", "ITHALAT", "B_MUH_KAY",
               // Sales: minimum-price check on or off ("Z" off) and its mode (S refuse, U ask, H none).
               "SATMINFYT", "SATFYTKONT"},
              QStringLiteral("CHAR(1)"));
    c << QStringLiteral("YUVARSAYI FLOAT, IRSFATTEK SMALLINT, ARCSATKURALM VARCHAR(2), SATISKURALM VARCHAR(2)");
    // Instalments: late-payment penalty rate (%), days of delay from which it applies, ask or not.
    c << QStringLiteral("TAK_CEZA_ORAN SMALLINT, TAK_CEZA_GUN SMALLINT, TAK_CEZA_SOR VARCHAR(1)");
    // Ledger accounts of specific postings.
    QStringList muh = {"MUH_ELCEK", "MUH_KESCEK", "MUH_ELSEN", "MUH_BORCSEN", "MUH_PROSEN", "MUH_KRSCEK",
                       "MUH_PROVIZMAS", "MUH_PROTESMAS", "MUH_ALVADEFARK", "MUH_VERVADEFARK", "MUH_PROTES_SENET",
                       "MUH_KARSILIKSZ_CEK"};
    muh << numbered(QStringLiteral("MUH_DEGERL_"), 1, 10);
    muh << QStringList{"MUH_KDVTEV_A", "MUH_KDVTEV_S", "MUH_ALIS_TEVKIFAT", "MUH_SATIS_TEVKIFAT", "MUH_TAHCEK",
                       "MUH_A", "MUH_S", "MUH_IADE_A", "MUH_IADE_S", "MUH_ISK_A", "MUH_ISK_S", "MUH_KDV_A",
                       "MUH_KDV_S", "MUH_URET_GID", "MUH_URET_GEL", "MUH_YANSIT_GID", "MUH_YANSIT_GEL", "MUH_CHES",
                       "MUH_TAHSEN", "MUH_KESCEKB", "MUH_TAKCEK", "MUH_TEMSEN", "MUH_SENKRED", "MUH_CEKREDI",
                       "MUH_TEMCEK", "MUH_SAT_ISCILIK_GAR", "MUH_SAT_GAR", "ARCITHYOLMUH", "ARCITHFIKTIFMUH"};
    c << cols(muh, QStringLiteral("VARCHAR(30)"));
    c << QStringLiteral("ARCDEGMASKOD VARCHAR(11)");
    c << cols({"GRSIPTIP", "ALISCTIP", "SATISCTIP", "ARACCTIP", "FINANSCTIP", "ALSIPTIP"}, QStringLiteral("SMALLINT"));
    c << cols({"ALMUHPAR_SAT", "SATMUHMAS_SAT", "ALMUHMASKDV_SAT", "ALMUHMAS_SAT", "ALMUHISC_SAT", "ARC_DEG",
               "ARCMASKDV"},
              QStringLiteral("CHAR(1)"));
    c << cols({"AL_DEP", "SAT_DEP", "PCDEPO", "MONJ_DEP", "ISEMRI_DEP"}, QStringLiteral("SMALLINT"));
    c << cols({"ARCITH_IND_DVZ", "CBHRK_DVZ", "STK_DVZ", "HZMT_DVZ", "DVZ_TAHSIPSAT"}, QStringLiteral("VARCHAR(5)"));
    c << QStringLiteral("STK_KDV FLOAT, STK_KAR FLOAT, STK_PARABAZ CHAR(1), ORT_TEDARIK SMALLINT");
    c << QStringLiteral("CEKSENETUZUNVADEAY SMALLINT, PUL_ORAN FLOAT, C_VADEFARKO FLOAT, S_VADEFARKO FLOAT, "
                        "REEISKONFAIZ FLOAT, CIROTAKSURE SMALLINT");
    c << cols(numbered(QStringLiteral("HIZMETSART"), 1, 10), QStringLiteral("VARCHAR(255)"));
    c << QStringLiteral("TS_ADR1 VARCHAR(45), TS_ADR2 VARCHAR(45), TS_ADR3 VARCHAR(45), TS_TEL1 VARCHAR(25), "
                        "TS_TEL2 VARCHAR(25), TS_FAX VARCHAR(17), TS_EMAIL VARCHAR(100)");
    c << QStringLiteral("GARANTI_SURE SMALLINT, DEF_KASA VARCHAR(30), SIPBELTIP CHAR(1), SIPCARIONAYI CHAR(1), "
                        "KILIT_TRH DATETIME, KILIT_TRH2 DATETIME");
    c << cols({"CLAIM_PRC_ISK", "CLAIM_ISC_ISK", "POQ_AYL_SAP", "POQ_YIL_SAP", "STOK_ISKONTO", "ACIL_ISKONTO"},
              QStringLiteral("FLOAT"));
    c << QStringLiteral("NEGATIF_STOK SMALLINT");
    c << cols({"IZIN_YPAD", "IZIN_YPFYT", "IZIN_YPISK", "IZIN_ISAD", "IZIN_ISFYT", "IZIN_ISISK", "IZIN_FTAD",
               "IZIN_FTFYT", "IZIN_FTISK"},
              QStringLiteral("FLOAT"));
    c << QStringLiteral("FTISKTIP CHAR(1), YP_SIP_ONAY CHAR(1)");
    return c.join(QStringLiteral(", "));
}

QString firkimBody()
{
    return QStringLiteral(
        "SUBEKODU SMALLINT NOT NULL, SER_KOD VARCHAR(5), EADI VARCHAR(35), OZEL1 VARCHAR(35), ADI VARCHAR(70), "
        "MESULAD VARCHAR(36), TLF VARCHAR(11), TLF2 VARCHAR(25), FAX VARCHAR(17), MAIL VARCHAR(100), "
        "WEB VARCHAR(100), VERGINO VARCHAR(17), VERGIDAIRE VARCHAR(25), ADR1 VARCHAR(45), ADR2 VARCHAR(45), "
        "ADR3 VARCHAR(45), PK VARCHAR(8), ILI VARCHAR(25), IL_KOD SMALLINT, ILCE_KOD SMALLINT, MERKEZ_KOD SMALLINT, "
        "URET_BKOD VARCHAR(22), DIST_BKOD VARCHAR(22), TED_BKOD VARCHAR(22), URET_CKOD VARCHAR(22), "
        "DIST_CKOD VARCHAR(22), TED_CKOD VARCHAR(22), XXX VARCHAR(25), OZEL VARCHAR(15), OZEL2 VARCHAR(255), "
        "ACE VARCHAR(255), INTERDIZIN VARCHAR(255), INTERAD VARCHAR(255), BBSDIZIN VARCHAR(255), HATIRLA CHAR(1), "
        "HATGUNB SMALLINT, HATGUNA SMALLINT, BAYI_TIP CHAR(1), ORG_TIP SMALLINT, CLAIM_KOD VARCHAR(4), "
        "MARKA VARCHAR(8), PRIMARY KEY (SUBEKODU)");
}

QString finhrkBody()
{
    return QStringLiteral(
        "BELGE_TIP VARCHAR(1), FIN_ID INTEGER, SIRA_NO INTEGER, TIP VARCHAR(1), ISLEM_TIP VARCHAR(1), "
        "ISLEM_TIP2 VARCHAR(1), ISLEM_TIP3 VARCHAR(1), KODU VARCHAR(22), KODU2 VARCHAR(22), CARIKOD VARCHAR(22), "
        "CEK_NO FLOAT, ADI VARCHAR(70), ACIKLAMA VARCHAR(150), BORC FLOAT, ALACAK FLOAT, BORC_DVZ FLOAT, "
        "ALACAK_DVZ FLOAT, DOVIZ_KODU VARCHAR(5), DVZ_KUR FLOAT, BA_DOVIZ VARCHAR(5), BA_KUR FLOAT, BA_BORC FLOAT, "
        "BA_ALACAK FLOAT, TARIH DATETIME, VADE_TRH DATETIME, AY SMALLINT, YIL SMALLINT, BELGE_NO VARCHAR(10), "
        "PERSON_KOD VARCHAR(11), HRK_NO FLOAT");
}

QString carihrkBody()
{
    return QStringLiteral(
        "CARI_NO FLOAT NOT NULL, SIRANO INTEGER NOT NULL, CARI_KOD VARCHAR(22) NOT NULL, CRHRK_TUR VARCHAR(1), "
        "TIP SMALLINT NOT NULL, REF_NO FLOAT, TARIH DATETIME, VADE_TRH DATETIME, AY SMALLINT, YIL SMALLINT, "
        "BORC FLOAT, ALACAK FLOAT, BORC_USD FLOAT, ALACAK_USD FLOAT, BORC_EUR FLOAT, ALACAK_EUR FLOAT, "
        "BORC_DVZ FLOAT, ALACAK_DVZ FLOAT, DOVIZ_KODU VARCHAR(5) NOT NULL, TL_KURDEGER FLOAT, TL_USDEGER FLOAT, "
        "TL_EUREGER FLOAT, PARA_BAZ VARCHAR(1), KASAKOD VARCHAR(11), KARSIDOVIZ VARCHAR(5), KARSI_KURDEGER FLOAT, "
        "KARSI_BORC FLOAT, KARSI_ALACAK FLOAT, ODE_KOD VARCHAR(5), BELGE_NO VARCHAR(10), CARHRKFATNO VARCHAR(10), "
        "FATARIH DATETIME, PORTFOYNO FLOAT, ITHALSNO FLOAT, OZEL_KODU VARCHAR(21), ACIKLAMA VARCHAR(75), "
        "MUH_KARSI VARCHAR(30), MUH_DIGER VARCHAR(30), PRIMARY KEY (CARI_NO, SIRANO)");
}

// Header columns shared by sales and purchase documents, after the document number.
QString tradeHeaderColumns()
{
    return QStringLiteral(
        "CARIKOD VARCHAR(22) NOT NULL, TIP VARCHAR(1), FAT_NO VARCHAR(10), FATARIH DATETIME, IRS_NO VARCHAR(10), "
        "IRSTARIH DATETIME, VADETRH DATETIME, VADEHES VARCHAR(1), SAAT DATETIME, ODE_TIP VARCHAR(1), "
        "ODE_KOD VARCHAR(5), TAKSITSAY SMALLINT, DOVIZ_KODU VARCHAR(5), TL_KURDEGER FLOAT, USDFYT FLOAT, "
        "EURFYT FLOAT, BRUTTUT FLOAT, BRUT_USD FLOAT, BRUT_EUR FLOAT, KALEMISK FLOAT, KALEMISKUSD FLOAT, "
        "KALEMISKEUR FLOAT, YUZDE FLOAT, INR_YUZD FLOAT, INR_YUZD_USD FLOAT, INR_YUZD_EUR FLOAT, INDIRIM FLOAT, "
        "INDIR_USD FLOAT, INDIR_EUR FLOAT, KDVTUT FLOAT, KDV_USD FLOAT, KDV_EUR FLOAT, NETTUT FLOAT, NET_USD FLOAT, "
        "NET_EUR FLOAT, YUVARLANAN FLOAT, PARCA_NET FLOAT, PARCA_NET_USD FLOAT, PARCA_NET_EUR FLOAT, ISCI_NET FLOAT, "
        "ISCI_NET_USD FLOAT, ISCI_NET_EUR FLOAT, MASRAF FLOAT, MASRAF_USD FLOAT, MASRAF_EUR FLOAT, FAT_REFNO FLOAT, "
        "FIS_NO FLOAT, PERSON_KOD VARCHAR(11), OZELKOD VARCHAR(5), UNITE_KODU SMALLINT, CTIP SMALLINT");
}

QString satisBody()
{
    return QStringLiteral("SATIS_NO FLOAT NOT NULL, ") + tradeHeaderColumns()
           + QStringLiteral(", SAT_TUR VARCHAR(1), SVKISI VARCHAR(21), ACIKLAMA VARCHAR(255), "
                            "SEVKFATURA VARCHAR(22), MUHKASATIP VARCHAR(1), PRIMARY KEY (SATIS_NO)");
}

QString alisBody()
{
    return QStringLiteral("ALIS_NO FLOAT NOT NULL, ") + tradeHeaderColumns()
           + QStringLiteral(", ACIKLAMA VARCHAR(65), OTV_TUTAR FLOAT, OTV_TUT_USD FLOAT, OTV_TUT_EUR FLOAT, "
                            "ITHAL_KODU VARCHAR(21), ITHAL_NO FLOAT, ITH_KURU FLOAT, ITH_DVZKOD VARCHAR(5), "
                            "ITH_MIKTAR FLOAT, ITH_TUTAR FLOAT, GGBNO VARCHAR(21), KDVTEV VARCHAR(1), "
                            "KDVTEV_TUT FLOAT, MUHKASATIP VARCHAR(1), MUH_KARSI VARCHAR(30), MUH_SATICI VARCHAR(30), "
                            "MUH_VIRMAN VARCHAR(30), KDVBIRLESTIRME VARCHAR(1), KDVIZBIRAK VARCHAR(1), "
                            "ODEME VARCHAR(1), DEMIRBAS_FAT VARCHAR(1), ACIKLAMA_MUH VARCHAR(100), "
                            "PRIMARY KEY (ALIS_NO)");
}

QString cskartBody()
{
    return QStringLiteral(
        "PORTFOYNO FLOAT NOT NULL, CS_TIP VARCHAR(1), SAHIP VARCHAR(1), SON_DURUMU VARCHAR(1), CARIKOD VARCHAR(22), "
        "CIRO_CKOD VARCHAR(22), SERI_NO VARCHAR(27), NUMKOD VARCHAR(11), BORCLUSU VARCHAR(36), "
        "KESIDEYER VARCHAR(10), BANKA_ADI VARCHAR(60), BANKA_KOD VARCHAR(22), HESAP_NO VARCHAR(25), "
        "MUHABIR VARCHAR(21), TANZIMTARIH DATETIME, TARIH DATETIME, VADETARIH DATETIME, TUTAR FLOAT, "
        "TUTAR_USD FLOAT, TUTAR_EUR FLOAT, TUTAR_DOVIZ FLOAT, DOVIZ_KOD VARCHAR(5), TL_KURDEGER FLOAT, "
        "TL_USDEGER FLOAT, TL_EUREGER FLOAT, TUTAR_TAH FLOAT, TUTAR_USD_TAH FLOAT, TUTAR_EUR_TAH FLOAT, "
        "TUTAR_DOVIZ_TAH FLOAT, TL_TAH_KURDEGER FLOAT, TL_TAH_USDEGER FLOAT, TL_TAH_EUREGER FLOAT, "
        "PARA_BAZ VARCHAR(1), BORDRONO FLOAT, B_TUR VARCHAR(1), GIRIS_TIP VARCHAR(1), MUH_KOD VARCHAR(30), "
        "PUL FLOAT, KEFIL_1 VARCHAR(50), KEFIL_2 VARCHAR(50), TEMTAHSP_NO VARCHAR(25), PERSONEL VARCHAR(11), "
        "SUBEKODU SMALLINT, DEPARTMANKODU SMALLINT, BOLUMKODU SMALLINT, ACIKLAMA VARCHAR(50), "
        "ACILIS_TRH DATETIME, PROTESTOLU_TAHSIL VARCHAR(1), TIP SMALLINT, BADVZ VARCHAR(5), "
        "PRIMARY KEY (PORTFOYNO)");
}

QString depoBody()
{
    return QStringLiteral("DEPO_KODU SMALLINT NOT NULL, DEPO_ADI VARCHAR(36), DEPO_YERI VARCHAR(10), ")
           + cols(numbered(QStringLiteral("DEP"), 1, 20), QStringLiteral("FLOAT"))
           + QStringLiteral(", PRIMARY KEY (DEPO_KODU)");
}

void seedOneRow(const Db& db, const QString& table, const QString& insert)
{
    if (db.scalar(QStringLiteral("SELECT COUNT(*) FROM %1").arg(table)).toInt() == 0)
        db.exec(insert);
}

void seedCounters(const Db& db)
{
    for (const Counter& c : kCounters) {
        const QString t = QString::fromLatin1(c.name);
        QString insert = QStringLiteral("INSERT INTO %1 (YENINO) VALUES (1)").arg(t);
        if (t == QLatin1String("NEWSATIS"))
            insert = QStringLiteral("INSERT INTO NEWSATIS (YENINO, SABITHARF, FATNO, OTOART, SABITHARFIRS, IRSNO, "
                                    "OTOARTIRS) VALUES (1, '', 1, 'O', '', 1, 'O')");
        else if (t == QLatin1String("NEWFIS"))
            insert = QStringLiteral("INSERT INTO NEWFIS (YENINO, YEVMIYE_NO, ORTAK_NO, TAHSILNO1, MAHSUPNO1, "
                                    "TEDIYENO1, OZEL1) VALUES (1, 1, 1, 1, 1, 1, 1)");
        seedOneRow(db, t, insert);
    }
}

void seedParameters(const Db& db)
{
    // A new year starts with one row in each settings table; the loader fills in what is empty.
    seedOneRow(db, QStringLiteral("PARAMETRE"),
               QStringLiteral("INSERT INTO PARAMETRE (YERELDOVIZ, RDOVIZ1, RDOVIZ2, AYRAC) "
                              "VALUES ('TL', 'USD', 'EUR', '.')"));
    seedOneRow(db, QStringLiteral("PARAMET"), QStringLiteral("INSERT INTO PARAMET (ODEKAPAC) VALUES ('H')"));
    seedOneRow(db, QStringLiteral("PARAMUH"), QStringLiteral("INSERT INTO PARAMUH (ISK_DUS) VALUES ('H')"));
    seedOneRow(db, QStringLiteral("PARAMET2"), QStringLiteral("INSERT INTO PARAMET2 (ALISMHVIR) VALUES ('H')"));
}

} // namespace

SchemaPart servicesSchema()
{
    SchemaPart p;
    p.subsystem = QStringLiteral("services");

    p.tables << TableDef{QStringLiteral("PARAMETRE"), parametreBody()};
    p.tables << TableDef{QStringLiteral("PARAMET"), parametBody()};
    p.tables << TableDef{QStringLiteral("PARAMUH"),
                         QStringLiteral("C_MUH_KAY CHAR(1), A_MUH_KAY CHAR(1), AA_MUH_KAY CHAR(1), S_MUH_KAY CHAR(1), "
                                        "SA_MUH_KAY CHAR(1), IE_MUH_KAY CHAR(1), ISK_DUS CHAR(1), KILIT_TRH DATETIME")};
    p.tables << TableDef{QStringLiteral("PARAMET2"), QStringLiteral("ALISMHVIR CHAR(1)")};
    p.tables << TableDef{QStringLiteral("FIRKIM"), firkimBody()};

    p.tables << TableDef{QStringLiteral("DOVIZ"),
                         QStringLiteral("DOVIZ_KODU VARCHAR(5) NOT NULL, DOVIZ_ADI VARCHAR(25), AKTIF CHAR(1), "
                                        "PRIMARY KEY (DOVIZ_KODU)")};
    // The key also serves the rate look-up: one currency, latest date at or before a day.
    p.tables << TableDef{QStringLiteral("KURDEGER"),
                         QStringLiteral("TARIH DATETIME NOT NULL, DOVIZ_KODU VARCHAR(5) NOT NULL, TLDEGERI_ALIS FLOAT, "
                                        "TLDEGERI_SATIS FLOAT, EFKTLDEGERI_ALIS FLOAT, EFKTLDEGERI_SATIS FLOAT, "
                                        "BANKATLDEGERI_SATIS FLOAT, BAYITLDEGERI_SATIS FLOAT, OZELTLDEGERI_SATIS FLOAT, "
                                        "AKTARILDI CHAR(1), PRIMARY KEY (DOVIZ_KODU, TARIH)")};

    p.tables << TableDef{QStringLiteral("UISLEM"),
                         QStringLiteral("BOLUM VARCHAR(30), ALTB VARCHAR(30), REFNO FLOAT, SNO FLOAT, KTIP VARCHAR(10), "
                                        "TARIH DATETIME, PERS_KOD VARCHAR(15), CKOD VARCHAR(22), STOK_NO FLOAT, "
                                        "SIM_KOD VARCHAR(25), MIKTAR FLOAT, GER_TUT FLOAT, FYTDVZ FLOAT, DVZ VARCHAR(5), "
                                        "BELGE_NO VARCHAR(20), ACIKLAMA VARCHAR(255)")};
    p.indexes << IndexDef{QStringLiteral("UISLEM"), QStringLiteral("IX_UISLEM_REF"), QStringLiteral("BOLUM, REFNO")};

    for (const Counter& c : kCounters) {
        QString body = QStringLiteral("YENINO %1").arg(QString::fromLatin1(c.yeninoType));
        if (*c.extra)
            body += QStringLiteral(", ") + QString::fromLatin1(c.extra);
        p.tables << TableDef{QString::fromLatin1(c.name), body};
    }

    p.tables << TableDef{QStringLiteral("FINHRK"), finhrkBody()};
    // Balances and statements: one account's sums (and running sums up to a date), also per
    // currency, from the index alone.
    p.indexes << IndexDef{QStringLiteral("FINHRK"), QStringLiteral("IX_FINHRK_KODU_DVZ"),
                          QStringLiteral("KODU, TARIH, BORC, ALACAK, BORC_DVZ, ALACAK_DVZ, DOVIZ_KODU")};
    // Rewriting a document's derived rows deletes by writer and number.
    p.indexes << IndexDef{QStringLiteral("FINHRK"), QStringLiteral("IX_FINHRK_BELGE"),
                          QStringLiteral("BELGE_TIP, HRK_NO")};
    p.indexes << IndexDef{QStringLiteral("FINHRK"), QStringLiteral("IX_FINHRK_FIN"), QStringLiteral("FIN_ID, SIRA_NO")};

    p.tables << TableDef{QStringLiteral("CARIHRK"), carihrkBody()};
    p.indexes << IndexDef{QStringLiteral("CARIHRK"), QStringLiteral("IX_CARIHRK_KOD"),
                          QStringLiteral("CARI_KOD, BORC_USD, ALACAK_USD")};
    p.indexes << IndexDef{QStringLiteral("CARIHRK"), QStringLiteral("IX_CARIHRK_REF"),
                          QStringLiteral("CRHRK_TUR, REF_NO")};

    p.tables << TableDef{QStringLiteral("SATIS"), satisBody()};
    p.indexes << IndexDef{QStringLiteral("SATIS"), QStringLiteral("IX_SATIS_CARI"), QStringLiteral("CARIKOD, FATARIH")};
    p.tables << TableDef{QStringLiteral("ALIS"), alisBody()};
    p.indexes << IndexDef{QStringLiteral("ALIS"), QStringLiteral("IX_ALIS_CARI"), QStringLiteral("CARIKOD, FATARIH")};
    p.tables << TableDef{QStringLiteral("CSKART"), cskartBody()};
    p.indexes << IndexDef{QStringLiteral("CSKART"), QStringLiteral("IX_CSKART_CARI"), QStringLiteral("CARIKOD, SAHIP")};
    p.indexes << IndexDef{QStringLiteral("CSKART"), QStringLiteral("IX_CSKART_CIRO"),
                          QStringLiteral("CIRO_CKOD, SAHIP")};

    // Pick lists shared by the entry windows.
    p.tables << TableDef{QStringLiteral("UNITE"), QStringLiteral("UNITE_KODU SMALLINT NOT NULL, UNITE_ADI VARCHAR(30), "
                                                                 "PRIMARY KEY (UNITE_KODU)")};
    p.tables << TableDef{QStringLiteral("KAYNAK"), QStringLiteral("KAYNAK_KOD VARCHAR(5) NOT NULL, KAYNAK_ADI "
                                                                  "VARCHAR(30), PRIMARY KEY (KAYNAK_KOD)")};
    p.tables << TableDef{QStringLiteral("TEDARIKCI"), QStringLiteral("TED_KOD SMALLINT NOT NULL, TED_ADI VARCHAR(40), "
                                                                     "PRIMARY KEY (TED_KOD)")};
    p.tables << TableDef{QStringLiteral("FIKTIFDEPO"), QStringLiteral("DEPO_KODU SMALLINT NOT NULL, DEPO_ADI "
                                                                      "VARCHAR(36), PRIMARY KEY (DEPO_KODU)")};
    p.tables << TableDef{QStringLiteral("DEPO"), depoBody()};
    p.tables << TableDef{QStringLiteral("CARIHRKTIP"), QStringLiteral("TIP SMALLINT NOT NULL, AD VARCHAR(30), "
                                                                      "GRUP_KOD VARCHAR(2), PRIMARY KEY (TIP)")};

    p.seeds << seedCounters << seedParameters;
    return p;
}

} // namespace nimbo
