#include "LedgerFixture.h"
#include "ledger/FisNumaralari.h"
#include "ledger/FisSaklayici.h"

#include <QFile>

using namespace nimbo;
using namespace nimbo::test;

namespace {
const QString kDengesiz = QStringLiteral("Fiş Borç-Alacak Tutarı Birbirine Eşit Değil.Dengesiz Fiş Kaydı Yapılamaz, Borç:*");
}

// Journal and printed numbers: a separate series per type with zero padding to eight
// characters, none when the prefix is long; the common series; counters move on by one.
TEST_F(LedgerTest, VoucherNumbersFollowTheirSeries)
{
    EXPECT_EQ(FisNumaralari::FisNumarasi(QStringLiteral("MH"), 42), QStringLiteral("MH000042"));
    EXPECT_EQ(FisNumaralari::FisNumarasi(QStringLiteral("ABCDEFG"), 12345), QStringLiteral("ABCDEFG12345"));
    EXPECT_EQ(FisNumaralari::FisNumarasi(QString(), 7), QStringLiteral("00000007"));

    setParam(QStringLiteral("UPDATE NEWFIS SET TIP = 'A', MAHSUP_SB = 'MH', MAHSUPNO1 = 42, TAHSIL_SB = 'THSLATA', "
                            "TAHSILNO1 = 12345, YEVMIYE_NO = 7, YENINO = 100"));
    Fis m;
    m.TUR = QStringLiteral("M");
    FisNumaralari::FisBelgeNumara(db, m);
    EXPECT_EQ(m.FISNUMARA, QStringLiteral("MH000042"));
    EXPECT_EQ(m.YEVMIYE_NO.toInt(), 7);
    Fis c;
    c.TUR = QStringLiteral("C");
    FisNumaralari::FisBelgeNumara(db, c);
    EXPECT_EQ(c.FISNUMARA, QStringLiteral("THSLATA12345"));
    EXPECT_EQ(c.YEVMIYE_NO.toInt(), 8);
    EXPECT_EQ(say(QStringLiteral("SELECT MAHSUPNO1 FROM NEWFIS")), 43);
    EXPECT_EQ(say(QStringLiteral("SELECT TAHSILNO1 FROM NEWFIS")), 12346);
    EXPECT_EQ(say(QStringLiteral("SELECT YEVMIYE_NO FROM NEWFIS")), 9);

    // Numbers already given are kept.
    FisNumaralari::FisBelgeNumara(db, m);
    EXPECT_EQ(m.FISNUMARA, QStringLiteral("MH000042"));
    EXPECT_EQ(say(QStringLiteral("SELECT YEVMIYE_NO FROM NEWFIS")), 9);

    setParam(QStringLiteral("UPDATE NEWFIS SET TIP = 'O', ORTAK_SB = 'GN', ORTAK_NO = 5"));
    Fis o;
    o.TUR = QStringLiteral("E");
    FisNumaralari::FisBelgeNumara(db, o);
    EXPECT_EQ(o.FISNUMARA, QStringLiteral("GN000005"));
    EXPECT_EQ(say(QStringLiteral("SELECT ORTAK_NO FROM NEWFIS")), 6);

    EXPECT_EQ(FisNumaralari::YeniFisKayitNo(db), 100);
    EXPECT_EQ(FisNumaralari::YeniFisKayitNo(db), 101);
}

