#include "services/SharedLists.h"
#include "services/Prompter.h"
#include "services/SessionContext.h"

#include <QSqlQuery>
#include <QSqlRecord>
#include <stdexcept>

namespace nimbo {

namespace {
// (integer code, name) rows of the logged-in user's lists.
QList<PickItem> codedList(const Db& db, const QString& sql, const Params& p)
{
    QList<PickItem> out;
    QSqlQuery q = db.exec(sql, p);
    while (q.next())
        out.append({toText(q.value(1)), q.value(0).toInt()});
    return out;
}

bool fillUserBranches(const Db& db, SessionContext& s)
{
    s.kullaniciSubeleri.clear();
    s.malAlacagiDepolar.clear();
    if (s.KullaniciAdi.isEmpty())
        return true;
    const Params user{{QStringLiteral("k"), s.KullaniciAdi}};
    s.kullaniciSubeleri = codedList(db,
                                    QStringLiteral("SELECT KSB.SUBEKODU, SB.SUBE_ADI FROM KIMKUL K "
                                                   "INNER JOIN KIMKULSUBE KSB ON K.KULLANICI = KSB.KULLANICI "
                                                   "INNER JOIN SUBELER SB ON KSB.SUBEKODU = SB.SUBE_NO "
                                                   "WHERE K.KULLANICI = :k ORDER BY KSB.SUBEKODU"),
                                    user);
    if (s.kullaniciSubeleri.isEmpty()) {
        Prompter::instance().error(QStringLiteral("Kullanıcı ayarlarından şube kodunuz girilmemiş !"));
        return false;
    }
    if (db.tableExists(QStringLiteral("DEPO"))) {
        s.malAlacagiDepolar = codedList(db,
                                        QStringLiteral("SELECT DISTINCT D.DEPO_KODU, D.DEPO_ADI FROM KIMKULSUBE KSB "
                                                       "INNER JOIN SUBELER SB ON KSB.SUBEKODU = SB.SUBE_NO "
                                                       "INNER JOIN DEPO D ON D.DEPO_KODU = SB.MAL_ALACAGI_DEPO_KODU "
                                                       "WHERE KSB.KULLANICI = :k ORDER BY D.DEPO_KODU"),
                                        user);
    }
    return true;
}

} // namespace

QList<PickItem> OrtakListe(const Db& db, const QString& liste)
{
    const QString l = liste.trimmed().toUpper();
    QString sql;
    if (l == QLatin1String("UNITE"))
        sql = QStringLiteral("SELECT UNITE_KODU, UNITE_ADI FROM UNITE WHERE UNITE_KODU <> 99 ORDER BY UNITE_KODU");
    else if (l == QLatin1String("KAYNAK"))
        sql = QStringLiteral("SELECT KAYNAK_KOD, KAYNAK_ADI FROM KAYNAK ORDER BY KAYNAK_KOD");
    else if (l == QLatin1String("TEDARIKCI"))
        sql = QStringLiteral("SELECT TED_KOD, TED_ADI FROM TEDARIKCI ORDER BY TED_KOD");
    else if (l == QLatin1String("FIKTIFDEPO"))
        sql = QStringLiteral("SELECT DEPO_KODU, DEPO_ADI FROM FIKTIFDEPO ORDER BY DEPO_KODU");
    else if (l == QLatin1String("DEPO"))
        sql = QStringLiteral("SELECT DEPO_KODU, DEPO_ADI FROM DEPO ORDER BY DEPO_KODU");
    else if (l == QLatin1String("DOVIZ"))
        sql = QStringLiteral("SELECT DOVIZ_KODU, DOVIZ_ADI FROM DOVIZ ORDER BY DOVIZ_KODU");
    else if (l == QLatin1String("CARIHRKTIP"))
        sql = QStringLiteral("SELECT TIP, AD FROM CARIHRKTIP ORDER BY TIP");
    else if (l == QLatin1String("CALISAN"))
        sql = QStringLiteral("SELECT ISCI_KOD, ISCI_ADI FROM CALISAN ORDER BY %1, ISCI_KOD")
                  .arg(db.dialect().turkishOrder(QStringLiteral("ISCI_ADI")));
    else
        throw std::invalid_argument("unknown shared list: " + liste.toStdString());
    QList<PickItem> out;
    for (const QSqlRecord& r : db.records(sql))
        out.append({toText(r.value(1)).trimmed(), r.value(0)});
    return out;
}

bool OrtakListeleriDoldur(const Db& db, SessionContext& s, const QString& liste)
{
    const QString l = liste.trimmed().toUpper();
    const bool all = l.isEmpty();
    const std::pair<const char*, QList<PickItem> SessionContext::*> lists[] = {
        {"UNITE", &SessionContext::uniteler},         {"KAYNAK", &SessionContext::kaynaklar},
        {"TEDARIKCI", &SessionContext::tedarikciler}, {"FIKTIFDEPO", &SessionContext::fiktifDepolar},
        {"DEPO", &SessionContext::depolar},           {"DOVIZ", &SessionContext::dovizler},
        {"CARIHRKTIP", &SessionContext::cariHrkTipleri}};
    for (const auto& [name, member] : lists)
        if (all || l == QLatin1String(name))
            s.*member = OrtakListe(db, QLatin1String(name));
    if (all || l == QLatin1String("SUBELER"))
        return fillUserBranches(db, s);
    return true;
}

} // namespace nimbo
