#include "services/SharedLists.h"
#include "services/Prompter.h"
#include "services/SessionContext.h"

#include <QSqlQuery>

namespace nimbo {

namespace {
bool fillUserBranches(const Db& db, SessionContext& s)
{
    s.kullaniciSubeleri.clear();
    s.malAlacagiDepolar.clear();
    if (s.KullaniciAdi.isEmpty())
        return true;
    QSqlQuery q = db.exec(QStringLiteral("SELECT KSB.SUBEKODU, SB.SUBE_ADI FROM KIMKUL K "
                                         "INNER JOIN KIMKULSUBE KSB ON K.KULLANICI = KSB.KULLANICI "
                                         "INNER JOIN SUBELER SB ON KSB.SUBEKODU = SB.SUBE_NO "
                                         "WHERE K.KULLANICI = :k ORDER BY KSB.SUBEKODU"),
                          {{QStringLiteral("k"), s.KullaniciAdi}});
    while (q.next())
        s.kullaniciSubeleri.append({toText(q.value(1)), q.value(0).toInt()});
    if (s.kullaniciSubeleri.isEmpty()) {
        Prompter::instance().error(QStringLiteral("Kullanıcı ayarlarından şube kodunuz girilmemiş !"));
        return false;
    }
    if (db.tableExists(QStringLiteral("DEPO"))) {
        QSqlQuery d = db.exec(QStringLiteral("SELECT DISTINCT D.DEPO_KODU, D.DEPO_ADI FROM KIMKULSUBE KSB "
                                             "INNER JOIN SUBELER SB ON KSB.SUBEKODU = SB.SUBE_NO "
                                             "INNER JOIN DEPO D ON D.DEPO_KODU = SB.MAL_ALACAGI_DEPO_KODU "
                                             "WHERE KSB.KULLANICI = :k ORDER BY D.DEPO_KODU"),
                              {{QStringLiteral("k"), s.KullaniciAdi}});
        while (d.next())
            s.malAlacagiDepolar.append({toText(d.value(1)), d.value(0).toInt()});
    }
    return true;
}
} // namespace

bool OrtakListeleriDoldur(const Db& db, SessionContext& s)
{
    return fillUserBranches(db, s);
}

} // namespace nimbo
