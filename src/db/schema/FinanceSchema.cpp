#include "db/SchemaDef.h"
#include "db/ServerObjects.h"

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
    // Bank accounts of the bank cards (BANKA lives with the account card's code space).
    p.tables << TableDef{QStringLiteral("BANKAYR"),
                         QStringLiteral(
                             "BANKA_KOD VARCHAR(22) NOT NULL, HESAP_NO VARCHAR(25) NOT NULL, HESAP_ADI VARCHAR(36), "
                             "HESAR_TURU VARCHAR(1), DOVIZ_KODU VARCHAR(5), VALOR INTEGER, KOMISYON FLOAT, "
                             "MUH_CHES VARCHAR(30), MUH_TAHSEN VARCHAR(30), MUH_KESCEK VARCHAR(30), "
                             "MUH_TAKCEK VARCHAR(30), MUH_TEMSEN VARCHAR(30), MUH_TEMCEK VARCHAR(30), "
                             "MUH_SENKRED VARCHAR(30), MUH_CEKREDI VARCHAR(30), MUH_KOMISYON VARCHAR(30), "
                             "BANKADI VARCHAR(40), PRIMARY KEY (BANKA_KOD, HESAP_NO)")};
    // Bank movement documents and their lines.
    p.tables << TableDef{QStringLiteral("BANKHRK"),
                         QStringLiteral("HRK_NO FLOAT NOT NULL, TARIH DATETIME, TIP VARCHAR(1), BORC FLOAT, "
                                        "ALACAK FLOAT, BORC_USD FLOAT, ALACAK_USD FLOAT, BORC_EUR FLOAT, "
                                        "ALACAK_EUR FLOAT, FIS_NO FLOAT, PERSONEL VARCHAR(11), PRIMARY KEY (HRK_NO)")};
    p.indexes << IndexDef{QStringLiteral("BANKHRK"), QStringLiteral("IX_BANKHRK_TIP"), QStringLiteral("TIP, HRK_NO")};
    p.tables << TableDef{QStringLiteral("BANKHRKA"),
                         QStringLiteral(
                             "HRK_NO FLOAT NOT NULL, SIRANO FLOAT NOT NULL, BANKA_KOD VARCHAR(22), HESAP_NO VARCHAR(27), "
                             "CARI_KOD VARCHAR(22), KASAKOD VARCHAR(11), MUH_KARSI VARCHAR(30), BORC FLOAT, "
                             "ALACAK FLOAT, BORC_USD FLOAT, ALACAK_USD FLOAT, BORC_EUR FLOAT, ALACAK_EUR FLOAT, "
                             "BORC_DVZ FLOAT, ALACAK_DVZ FLOAT, DOVIZ_KODU VARCHAR(5), TL_KURDEGER FLOAT, "
                             "TL_USDEGER FLOAT, TL_EUREGER FLOAT, PARA_BAZ VARCHAR(1), TIP VARCHAR(1), CTIP SMALLINT, "
                             "REF_NO FLOAT, PORTFOYNO FLOAT, CS_TIP VARCHAR(1), KOMISYON FLOAT, KRDKMSYN FLOAT, "
                             "KRDKMSYN_TUT FLOAT, KREDIKMSYNDVZ FLOAT, KREDIKMSYNTL FLOAT, KREDIKMSYNUSD FLOAT, "
                             "KREDIKMSYNEUR FLOAT, KUSURAT VARCHAR(1), TARIH DATETIME, AY SMALLINT, YIL SMALLINT, "
                             "BELGE_NO VARCHAR(10), ACIKLAMA VARCHAR(75), OZEL_KODU VARCHAR(21), SUBEKODU SMALLINT, "
                             "PRIMARY KEY (HRK_NO, SIRANO)")};
    // The bank list narrows documents by the bank of their lines.
    p.indexes << IndexDef{QStringLiteral("BANKHRKA"), QStringLiteral("IX_BANKHRKA_BANKA"),
                          QStringLiteral("BANKA_KOD, HRK_NO")};
    // Bank balances: one account's sums per currency from the index alone, with the cheque
    // number that decides whether a row counts. It also carries the date, so that a planner
    // that takes it for a statement's sums (it leads with the code too) still reads no rows.
    p.indexes << IndexDef{QStringLiteral("FINHRK"), QStringLiteral("IX_FINHRK_KODU_BANKA"),
                          QStringLiteral("KODU, KODU2, DOVIZ_KODU, CEK_NO, ISLEM_TIP, BORC, ALACAK, BORC_DVZ, "
                                         "ALACAK_DVZ, TARIH")};
    // A card named by any finance row of kind "E" stays.
    p.indexes << IndexDef{QStringLiteral("FINHRK"), QStringLiteral("IX_FINHRK_CEK"), QStringLiteral("CEK_NO, ISLEM_TIP")};

    // Portfolio lists by due date (also within one status) and the serial-number test.
    p.indexes << IndexDef{QStringLiteral("CSKART"), QStringLiteral("IX_CSKART_VADE"),
                          QStringLiteral("VADETARIH, PORTFOYNO")};
    p.indexes << IndexDef{QStringLiteral("CSKART"), QStringLiteral("IX_CSKART_DURUM"),
                          QStringLiteral("SON_DURUMU, VADETARIH, PORTFOYNO")};
    p.indexes << IndexDef{QStringLiteral("CSKART"), QStringLiteral("IX_CSKART_SERI"), QStringLiteral("SERI_NO, CS_TIP")};

    // Older cheque/note bordereaux, listed and deleted only.
    p.tables << TableDef{QStringLiteral("CSBORDRO"),
                         QStringLiteral("BORDRONO FLOAT NOT NULL, B_TUR VARCHAR(1), B_CARIKOD VARCHAR(22), "
                                        "BORDROTRH DATETIME, ORTVADE DATETIME, ACIKLAMA VARCHAR(100), IS_TUR VARCHAR(1), "
                                        "TUTAR_T FLOAT, B_HSPNO VARCHAR(25), FIS_NO FLOAT, SUBEKODU SMALLINT, "
                                        "PRIMARY KEY (BORDRONO)")};
    p.tables << TableDef{QStringLiteral("CSBORAYR"),
                         QStringLiteral(
                             "BORDRONO FLOAT NOT NULL, PORTFOYNO FLOAT NOT NULL, CARIKOD VARCHAR(22), CARI_ADI VARCHAR(65), "
                             "SAHIP VARCHAR(1), IS_TUR VARCHAR(1), TARIH DATETIME, VADETARIH DATETIME, TUTAR FLOAT, "
                             "TUTAR_USD FLOAT, TUTAR_EUR FLOAT, TUTAR_DOVIZ FLOAT, DOVIZ_KOD VARCHAR(5), "
                             "BORCLUSU VARCHAR(36), CS_TIP VARCHAR(1), CIRO_CKOD VARCHAR(22), B_TUR VARCHAR(1), "
                             "SON_DURUMU VARCHAR(1), KESIDEYER VARCHAR(10), PARA_BAZ VARCHAR(1), MASRAF FLOAT, "
                             "MUH_KOD VARCHAR(30), BANK_KOD VARCHAR(22), HESAP_NO VARCHAR(25), KASAKOD VARCHAR(11), "
                             "SUBEKODU SMALLINT, GIRIS_TIP VARCHAR(1), LGIRIS_TIP VARCHAR(1), TIP SMALLINT, "
                             "TUTAR_TAH FLOAT, TUTAR_USD_TAH FLOAT, TUTAR_DOVIZ_TAH FLOAT, TUTAR_EUR_TAH FLOAT, "
                             "PRIMARY KEY (BORDRONO, PORTFOYNO)")};
    p.indexes << IndexDef{QStringLiteral("CSBORAYR"), QStringLiteral("IX_CSBORAYR_PORTFOY"),
                          QStringLiteral("PORTFOYNO, BORDRONO")};

    // Finance transaction documents; a paper's history is the list of lines that named it.
    p.tables << TableDef{QStringLiteral("FINMAST"),
                         QStringLiteral(
                             "FIN_ID INTEGER NOT NULL, ISLEM_TRH DATETIME, ISLEM_TIP VARCHAR(1), ISLEM_TIP2 VARCHAR(1), "
                             "ISLEM_TIP3 VARCHAR(1), KODU VARCHAR(22), KODU2 VARCHAR(22), ADI VARCHAR(70), "
                             "ACIKLAMA VARCHAR(150), BORC FLOAT, ALACAK FLOAT, DVZ_BORC FLOAT, DVZ_ALACAK FLOAT, "
                             "DOVIZ_KODU VARCHAR(5), DVZ_KUR FLOAT, BA_DOVIZ VARCHAR(5), BA_KUR FLOAT, BA_BORC FLOAT, "
                             "BA_ALACAK FLOAT, CEK_NO FLOAT, HRK_NO FLOAT, FIS_NO FLOAT, INS_DATE DATETIME, "
                             "INS_USER VARCHAR(30), UPD_DATE DATETIME, UPD_USER VARCHAR(30), PRIMARY KEY (FIN_ID)")};
    p.tables << TableDef{QStringLiteral("FINDET"),
                         QStringLiteral(
                             "FIN_ID INTEGER NOT NULL, SIRA_NO INTEGER NOT NULL, TIP VARCHAR(1), TIP2 VARCHAR(1), "
                             "TIP3 VARCHAR(1), KODU VARCHAR(22), KODU2 VARCHAR(22), ADI VARCHAR(70), CEK_NO FLOAT, "
                             "CS_DURUM VARCHAR(1), BORC FLOAT, ALACAK FLOAT, BORCTL FLOAT, ALACAKTL FLOAT, "
                             "BORC_DVZ FLOAT, ALACAK_DVZ FLOAT, DOVIZ_KODU VARCHAR(5), DVZ_KUR FLOAT, "
                             "BA_DOVIZ VARCHAR(5), BA_KUR FLOAT, BA_BORC FLOAT, BA_ALACAK FLOAT, ACIKLAMA VARCHAR(150), "
                             "TARIH DATETIME, VADE_TRH DATETIME, HRK_NO FLOAT, PRIMARY KEY (FIN_ID, SIRA_NO)")};
    p.indexes << IndexDef{QStringLiteral("FINDET"), QStringLiteral("IX_FINDET_CEK"), QStringLiteral("CEK_NO, FIN_ID")};
    // The finance list: newest day first, and documents with a line on a code or second code.
    p.indexes << IndexDef{QStringLiteral("FINMAST"), QStringLiteral("IX_FINMAST_TRH"), QStringLiteral("ISLEM_TRH, FIN_ID")};
    // A type pair in number order: a rare type's first page no longer scans every document.
    p.indexes << IndexDef{QStringLiteral("FINMAST"), QStringLiteral("IX_FINMAST_TIP"),
                          QStringLiteral("ISLEM_TIP, ISLEM_TIP2, FIN_ID")};
    p.indexes << IndexDef{QStringLiteral("FINDET"), QStringLiteral("IX_FINDET_KODU"), QStringLiteral("KODU, FIN_ID")};
    p.indexes << IndexDef{QStringLiteral("FINDET"), QStringLiteral("IX_FINDET_KODU2"), QStringLiteral("KODU2, FIN_ID")};

    // The portfolio functions the ledger posting calls (PostgreSQL holds them as SQL functions).
    p.seeds << [](const Db& db) { ServerObjects::createPortfolioFunctions(db); };
    return p;
}

} // namespace nimbo