// A posting stores header and lines with the header's numbers and date on every line,
// the chart columns copied, and marks its source document; re-posting keeps the numbers
// and replaces the lines.
TEST_F(LedgerTest, PostingStoresVoucherAndRebuildKeepsItsNumbers)
{
    setParam(QStringLiteral("UPDATE NEWFIS SET TIP = 'A', MAHSUP_SB = 'MH', MAHSUPNO1 = 42"));
    satisEkle(7);
    dengeliSatis(1000, 200);
    ASSERT_TRUE(BelgeMuhasebelestir(QLatin1Char('S'), false, 7, 0, false));
    const double fisNo = db.scalar(QStringLiteral("SELECT FIS_NO FROM SATIS WHERE SATIS_NO = 7")).toDouble();
    ASSERT_GT(fisNo, 0);
    auto h = db.records(QStringLiteral("SELECT * FROM FIS WHERE FISNO = :n"), {{QStringLiteral("n"), fisNo}});
    ASSERT_EQ(h.size(), 1);
    EXPECT_EQ(sqlText(h[0].value("FISNUMARA")), QStringLiteral("MH000042"));
    EXPECT_DOUBLE_EQ(h[0].value("BORC").toDouble(), 1200);
    EXPECT_DOUBLE_EQ(h[0].value("ALACAK").toDouble(), 1200);
    EXPECT_EQ(sqlText(h[0].value("ENT_TIP")), QStringLiteral("S"));
    EXPECT_EQ(h[0].value("AY").toInt(), 3);
    const QVariant yevmiye = h[0].value("YEVMIYE_NO");

    auto l = db.records(QStringLiteral("SELECT * FROM FISAYR WHERE FISNO = :n ORDER BY FA_ID"), {{QStringLiteral("n"), fisNo}});
    ASSERT_EQ(l.size(), 3);
    EXPECT_EQ(sqlText(l[0].value("HSPKODU")), QStringLiteral("120.01"));
    EXPECT_DOUBLE_EQ(l[0].value("BORC").toDouble(), 1200);
    EXPECT_EQ(l[0].value("KEBIR").toInt(), 120);
    EXPECT_EQ(l[2].value("SIRANO").toInt(), 3);
    EXPECT_EQ(sqlText(l[1].value("FISNUMARA")), QStringLiteral("MH000042"));
    EXPECT_EQ(toDate(l[1].value("TARIH")), QDate(2026, 3, 15));
    EXPECT_EQ(sqlText(l[1].value("ENT_REF_TIP")), QStringLiteral("S"));
    EXPECT_DOUBLE_EQ(l[1].value("ENT_REF_NO").toDouble(), 7);
    EXPECT_EQ(sqlText(l[1].value("DOVIZ_KOD")), QStringLiteral("TL"));

    // Posting again with the document's voucher number rebuilds the same voucher.
    satirlar = {{QStringLiteral("120.01"), QStringLiteral("B"), 500}, {QStringLiteral("600.01"), QStringLiteral("A"), 500}};
    ASSERT_TRUE(BelgeMuhasebelestir(QLatin1Char('S'), false, 7, fisNo, false));
    EXPECT_EQ(say(QStringLiteral("SELECT COUNT(*) FROM FIS")), 1);
    h = db.records(QStringLiteral("SELECT * FROM FIS WHERE FISNO = :n"), {{QStringLiteral("n"), fisNo}});
    EXPECT_EQ(sqlText(h[0].value("FISNUMARA")), QStringLiteral("MH000042"));
    EXPECT_EQ(h[0].value("YEVMIYE_NO").toDouble(), yevmiye.toDouble());
    EXPECT_DOUBLE_EQ(h[0].value("BORC").toDouble(), 500);
    l = db.records(QStringLiteral("SELECT * FROM FISAYR WHERE FISNO = :n ORDER BY FA_ID"), {{QStringLiteral("n"), fisNo}});
    ASSERT_EQ(l.size(), 2);
    EXPECT_DOUBLE_EQ(l[1].value("ALACAK").toDouble(), 500);
    EXPECT_EQ(say(QStringLiteral("SELECT MAHSUPNO1 FROM NEWFIS")), 43);
    EXPECT_DOUBLE_EQ(db.scalar(QStringLiteral("SELECT FIS_NO FROM SATIS WHERE SATIS_NO = 7")).toDouble(), fisNo);

    // A voucher number that no longer exists gives a new voucher.
    ASSERT_TRUE(BelgeMuhasebelestir(QLatin1Char('S'), false, 7, 9999, false));
    EXPECT_EQ(say(QStringLiteral("SELECT COUNT(*) FROM FIS")), 2);
    EXPECT_EQ(say(QStringLiteral("SELECT MAHSUPNO1 FROM NEWFIS")), 44);
    EXPECT_EQ(say(QStringLiteral("SELECT COUNT(DISTINCT FA_ID) FROM FISAYR")), say(QStringLiteral("SELECT COUNT(*) FROM FISAYR")));
}

