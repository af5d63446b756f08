#include "BenchRunner.h"
#include "BenchSql.h"
#include "TradeBench.h"
#include "db/DbStatement.h"
#include "db/DbTransaction.h"
#include "db/SchemaDef.h"
#include "db/SqlValues.h"
#include "services/SessionContext.h"
#include "services/YeniKayitNo.h"
#include "trade/SatisBelgesi.h"

#include <QCoreApplication>
#include <QProcess>
#include <QSet>

namespace nimbo::bench {

namespace {

const QString kWorkerFlag = QStringLiteral("--sales-save-worker");
const int kSatir = 20;

// Tables a sale writes, with the column that carries its number.
const QList<std::pair<QString, QString>> kTablolar = {
    {"SATIS", "SATIS_NO"}, {"SATISAYR", "SATIS_NO"}, {"STOKHRK", "SATISNO"}, {"FINHRK", "HRK_NO"},
    {"KASAHRKT", "HRKNO"},  {"ODEMES", "REFNO"},      {"SEVK", "SNO"}};

void generate(const Db& db, int items, int customers, int movements)
{
    DbTransaction tx(db);
    tradeBasics(db);
    db.exec(numbers(db, items) + QStringLiteral(
        "INSERT INTO STOK (STOK_NO, STOK_KOD_NO, STOK_ADI_TR, BIRIM1, BIRIM2, B_KATSAYI2, KDV, KDV_DAHIL, DOVIZ_KODU, "
        "SAT_SKFYT_TL, SAT_SKFYT_DOVIZ) SELECT I, 'S' || CAST(1000000 + I AS VARCHAR(10)), 'Ürün ' || CAST(I AS "
        "VARCHAR(10)), 'ADET', 'KOLI', 12, 18, 'H', 'TL', 10 + I % 90, 10 + I % 90 FROM G"));
    db.exec(numbers(db, customers) + QStringLiteral(
        "INSERT INTO CARI (CARI_KOD, FIRMA_ADI, PASIF) SELECT '120.' || CAST(100000 + I AS VARCHAR(10)), "
        "'Müşteri ' || CAST(I AS VARCHAR(10)), 'A' FROM G"));
    db.exec(numbers(db, movements) + QStringLiteral(
        "INSERT INTO STOKHRK (SATISNO, TIP, SIRANO, STOK_NO, GIRMIK, CIKMIK, DEPO_KODU, TARIH) SELECT 900000 + I, 'D', "
        "1, 1 + (CAST(I AS BIGINT) * 7919) % %1, 50, 0, 1, :T FROM G").arg(items),
            {{QStringLiteral("T"), QDateTime(QDate(2026, 1, 2), QTime(0, 0))}});
    db.exec(numbers(db, movements) + QStringLiteral(
        "INSERT INTO FINHRK (KODU, BORC, ALACAK, BORC_DVZ, ALACAK_DVZ, DOVIZ_KODU, ISLEM_TIP, BELGE_TIP, HRK_NO, TARIH) "
        "SELECT '120.' || CAST(100000 + 1 + I % %1 AS VARCHAR(10)), 100, 0, 100, 0, 'TL', 'C', 'X', I, :T FROM G")
                .arg(customers),
            {{QStringLiteral("T"), QDateTime(QDate(2026, 1, 2), QTime(0, 0))}});
    tx.commit();
    db.exec(db.dialect().isPostgres() ? QStringLiteral("VACUUM ANALYZE") : QStringLiteral("ANALYZE"));
}

// A complete 20-line cash invoice with dispatch: header, lines, movements, the customer's
// and the desk's finance rows, the desk row, the payment and the shipment.
double saveInvoice(const Db& db, int n, int items, int customers)
{
    SatisBelgesi b(db);
    b.setHeader(QStringLiteral("CARIKOD"), QStringLiteral("120.%1").arg(100000 + 1 + (n * 37) % customers));
    b.setHeader(QStringLiteral("FAT_NO"), QStringLiteral("B%1").arg(n, 8, 10, QLatin1Char('0')));
    b.setHeader(QStringLiteral("KASAKOD"), QStringLiteral("K01"));
    // Twenty items picked together from the item list, then quantities and discounts typed.
    QList<double> secilen;
    for (int l = 0; l < kSatir; ++l)
        secilen << double(1 + (n * kSatir + l) * 997 % items);
    const QList<int> satirlar = b.stoklarEkle(secilen);
    for (int l = 0; l < kSatir; ++l) {
        b.setLine(satirlar[l], QStringLiteral("MIKTAR"), double(1 + l % 5));
        if (l % 4 == 0)
            b.setLine(satirlar[l], QStringLiteral("ISKONTO"), 5.0);
    }
    b.save();
    return b.key().toDouble();
}

int saveWorker(const QStringList& a)
{
    // args: flag DRIVER SERVER DATABASE COUNT FIRST ITEMS CUSTOMERS
    ConnectionParams p;
    p.driver = a.value(1);
    p.server = a.value(2);
    p.database = a.value(3);
    try {
        const Db db = Db::open(kOrbita, p);
        loginBenchUser();
        const int n = a.value(4).toInt(), first = a.value(5).toInt();
        QByteArray out;
        for (int i = 0; i < n; ++i)
            out += QByteArray::number(qRound64(saveInvoice(db, first + i, a.value(6).toInt(), a.value(7).toInt()))) + '\n';
        std::fwrite(out.constData(), 1, out.size(), stdout);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 0;
}

void checkComplete(const Db& db, const QList<qint64>& nos)
{
    for (qint64 no : nos) {
        const Params p{{QStringLiteral("N"), no}};
        const int satir = db.scalar(QStringLiteral("SELECT COUNT(*) FROM SATISAYR WHERE SATIS_NO=:N"), p).toInt();
        const int hareket = db.scalar(QStringLiteral("SELECT COUNT(*) FROM STOKHRK WHERE SATISNO=:N AND TIP='S'"), p).toInt();
        const int finans = db.scalar(QStringLiteral("SELECT COUNT(*) FROM FINHRK WHERE HRK_NO=:N AND BELGE_TIP='S'"), p).toInt();
        const int kasa = db.scalar(QStringLiteral("SELECT COUNT(*) FROM KASAHRKT WHERE HRKNO=:N AND REF_TIP='C'"), p).toInt();
        if (satir != kSatir || hareket != kSatir || finans != 3 || kasa != 1)
            throw UserError(QStringLiteral("satış %1 eksik: %2 satır, %3 hareket, %4 finans, %5 kasa")
                                .arg(no).arg(satir).arg(hareket).arg(finans).arg(kasa));
    }
}

QList<Timing> salesScenario(const BenchContext& ctx)
{
    QList<Timing> out;
    const int items = 50000 * ctx.size, customers = 5000 * ctx.size, movements = 500000 * ctx.size;
    const ConnectionParams p = ctx.year(QStringLiteral("BENCHSATIS2026"));
    Db db = freshYear(p);
    out << Timing{QStringLiteral("generate STOK, CARI, STOKHRK, FINHRK"), 1,
                  timeIt([&] { generate(db, items, customers, movements); }), items + customers + 2 * movements};
    loginBenchUser();
    const QString engine = engineName(db);
    const SaveRun run = timeSavesBesideRaw(db, QStringLiteral("20-line cash invoice"), 400,
                                           [&](int i) { return saveInvoice(db, i, items, customers); }, kTablolar);
    out << run.timings;
    const qint64 perDoc = run.rowsPerDocument;

    if (db.dialect().isPostgres()) {
        const int procs = 8, each = 25;
        const QString physical = Db::physicalName(db.dialect(), db.params().database);
        QList<QProcess*> workers;
        QList<qint64> nos;
        const double secs = timeIt([&] {
            for (int i = 0; i < procs; ++i) {
                auto* w = new QProcess;
                w->start(QCoreApplication::applicationFilePath(),
                         {kWorkerFlag, ctx.driver, ctx.server, physical, QString::number(each),
                          QString::number(10000 + i * each), QString::number(items), QString::number(customers)});
                workers << w;
            }
            for (QProcess* w : workers) {
                w->waitForFinished(-1);
                if (w->exitCode() != 0)
                    throw UserError(QStringLiteral("satış işçisi hata verdi: ") + QString::fromUtf8(w->readAllStandardError()));
                for (const QByteArray& l : w->readAllStandardOutput().split('\n'))
                    if (!l.trimmed().isEmpty())
                        nos << l.trimmed().toLongLong();
            }
        });
        qDeleteAll(workers);
        const QSet<qint64> distinct(nos.begin(), nos.end());
        if (nos.size() != procs * each || distinct.size() != nos.size())
            throw UserError(QStringLiteral("satış: %1 belge, %2 farklı numara").arg(nos.size()).arg(distinct.size()));
        checkComplete(db, nos);
        out << Timing{QStringLiteral("save 20-line cash invoice, 8 processes at once (%1)").arg(engine), procs * each,
                      secs, procs * each * perDoc};
    }
    explain(db, QStringLiteral("sales list, newest first"),
            QStringLiteral("SELECT SATIS_NO FROM SATIS WHERE TIP=:T ORDER BY SATIS_NO DESC"), {{QStringLiteral("T"), QStringLiteral("R")}});
    explain(db, QStringLiteral("invoice number order check"),
            QStringLiteral("SELECT FAT_NO FROM SATIS WHERE FAT_NO<=:F AND FATARIH>:T"),
             {{QStringLiteral("F"), QStringLiteral("B00000100")}, {QStringLiteral("T"), QDateTime(QDate(2026, 1, 1), QTime(0, 0))}});
    explain(db, QStringLiteral("customer balance before the document"),
            QStringLiteral("SELECT SUM(ALACAK), SUM(BORC) FROM FINHRK WHERE KODU=:K"), {{QStringLiteral("K"), QStringLiteral("120.100001")}});

    closeCounterConnection(db);
    Db::close(kOrbita);
    Db::dropDatabase(p);
    SessionContext::current().reset();
    return out;
}

} // namespace

void registerSalesScenarios()
{
    const QStringList args = QCoreApplication::arguments();
    if (args.size() > 1 && args.at(1) == kWorkerFlag)
        std::exit(saveWorker(args.mid(1)));
    registerScenario({QStringLiteral("satis"),
                      QStringLiteral("sales: a complete 20-line cash invoice saved through the sales document beside "
                                     "the raw insert rate of the same rows; 8 processes saving at once (PostgreSQL)"),
                      salesScenario});
}

} // namespace nimbo::bench
