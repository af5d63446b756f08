#include "ledger/SatisMaliyetMuhasebesi.h"
#include "db/DbTransaction.h"
#include "ledger/SatisMaliyeti.h"
#include "services/SessionContext.h"

#include <QSqlRecord>

namespace nimbo::SatisMaliyetMuhasebesi {

namespace {

// The year the months belong to: the session's working year, else the one the month was
// costed in before, else this year.
int yilOf(const Db& db, int ay)
{
    if (const int y = SessionContext::current().CalismaYiliNo; y > 0)
        return y;
    const QDate t = toDate(db.scalar(QStringLiteral("SELECT TARIH FROM SATMALIMUH WHERE AY = :ay"), {{QStringLiteral("ay"), ay}}));
    return t.isValid() ? t.year() : QDate::currentDate().year();
}

// Every month of the period that has sales invoices gets its row, so that bulk posting lists it.
void aylariHazirla(const Db& db, const QDate& bas, const QDate& bit)
{
    DbTransaction tx(db, DbTransaction::Nesting::Join);
    for (QDate ay(bas.year(), bas.month(), 1); ay <= bit && ay.year() == bas.year(); ay = ay.addMonths(1)) {
        const Params p{{QStringLiteral("ay"), ay.month()},
                       {QStringLiteral("a"), QDateTime(ay, QTime(0, 0))},
                       {QStringLiteral("b"), QDateTime(ay.addMonths(1), QTime(0, 0))},
                       {QStringLiteral("t"), QDateTime(ay.addMonths(1).addDays(-1), QTime(0, 0))}};
        if (!db.any(QStringLiteral("SELECT 1 FROM SATMALIMUH WHERE AY = :ay"), p)
            && db.any(QStringLiteral("SELECT 1 FROM SATIS WHERE FATARIH >= :a AND FATARIH < :b AND TIP IN (%1)")
                          .arg(SatisMaliyeti::satisTipleri()),
                      p))
            db.exec(QStringLiteral("INSERT INTO SATMALIMUH (AY, TARIH, TUTAR) VALUES (:ay, :t, 0)"), p);
    }
    tx.commit();
}

} // namespace

void muhasebelestir(TDMuh& m, bool)
{
    const Db& db = m.db();
    const int ay = int(m.belgeNo);
    if (ay < 1 || ay > 12) {
        m.reddet(QStringLiteral("Ay 1 ile 12 arasında olmalı: ") + QString::number(m.belgeNo));
        return;
    }
    SatisMaliyeti::hesapla(db, yilOf(db, ay), ay);
    const Params ayi{{QStringLiteral("ay"), ay}};
    const QDate tarih = toDate(db.scalar(QStringLiteral("SELECT TARIH FROM SATMALIMUH WHERE AY = :ay"), ayi));
    const QString aciklama = toText(db.scalar(QStringLiteral("SELECT AY_ADI FROM AYLAR WHERE AY = :ay"), ayi)).trimmed()
                             + QStringLiteral(" Ayı Satışların Maliyetler Fişi.");
    m.fisAc(tarih, QStringLiteral("6"), QString::number(ay), aciklama);
    for (const QSqlRecord& r : db.records(QStringLiteral("SELECT S.MIKTAR, S.MALIYET_TL, M.MUH_A, M.MUH_MAL_S FROM MALSAT S "
                                                         "LEFT JOIN STOKMUH M ON M.STOK_NO = S.STOK_NO WHERE S.AY = :ay "
                                                         "ORDER BY S.SATIS_NO, S.SIRANO"),
                                          ayi)) {
        const double tutar = r.value(0).toDouble() * r.value(1).toDouble();
        // Lines without cost write nothing, so they need no codes either.
        if (tutar <= 0)
            continue;
        m.AyrHesapGir(toText(r.value(2)).trimmed(), QStringLiteral("A"), tutar, aciklama);
        m.AyrHesapGir(toText(r.value(3)).trimmed(), QStringLiteral("B"), tutar, aciklama);
    }
    m.FisiSakla(QStringLiteral("SATMALIMUH"), QStringLiteral("AY"));
}

BelgeTuru tanim()
{
    BelgeTuru t;
    t.tur = QLatin1Char('6');
    t.ad = QStringLiteral("Satışların Maliyeti");
    t.tablo = QStringLiteral("SATMALIMUH");
    t.anahtar = QStringLiteral("AY");
    t.bekleyenSql = QStringLiteral("SELECT AY AS NO, TARIH, 'Satışların Maliyeti' AS ACIKLAMA FROM SATMALIMUH "
                                   "WHERE FIS_NO IS NULL AND TARIH >= :bas AND TARIH < :son");
    t.hazirla = &aylariHazirla;
    t.rutin = &muhasebelestir;
    return t;
}

} // namespace nimbo::SatisMaliyetMuhasebesi
