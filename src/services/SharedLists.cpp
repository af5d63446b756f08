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
    // Name, code and name columns, table with its filter, order.
    struct Liste {
        const char *name, *select, *order;
    };
    static const Liste lists[] = {
        {"UNITE", "UNITE_KODU, UNITE_ADI FROM UNITE WHERE UNITE_KODU <> 99", "UNITE_KODU"},
        {"KAYNAK", "KAYNAK_KOD, KAYNAK_ADI FROM KAYNAK", "KAYNAK_KOD"},
        {"TEDARIKCI", "TED_KOD, TED_ADI FROM TEDARIKCI", "TED_KOD"},
        {"FIKTIFDEPO", "DEPO_KODU, DEPO_ADI FROM FIKTIFDEPO", "DEPO_KODU"},
        {"DEPO", "DEPO_KODU, DEPO_ADI FROM DEPO", "DEPO_KODU"},
        {"DOVIZ", "DOVIZ_KODU, DOVIZ_ADI FROM DOVIZ", "DOVIZ_KODU"},
        {"CARIHRKTIP", "TIP, AD FROM CARIHRKTIP", "TIP"},
        {"CALISAN", "ISCI_KOD, ISCI_ADI FROM CALISAN", nullptr}, // staff by name
    };
    const QString l = liste.trimmed().toUpper();
    for (const Liste& x : lists) {
        if (l != QLatin1String(x.name))
            continue;
        const QString order = x.order ? QLatin1String(x.order)
                                      : db.dialect().turkishOrder(QStringLiteral("ISCI_ADI")) + QStringLiteral(", ISCI_KOD");
        QList<PickItem> out;
        for (const QSqlRecord& r : db.records(QStringLiteral("SELECT %1 ORDER BY %2").arg(QLatin1String(x.select), order)))
            out.append({toText(r.value(1)).trimmed(), r.value(0)});
        return out;
    }
    throw std::invalid_argument("unknown shared list: " + liste.toStdString());
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
