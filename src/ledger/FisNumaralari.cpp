#include "ledger/FisNumaralari.h"
#include "db/DbTransaction.h"
#include "db/Errors.h"
#include "services/YeniKayitNo.h"

#include <QSqlQuery>

namespace nimbo {

namespace {

struct Seri {
    const char* onEk;
    const char* sayac;
};

// The series of a voucher type when every type counts on its own (NEWFIS.TIP "A").
Seri seriOf(const QString& tur)
{
    if (tur == QLatin1String("C"))
        return {"TAHSIL_SB", "TAHSILNO1"};
    if (tur == QLatin1String("E"))
        return {"TEDIYE_SB", "TEDIYENO1"};
    if (tur == QLatin1String("O"))
        return {"OZEL_SB", "OZEL1"};
    return {"MAHSUP_SB", "MAHSUPNO1"};
}

// Locks the counter row first: the UPDATE holds it on PostgreSQL until the counter commits.
QSqlQuery lockedRow(const Db& c)
{
    c.exec(QStringLiteral("UPDATE NEWFIS SET YENINO = YENINO"));
    QSqlQuery q = c.exec(QStringLiteral("SELECT * FROM NEWFIS"));
    if (!q.next())
        throw UserError(QStringLiteral("NEWFIS sayaç kaydı yok"));
    return q;
}

// NEWFIS.TIP "A": every voucher type counts on its own series.
const char* const kAyri = "TRIM(TIP) = 'A'";

// The number a counter column hands out (at least 1) plus one: what it stores afterwards.
QString sonraki(const QString& kolon)
{
    return QStringLiteral("CASE WHEN COALESCE(%1, 0) < 1 THEN 1 ELSE %1 END + 1").arg(kolon);
}

bool yevmiyeBos(const Fis& fis) { return fis.YEVMIYE_NO.isNull() || !fis.YEVMIYE_NO.isValid(); }

} // namespace

QString FisNumaralari::FisNumarasi(const QString& onEk, double sayac)
{
    const QString numara = QString::asprintf("%0.0f", sayac);
    const int sifir = qMax(0, 8 - int(onEk.size()) - int(numara.size()));
    return onEk + QString(sifir, QLatin1Char('0')) + numara;
}

double FisNumaralari::YeniFisKayitNo(const Db& db)
{
    double no = 0;
    withCounterLock(db, [&](const Db& c) {
        QSqlQuery q = lockedRow(c);
        no = q.value(QStringLiteral("YENINO")).toDouble();
        if (no <= 0)
            no = 1;
        q.finish();
        c.exec(QStringLiteral("UPDATE NEWFIS SET YENINO = :n"), {{QStringLiteral("n"), no + 1}});
    }, true);
    return no;
}

void FisNumaralari::FisBelgeNumara(const Db& db, Fis& fis)
{
    const bool yevmiyeBos = nimbo::yevmiyeBos(fis);
    const bool numaraBos = fis.FISNUMARA.trimmed().isEmpty();
    if (!yevmiyeBos && !numaraBos)
        return;
    withCounterLock(db, [&](const Db& c) {
        QSqlQuery q = lockedRow(c);
        const QSqlRecord r = q.record();
        q.finish();
        Params set;
        QStringList atamalar;
        if (yevmiyeBos) {
            const double yev = qMax(1.0, r.value(QStringLiteral("YEVMIYE_NO")).toDouble());
            fis.YEVMIYE_NO = yev;
            atamalar << QStringLiteral("YEVMIYE_NO = :yev");
            set.insert(QStringLiteral("yev"), yev + 1);
        }
        if (numaraBos) {
            const bool ayri = toText(r.value(QStringLiteral("TIP"))).trimmed() == QLatin1String("A");
            const Seri s = ayri ? seriOf(fis.TUR) : Seri{"ORTAK_SB", "ORTAK_NO"};
            const QString sayacKolon = QLatin1String(s.sayac);
            const double sayac = qMax(1.0, r.value(sayacKolon).toDouble());
            fis.FISNUMARA = FisNumarasi(toText(r.value(QLatin1String(s.onEk))).trimmed(), sayac);
            atamalar << sayacKolon + QStringLiteral(" = :sayac");
            set.insert(QStringLiteral("sayac"), sayac + 1);
        }
        c.exec(QStringLiteral("UPDATE NEWFIS SET ") + atamalar.join(QStringLiteral(", ")), set);
    }, true);
}

void FisNumaralari::numaralariAl(const Db& db, Fis& fis, bool yeniNo, bool belgeNumaralari, bool joinOpenTransaction)
{
    const bool yevmiye = belgeNumaralari && yevmiyeBos(fis);
    const bool numara = belgeNumaralari && fis.FISNUMARA.trimmed().isEmpty();
    if (!yeniNo && !yevmiye && !numara)
        return;
    // Each SET sees the row as it was, so every counter hands out its stored number; the
    // series of the printed number is chosen by NEWFIS.TIP in the same statement.
    const Seri seri = seriOf(fis.TUR);
    const QString sayac = QLatin1String(seri.sayac);
    QStringList atamalar;
    QStringList kolonlar; // the counters advanced, for a rollback to keep them advanced
    if (yeniNo) {
        atamalar << QStringLiteral("YENINO = CASE WHEN COALESCE(YENINO, 0) <= 0 THEN 1 ELSE YENINO END + 1");
        kolonlar << QStringLiteral("YENINO");
    }
    if (yevmiye) {
        atamalar << QStringLiteral("YEVMIYE_NO = ") + sonraki(QStringLiteral("YEVMIYE_NO"));
        kolonlar << QStringLiteral("YEVMIYE_NO");
    }
    if (numara) {
        atamalar << QStringLiteral("%1 = CASE WHEN %2 THEN %3 ELSE %1 END")
                        .arg(sayac, QLatin1String(kAyri), sonraki(sayac))
                 << QStringLiteral("ORTAK_NO = CASE WHEN %1 THEN ORTAK_NO ELSE %2 END")
                        .arg(QLatin1String(kAyri), sonraki(QStringLiteral("ORTAK_NO")));
        kolonlar << sayac << QStringLiteral("ORTAK_NO");
    }
    const QString sql = QStringLiteral("UPDATE NEWFIS SET %1 RETURNING YENINO, YEVMIYE_NO, %2, %3, ORTAK_NO, ORTAK_SB, "
                                       "CASE WHEN %4 THEN 1 ELSE 0 END AS AYRI")
                            .arg(atamalar.join(QStringLiteral(", ")), sayac, QLatin1String(seri.onEk),
                                 QLatin1String(kAyri));
    QSqlRecord r;
    withCounterLock(db, [&](const Db& c) {
        const auto satir = c.records(sql); // kept prepared: every posting runs it
        if (satir.isEmpty())
            throw UserError(QStringLiteral("NEWFIS sayaç kaydı yok"));
        r = satir.first();
        if (!c.inTransaction())
            return;
        // Joined to a transaction: should it roll back, the counters still stand past what was handed out.
        QStringList geri;
        Params p;
        for (const QString& k : kolonlar) {
            geri << QStringLiteral("%1 = CASE WHEN COALESCE(%1, 0) < :a_%1 THEN :b_%1 ELSE %1 END").arg(k);
            p.insert(QStringLiteral("a_") + k, r.value(k));
            p.insert(QStringLiteral("b_") + k, r.value(k));
        }
        const QString keep = QStringLiteral("UPDATE NEWFIS SET ") + geri.join(QStringLiteral(", "));
        DbTransaction::keepOnRollback(c, [keep, p](const Db& d) { d.execAffected(keep, p); });
    }, joinOpenTransaction);

    // The row holds the next numbers: the ones handed out are one less.
    const auto verilen = [&](const QString& kolon) { return r.value(kolon).toDouble() - 1; };
    if (yeniNo)
        fis.FISNO = verilen(QStringLiteral("YENINO"));
    if (yevmiye)
        fis.YEVMIYE_NO = verilen(QStringLiteral("YEVMIYE_NO"));
    if (numara) {
        const bool ayri = r.value(QStringLiteral("AYRI")).toInt() == 1;
        fis.FISNUMARA = FisNumarasi(toText(r.value(ayri ? QLatin1String(seri.onEk) : QLatin1String("ORTAK_SB"))).trimmed(),
                                    verilen(ayri ? sayac : QStringLiteral("ORTAK_NO")));
    }
}

} // namespace nimbo