// Debit and credit may differ by 0.001 at most; beyond that nothing is stored and the
// source stays unposted, with the diagnostic message when the program runs with "D".
TEST_F(LedgerTest, BalanceToleranceBothWays)
{
    satisEkle(1);
    satirlar = {{QStringLiteral("120.01"), QStringLiteral("B"), 100.0},
                {QStringLiteral("600.01"), QStringLiteral("A"), 100.0009}};
    ASSERT_TRUE(BelgeMuhasebelestir(QLatin1Char('S'), false, 1, 0, false));
    EXPECT_EQ(say(QStringLiteral("SELECT COUNT(*) FROM FIS")), 1);

    satisEkle(2);
    satirlar = {{QStringLiteral("120.01"), QStringLiteral("B"), 100.0},
                {QStringLiteral("600.01"), QStringLiteral("A"), 100.002}};
    // A batch run shows nothing and hands the reason back.
    EXPECT_EQ(muhasebelestir(db, QLatin1Char('S'), false, 2, 0, false).hata,
              QStringLiteral("Fiş Borç-Alacak Tutarı Birbirine Eşit Değil.Dengesiz Fiş Kaydı Yapılamaz, "
                             "Borç:100,00 Alacak:100,002"));
    EXPECT_EQ(say(QStringLiteral("SELECT COUNT(*) FROM FIS")), 1);
    EXPECT_EQ(say(QStringLiteral("SELECT COUNT(*) FROM FISAYR")), 2);
    EXPECT_TRUE(db.scalar(QStringLiteral("SELECT FIS_NO FROM SATIS WHERE SATIS_NO = 2")).isNull());

    TDMuh::tanilama() = true;
    satirlar = {{QStringLiteral("120.01"), QStringLiteral("B"), 1500.5},
                {QStringLiteral("600.01"), QStringLiteral("A"), 1000}};
    (*prompter)->expectWarn(kDengesiz).expectWarn(QStringLiteral("Borç : 1.500,50  Alacak : 1.000,00"));
    EXPECT_FALSE(BelgeMuhasebelestir(QLatin1Char('S'), false, 2, 0, true));
    EXPECT_EQ(say(QStringLiteral("SELECT COUNT(*) FROM FIS")), 1);
}

// A date of another year is stored in the working year; a date before the ledger lock
// is refused with the lock date in the message.
TEST_F(LedgerTest, DateMovedIntoWorkingYearAndLockRefuses)
{
    satisEkle(1);
    tarih = QDate(2025, 3, 15);
    dengeliSatis(100, 20);
    ASSERT_TRUE(BelgeMuhasebelestir(QLatin1Char('S'), false, 1, 0, false));
    EXPECT_EQ(toDate(db.scalar(QStringLiteral("SELECT TARIH FROM FIS"))), QDate(2026, 3, 15));
    EXPECT_EQ(say(QStringLiteral("SELECT COUNT(*) FROM FISAYR WHERE TARIH = :t"),
                  {{QStringLiteral("t"), QDateTime(QDate(2026, 3, 15), QTime(0, 0))}}),
              3);

    setParam(QStringLiteral("UPDATE PARAMETRE SET TRHKILIT = :t"), {{QStringLiteral("t"), QDateTime(QDate(2026, 4, 1), QTime(0, 0))}});
    satisEkle(2);
    tarih = QDate(2026, 3, 31);
    (*prompter)->expectWarn(QStringLiteral("01.04.26 Tarihinden Önce Muh Fiş Kaydı Yapılamaz.Değiştirilemez"));
    EXPECT_FALSE(BelgeMuhasebelestir(QLatin1Char('S'), false, 2, 0, true));
    EXPECT_EQ(say(QStringLiteral("SELECT COUNT(*) FROM FIS")), 1);

    // The voucher dated before the lock cannot be rebuilt either, even with a later date.
    const double eski = db.scalar(QStringLiteral("SELECT FIS_NO FROM SATIS WHERE SATIS_NO = 1")).toDouble();
    tarih = QDate(2026, 5, 1);
    EXPECT_EQ(muhasebelestir(db, QLatin1Char('S'), false, 1, eski, false).hata,
              QStringLiteral("01.04.26 Tarihinden Önce Muh Fiş Kaydı Yapılamaz.Değiştirilemez"));
    EXPECT_EQ(toDate(db.scalar(QStringLiteral("SELECT TARIH FROM FIS"))), QDate(2026, 3, 15));
}

