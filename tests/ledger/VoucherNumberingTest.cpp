#include "LedgerFixture.h"
#include "db/Errors.h"
#include "ledger/FisSaklayici.h"
#include "services/YeniKayitNo.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QSet>

using namespace nimbo;
using namespace nimbo::test;

namespace {
QStringList seri(const QString& onEk, int adet)
{
    QStringList out;
    for (int i = 1; i <= adet; ++i)
        out << onEk + QStringLiteral("%1").arg(i, 8 - int(onEk.size()), 10, QLatin1Char('0'));
    return out;
}
} // namespace

// Several processes storing vouchers at once: every internal, journal and printed number
// (one series per voucher type) and every line id is handed out exactly once and without a
// gap, each process stores the numbers it was given, and the lines carry their header's.
TEST_F(LedgerTest, ConcurrentVoucherStoresNeverShareANumber)
{
    setParam(QStringLiteral("UPDATE NEWFIS SET YENINO = 1, YEVMIYE_NO = 1, TIP = 'A', MAHSUP_SB = 'MH', MAHSUPNO1 = 1, "
                            "TAHSIL_SB = 'TH', TAHSILNO1 = 1"));
    const int procs = 4;
    const int each = 40;
    const QString worker = QCoreApplication::applicationDirPath() + QStringLiteral("/nimbo_voucher_worker");
    ASSERT_TRUE(QFile::exists(worker)) << worker.toStdString();
    const QString physical = db.dialect().isPostgres() ? db.sql().databaseName() : db.params().database;
    closeCounterConnection(db);

    QList<QProcess*> running;
    for (int i = 0; i < procs; ++i) {
        auto* p = new QProcess;
        p->setProgram(worker);
        p->setArguments({TestEnv::driver(), TestEnv::server(), physical, QString::number(each)});
        p->start();
        running << p;
    }
    QHash<qint64, QString> verilen; // internal number -> printed number, as the processes saw them
    int satir = 0;
    for (QProcess* p : running) {
        ASSERT_TRUE(p->waitForFinished(300000));
        EXPECT_EQ(p->exitCode(), 0) << p->readAllStandardError().toStdString();
        for (const QByteArray& l : p->readAllStandardOutput().split('\n')) {
            const QList<QByteArray> f = l.trimmed().split(' ');
            if (f.size() != 2)
                continue;
            ++satir;
            verilen.insert(f[0].toLongLong(), QString::fromUtf8(f[1]));
        }
        delete p;
    }
    const int toplam = procs * each;
    ASSERT_EQ(satir, toplam);
    ASSERT_EQ(verilen.size(), toplam); // no internal number twice

    QSet<qint64> fisNo, yevmiye;
    QStringList numaralar;
    for (const QSqlRecord& r : db.records(QStringLiteral("SELECT FISNO, YEVMIYE_NO, FISNUMARA FROM FIS"))) {
        const qint64 no = qRound64(r.value(0).toDouble());
        fisNo.insert(no);
        yevmiye.insert(qRound64(r.value(1).toDouble()));
        numaralar << sqlText(r.value(2));
        EXPECT_EQ(verilen.value(no), sqlText(r.value(2))) << no;
    }
    EXPECT_EQ(fisNo.size(), toplam);
    EXPECT_EQ(yevmiye.size(), toplam);
    for (qint64 n = 1; n <= toplam; ++n) {
        EXPECT_TRUE(fisNo.contains(n)) << "internal number " << n;
        EXPECT_TRUE(yevmiye.contains(n)) << "journal number " << n;
    }
    numaralar.sort();
    QStringList beklenen = seri(QStringLiteral("MH"), toplam / 2) + seri(QStringLiteral("TH"), toplam / 2);
    beklenen.sort();
    EXPECT_EQ(numaralar, beklenen);

    EXPECT_EQ(say(QStringLiteral("SELECT COUNT(*) FROM FISAYR")), 2 * toplam);
    EXPECT_EQ(say(QStringLiteral("SELECT COUNT(DISTINCT FA_ID) FROM FISAYR")), 2 * toplam);
    EXPECT_EQ(say(QStringLiteral("SELECT COUNT(*) FROM FISAYR L JOIN FIS H ON H.FISNO = L.FISNO WHERE "
                                 "L.YEVMIYE_NO <> H.YEVMIYE_NO OR L.FISNUMARA <> H.FISNUMARA OR L.TUR <> H.TUR")),
              0);
    EXPECT_EQ(say(QStringLiteral("SELECT YENINO FROM NEWFIS")), toplam + 1);
    EXPECT_EQ(say(QStringLiteral("SELECT YEVMIYE_NO FROM NEWFIS")), toplam + 1);
    EXPECT_EQ(say(QStringLiteral("SELECT MAHSUPNO1 FROM NEWFIS")), toplam / 2 + 1);
    EXPECT_EQ(say(QStringLiteral("SELECT TAHSILNO1 FROM NEWFIS")), toplam / 2 + 1);
}

