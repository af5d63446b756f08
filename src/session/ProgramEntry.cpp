#include "session/ProgramEntry.h"
#include "db/DbTransaction.h"
#include "services/CompanyParameterLoader.h"
#include "services/SessionContext.h"
#include "session/LaunchParameters.h"

#include <QDateTime>

namespace nimbo {

Installation ProgramEntry::readInstallation(const Db& db)
{
    Installation e;
    const QVector<QSqlRecord> rows = db.records(QStringLiteral("SELECT FIRMA_ADI, ACE, PRGYOLU FROM EKIM"));
    if (!rows.isEmpty()) {
        e.firmaAdi = toText(rows.first().value(0)).trimmed();
        e.ace = toText(rows.first().value(1)).trimmed();
        e.prgYolu = toText(rows.first().value(2)).trimmed();
    }
    return e;
}

QString ProgramEntry::mainTitle(const Installation& ekim, const SessionContext& s)
{
    const QString licensee = ekim.firmaAdi.isEmpty() ? QStringLiteral("NimboSoft") : ekim.firmaAdi;
    return licensee + QStringLiteral(" (VT : ") + s.FirmaAdi + s.CalismaYili + QStringLiteral(")")
           + QStringLiteral(" (KULLANICI : ") + s.KullaniciAdi + QStringLiteral(")");
}

void ProgramEntry::enter(const Db& db, SessionContext& s)
{
    // A cancelled login at a firm change leaves no user: there is no entry to log then.
    if (!s.KullaniciAdi.isEmpty()) {
        const QString staff = toText(db.scalar(QStringLiteral("SELECT PERSON_KOD FROM KIMKUL WHERE "
                                                              "UPPER(KULLANICI) = UPPER(:k)"),
                                               {{QStringLiteral("k"), s.KullaniciAdi}}));
        DbTransaction tx(db);
        db.exec(QStringLiteral("INSERT INTO PROSES (TARIH, KULLANICI, TIP, ACIKLAMA) VALUES (:t, :k, :tip, :a)"),
                {{QStringLiteral("t"), QDateTime::currentDateTime()},
                 {QStringLiteral("k"), s.KullaniciAdi},
                 {QStringLiteral("tip"), QStringLiteral("G")},
                 {QStringLiteral("a"), (QStringLiteral("Programa Giriş ") + staff).left(95)}});
        tx.commit();
    }
    loadMainFormSwitches(db, s);
    LaunchParameters::setCurrent(LaunchParameters::build(s));
}

} // namespace nimbo
