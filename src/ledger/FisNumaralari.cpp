#include "ledger/FisNumaralari.h"
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
    const bool yevmiyeBos = fis.YEVMIYE_NO.isNull() || !fis.YEVMIYE_NO.isValid();
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

} // namespace nimbo