// The line writer: amounts of zero or less write nothing, yet a missing code is noticed
// even then; a missing or non-posting code on a real line blocks the whole voucher.
TEST_F(LedgerTest, LineWriterSkipsZeroLinesAndBlocksOnBadCodes)
{
    satisEkle(1);
    TDMuh m(db);
    m.belgeTuru = QLatin1Char('S');
    m.belgeNo = 1;
    m.fisAc(tarih, QStringLiteral("M"), QString(), QString());
    m.AyrHesapGir(QStringLiteral("120.01"), QStringLiteral("B"), 0, QStringLiteral("sıfır"));
    m.AyrHesapGir(QStringLiteral("600.01"), QStringLiteral("A"), -5, QStringLiteral("eksi"));
    EXPECT_TRUE(m.fis().satirlar.isEmpty());
    EXPECT_FALSE(m.hataliKod);
    m.AyrHesapGir(QString(), QStringLiteral("B"), 0, QStringLiteral("kodsuz sıfır"));
    EXPECT_TRUE(m.fis().satirlar.isEmpty());
    EXPECT_TRUE(m.hataliKod);

    // Positive line without a code: the voucher is not built.
    satirlar = {{QStringLiteral("120.01"), QStringLiteral("B"), 100}, {QString(), QStringLiteral("A"), 100}};
    (*prompter)->expectWarn(TDMuh::eksikKodMesaji());
    EXPECT_FALSE(BelgeMuhasebelestir(QLatin1Char('S'), false, 1, 0, true));
    // A main account that has sub-accounts is no posting account.
    satirlar = {{QStringLiteral("120.01"), QStringLiteral("B"), 100}, {QStringLiteral("600"), QStringLiteral("A"), 100}};
    (*prompter)->expectWarn(TDMuh::eksikKodMesaji());
    EXPECT_FALSE(BelgeMuhasebelestir(QLatin1Char('S'), false, 1, 0, true));
    // Unknown code, batch run: refused without a message.
    satirlar = {{QStringLiteral("120.01"), QStringLiteral("B"), 100}, {QStringLiteral("999.99"), QStringLiteral("A"), 100}};
    EXPECT_FALSE(BelgeMuhasebelestir(QLatin1Char('S'), false, 1, 0, false));
    EXPECT_EQ(say(QStringLiteral("SELECT COUNT(*) FROM FIS")), 0);
    EXPECT_EQ(say(QStringLiteral("SELECT COUNT(*) FROM FISAYR")), 0);
    EXPECT_TRUE(db.scalar(QStringLiteral("SELECT FIS_NO FROM SATIS")).isNull());

    // Every attempted line is traced with code, amount and side.
    QFile f(MuhKodIzi::dosya());
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QStringList iz = QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(iz.size(), 9);
    EXPECT_EQ(iz[0], QStringLiteral("120.01 0.00 B"));
    EXPECT_EQ(iz[8], QStringLiteral("999.99 100.00 A"));
}