namespace {
Fis ikiSatirliFis(const QDate& tarih, double borc, double alacak)
{
    Fis f;
    f.TARIH = tarih;
    f.TUR = QStringLiteral("M");
    FisSatiri b, a;
    b.HSPKODU = QStringLiteral("120.01");
    b.BORC = borc;
    a.HSPKODU = QStringLiteral("600.01");
    a.ALACAK = alacak;
    f.satirlar << b << a;
    return f;
}
} // namespace

// The numbers a voucher reached stay used whatever stops it: a date refusal takes the
// internal number only, an imbalance also the journal and printed ones, a database error in
// the store's transaction all of them; none is handed out again, and a re-store keeps them.
TEST_F(LedgerTest, RefusedOrFailedVoucherKeepsTheNumbersItReached)
{
    setParam(QStringLiteral("UPDATE NEWFIS SET YENINO = 10, YEVMIYE_NO = 5, TIP = 'A', MAHSUP_SB = 'MH', MAHSUPNO1 = 42"));
    setParam(QStringLiteral("UPDATE PARAMETRE SET TRHKILIT = :t"), {{QStringLiteral("t"), QDateTime(QDate(2026, 4, 1), QTime(0, 0))}});
    const auto sayaclar = [&] {
        return QStringLiteral("%1 %2 %3")
            .arg(say(QStringLiteral("SELECT YENINO FROM NEWFIS")))
            .arg(say(QStringLiteral("SELECT YEVMIYE_NO FROM NEWFIS")))
            .arg(say(QStringLiteral("SELECT MAHSUPNO1 FROM NEWFIS")));
    };
    // Internal, journal and printed number of a voucher.
    const auto numaralari = [](const Fis& f) {
        return QStringLiteral("%1 %2 %3").arg(f.FISNO).arg(f.YEVMIYE_NO.toString(), f.FISNUMARA);
    };
    FisSaklayici s(db);
    s.setSessiz(true);

    Fis kilitli = ikiSatirliFis(QDate(2026, 3, 31), 100, 100);
    EXPECT_FALSE(s.sakla(kilitli));
    EXPECT_EQ(numaralari(kilitli), QStringLiteral("10  "));
    EXPECT_EQ(sayaclar(), QStringLiteral("11 5 42"));

    Fis dengesiz = ikiSatirliFis(QDate(2026, 4, 15), 100, 90);
    EXPECT_FALSE(s.sakla(dengesiz));
    EXPECT_EQ(numaralari(dengesiz), QStringLiteral("11 5 MH000042"));
    EXPECT_EQ(sayaclar(), QStringLiteral("12 6 43"));
    EXPECT_EQ(say(QStringLiteral("SELECT COUNT(*) FROM FIS")), 0);

    // A failure after the numbers were drawn rolls the voucher back, not the counters.
    Fis bozuk = ikiSatirliFis(QDate(2026, 4, 15), 100, 100);
    EXPECT_THROW(s.sakla(bozuk, [](const Db& d, const Fis&) { d.exec(QStringLiteral("UPDATE OLMAYAN_TABLO SET X = 1")); }),
                 DbError);
    EXPECT_EQ(say(QStringLiteral("SELECT COUNT(*) FROM FIS")), 0);
    EXPECT_EQ(say(QStringLiteral("SELECT COUNT(*) FROM FISAYR")), 0);
    EXPECT_EQ(sayaclar(), QStringLiteral("13 7 44"));

    Fis iyi = ikiSatirliFis(QDate(2026, 4, 15), 100, 100);
    ASSERT_TRUE(s.sakla(iyi));
    EXPECT_EQ(numaralari(iyi), QStringLiteral("13 7 MH000044"));
    EXPECT_EQ(sayaclar(), QStringLiteral("14 8 45"));

    // Stored again with other lines: same numbers, the lines replaced.
    iyi.satirlar[0].BORC = 250;
    iyi.satirlar[1].ALACAK = 200;
    FisSatiri kdv;
    kdv.HSPKODU = QStringLiteral("391.01");
    kdv.ALACAK = 50;
    iyi.satirlar << kdv;
    ASSERT_TRUE(s.sakla(iyi));
    EXPECT_EQ(sayaclar(), QStringLiteral("14 8 45"));
    EXPECT_EQ(say(QStringLiteral("SELECT COUNT(*) FROM FIS")), 1);
    const auto satirlar = db.records(QStringLiteral("SELECT FA_ID, SIRANO, HSPKODU, BORC, ALACAK, FISNUMARA FROM FISAYR "
                                                   "ORDER BY FA_ID"));
    ASSERT_EQ(satirlar.size(), 3);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(satirlar[i].value(1).toInt(), i + 1);
        EXPECT_EQ(sqlText(satirlar[i].value(5)), QStringLiteral("MH000044"));
    }
    EXPECT_EQ(sqlText(satirlar[2].value(2)), QStringLiteral("391.01"));
    EXPECT_DOUBLE_EQ(db.scalar(QStringLiteral("SELECT BORC FROM FIS")).toDouble(), 250);
}
