#include "session/Login.h"
#include "db/SchemaDef.h"
#include "services/Prompter.h"
#include "session/NimboSettings.h"

#include <QSqlQuery>
#include <QSqlRecord>

namespace nimbo {

QList<PickItem> Login::branches() const
{
    QList<PickItem> out;
    QSqlQuery q = m_db.exec(QStringLiteral("SELECT SUBE_NO, SUBE_ADI FROM SUBELER ORDER BY SUBE_NO"));
    while (q.next()) {
        const QString name = toText(q.value(1)).trimmed();
        if (name == QLatin1String("ORBITA WEB"))
            continue;
        out.append({name, q.value(0).toInt()});
    }
    return out;
}

QString Login::initialUser() const
{
    const QString u = UserMemory::kullanici();
    return u.isEmpty() ? QStringLiteral("3") : u;
}

QVariant Login::initialBranch() const
{
    const QString b = UserMemory::sube();
    if (b.isEmpty() || b == QLatin1String("yok"))
        return 0;
    return b.toInt();
}

bool Login::Kullanici(const QString& user, const QString& password)
{
    const QString sql = QStringLiteral("SELECT * FROM KIMKUL WHERE %1 = %2");
    QVector<QSqlRecord> rows = m_db.records(sql.arg(QStringLiteral("KULLANICI"), QStringLiteral(":k")),
                                            {{QStringLiteral("k"), user}});
    if (rows.isEmpty()) // the name is looked up without regard to letter case
        rows = m_db.records(sql.arg(QStringLiteral("UPPER(KULLANICI)"), QStringLiteral("UPPER(:k)")),
                            {{QStringLiteral("k"), user}});
    if (rows.size() != 1)
        return false;
    const QSqlRecord& r = rows.first();
    if (toText(r.value(QStringLiteral("SIFRE"))).toUtf8() != password.toUtf8())
        return false;

    // The stored spelling of the name, so that later look-ups by user match on every engine.
    m_s.KullaniciAdi = toText(r.value(QStringLiteral("KULLANICI")));
    m_s.KullaniciSifresi = password;
    for (const QString& c : kimkulRightColumns())
        m_s.setHak(c, toText(r.value(c)));
    m_s.setHak(QStringLiteral("ARC_HASARONAY"), toText(r.value(QStringLiteral("ARC_HASARONAY"))).trimmed());
    const QString beyan = toText(r.value(QStringLiteral("BEYAN")));
    m_s.setHak(QStringLiteral("BEYAN"), beyan.isEmpty() ? QStringLiteral("H") : beyan);
    m_s.setHak(QStringLiteral("FATKILIT"), toText(r.value(QStringLiteral("FATKILIT"))));
    m_s.UniteKodu = r.value(QStringLiteral("UNITE_KODU")).toInt();
    const QVariant staff = m_db.scalar(QStringLiteral("SELECT ISCI_ADI FROM CALISAN WHERE ISCI_KOD = :pkodu"),
                                       {{QStringLiteral("pkodu"), toText(r.value(QStringLiteral("PERSON_KOD")))}});
    if (staff.isValid())
        m_s.PersonelAdi = toText(staff);
    return true;
}

Login::Outcome Login::tamam(const QString& user, const QString& password, const QVariant& branch)
{
    Prompter& p = Prompter::instance();
    if (user.isEmpty()) {
        p.warn(QStringLiteral("Program Kullanıcı Adı Yazılmadan Açılmaz!"));
        m_focus = Focus::User;
        return Outcome::EmptyUser;
    }
    if (!Kullanici(user, password)) {
        p.warn(QStringLiteral("Geçersiz Şifre veya Kullanıcı Adı"));
        m_focus = Focus::Password;
        return Outcome::BadPassword;
    }
    if (!branch.isValid() || branch.isNull() || branch.toString().trimmed().isEmpty()) {
        p.warn(QStringLiteral("Lütfen şube seçiniz !"));
        m_focus = Focus::Branch;
        return Outcome::NoBranch;
    }
    QSqlQuery q = m_db.exec(
        QStringLiteral("SELECT KSB.SUBEKODU, SB.SUBE_ADI, SB.MERKEZMI, SB.MAL_ALACAGI_DEPO_KODU, SB.SERVIS_DEPO_KODU "
                       "FROM KIMKUL K INNER JOIN KIMKULSUBE KSB ON K.KULLANICI = KSB.KULLANICI "
                       "INNER JOIN SUBELER SB ON KSB.SUBEKODU = SB.SUBE_NO "
                       "WHERE K.KULLANICI = :k AND KSB.SUBEKODU = :s"),
        {{QStringLiteral("k"), m_s.KullaniciAdi}, {QStringLiteral("s"), branch.toInt()}});
    if (!q.next()) {
        p.warn(QStringLiteral("Bu şubeye giriş yetkiniz yok !"));
        m_focus = Focus::Branch;
        return Outcome::BranchRefused;
    }
    UserMemory::setSube(QString::number(branch.toInt()));
    UserMemory::setKullanici(user);
    m_s.SubeKodu = q.value(0).toInt();
    m_s.SubeKoduMetni = QString::number(m_s.SubeKodu);
    m_s.SubeAdi = toText(q.value(1)).trimmed();
    m_s.MerkezSube = toText(q.value(2)) == QLatin1String("E");
    m_s.MalAlacagiDepo = q.value(3).isNull() ? QString() : q.value(3).toString();
    m_s.ServisDepo = q.value(4).isNull() ? QString() : q.value(4).toString();
    m_focus = Focus::None;
    m_success = true;
    return Outcome::Success;
}

void Login::close()
{
    if (!m_success)
        m_s.clearUser();
}

} // namespace nimbo