// Lines of the same account and side are added up only in merge mode "B", and there only
// with the same currency, rate and group; a group code goes in front of the narration.
TEST_F(LedgerTest, LinesMergeOnlyInMergeMode)
{
    satisEkle(1);
    const QList<Satir> iki = {{QStringLiteral("600.01"), QStringLiteral("A"), 100, QStringLiteral("a")},
                              {QStringLiteral("600.01"), QStringLiteral("A"), 50, QStringLiteral("b")},
                              {QStringLiteral("600.01"), QStringLiteral("A"), 30, QStringLiteral("c"), QStringLiteral("G1")},
                              {QStringLiteral("600.01"), QStringLiteral("A"), 20, QStringLiteral("usd"), {}, 10,
                               QStringLiteral("USD"), 2},
                              {QStringLiteral("120.01"), QStringLiteral("B"), 200}};
    satirlar = iki;
    ASSERT_TRUE(BelgeMuhasebelestir(QLatin1Char('S'), false, 1, 0, false));
    EXPECT_EQ(say(QStringLiteral("SELECT COUNT(*) FROM FISAYR")), 5);
    EXPECT_EQ(sqlText(db.scalar(QStringLiteral("SELECT ACIKLAMA FROM FISAYR WHERE GRUP1_KOD = 'G1'"))), QStringLiteral("(G1)c"));
    auto usd = db.records(QStringLiteral("SELECT * FROM FISAYR WHERE DOVIZ_KOD = 'USD'"));
    ASSERT_EQ(usd.size(), 1);
    EXPECT_DOUBLE_EQ(usd[0].value("DVZ_ALACAK").toDouble(), 10);
    EXPECT_DOUBLE_EQ(usd[0].value("TL_DEGERI").toDouble(), 2);

    birlestirme = QStringLiteral("B");
    const double fisNo = db.scalar(QStringLiteral("SELECT FIS_NO FROM SATIS")).toDouble();
    satirlar = iki;
    ASSERT_TRUE(BelgeMuhasebelestir(QLatin1Char('S'), false, 1, fisNo, false));
    // a+b merged; the grouped line keeps its group; the USD line merges into nothing in TL.
    EXPECT_EQ(say(QStringLiteral("SELECT COUNT(*) FROM FISAYR")), 4);
    EXPECT_DOUBLE_EQ(db.scalar(QStringLiteral("SELECT ALACAK FROM FISAYR WHERE SIRANO = 1")).toDouble(), 150);
}

// The currency suffix of an account code needs both the firm's switch and the card's.
TEST_F(LedgerTest, CurrencySuffixNeedsBothSwitches)
{
    setParam(QStringLiteral("INSERT INTO CARI_KIRILKOD (DVZ_KOD, KIR_KOD) VALUES ('USD', '.02')"));
    setParam(QStringLiteral("UPDATE PARAMET SET KIRIL_TAKIP = 'H'"));
    EXPECT_EQ(TDMuh(db).MuhKodDondur(QStringLiteral("E"), QStringLiteral("USD")), QString());
    setParam(QStringLiteral("UPDATE PARAMET SET KIRIL_TAKIP = 'E'"));
    TDMuh m(db);
    EXPECT_EQ(m.MuhKodDondur(QStringLiteral("E"), QStringLiteral("USD")), QStringLiteral(".02"));
    EXPECT_EQ(m.MuhKodDondur(QStringLiteral("H"), QStringLiteral("USD")), QString());
    EXPECT_EQ(m.MuhKodDondur(QStringLiteral("E"), QStringLiteral("EUR")), QString());
}

// After a stored voucher an interactive run offers the display; a kind without a
// routine posts nothing.
TEST_F(LedgerTest, DisplayOfferedAfterInteractivePosting)
{
    satisEkle(3);
    dengeliSatis(10, 2);
    QList<std::pair<QChar, double>> acilan;
    TDMuh::fisGoruntuleyici() = [&](QChar t, double n) { acilan << std::make_pair(t, n); };
    (*prompter)->expectAsk(QStringLiteral("Fiş görüntülensinmi?"), true);
    EXPECT_TRUE(BelgeMuhasebelestir(QLatin1Char('S'), false, 3, 0, true));
    TDMuh::fisGoruntuleyici() = nullptr;
    ASSERT_EQ(acilan.size(), 1);
    EXPECT_EQ(acilan[0].first, QLatin1Char('S'));
    EXPECT_EQ(acilan[0].second, 3);

    (*prompter)->expectWarn(QStringLiteral("Bu belge türü için muhasebe kaydı tanımlı değil: Q"));
    EXPECT_FALSE(BelgeMuhasebelestir(QLatin1Char('Q'), false, 3, 0, true));
}
