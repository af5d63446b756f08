#include "session/FirmSelection.h"
#include "db/Errors.h"
#include "services/Prompter.h"
#include "services/SessionContext.h"
#include "session/NimboSettings.h"

#include <QSqlQuery>

namespace nimbo {

FirmSelection::FirmSelection(SessionContext& session, AliasStore& aliases, DbLoginAsker asker)
    : m_s(session), m_aliases(aliases), m_asker(std::move(asker))
{
}

bool FirmSelection::prepare()
{
    Prompter& p = Prompter::instance();
    if (m_s.traceMode)
        p.trace(QStringLiteral("show"));
    if (m_s.SurucuAdi.isEmpty())
        m_s.SurucuAdi = NimboSettings::surucu();

    if (!m_s.ServerAdi.isEmpty()) {
        m_state = 0;
    } else {
        if (m_s.traceMode)
            p.trace(QStringLiteral("eski alias kontrolü"));
        m_state = 100;
        if (m_aliases.exists(kOldAlias)) {
            const Alias old = m_aliases.read(kOldAlias);
            if (!old.driver.isEmpty())
                m_s.SurucuAdi = old.driver;
            m_s.ServerAdi = old.param(QStringLiteral("SERVER NAME"));
            m_state = m_s.ServerAdi.isEmpty() ? 100 : 99;
        }
    }

    m_firmParams.clear();
    m_firmParams.insert(QStringLiteral("SERVER NAME"), m_s.ServerAdi);
    m_firmParams.insert(QStringLiteral("DATABASE NAME"), kFirmsDatabase);
    m_firmParams.insert(QStringLiteral("DATE MODE"), QStringLiteral("0"));
    m_firmParams.insert(QStringLiteral("LANGDRIVER"), QString());
    m_firmParams.insert(QStringLiteral("USER NAME"), kDbUser);
    m_firmParams.insert(QStringLiteral("PASSWORD"), QString());
    if (m_s.traceMode)
        p.trace(QStringLiteral("server adi bitti"));

    if (!m_aliases.exists(kFirmsAlias)) {
        m_aliases.add(kFirmsAlias, m_s.SurucuAdi, m_firmParams);
        m_aliases.save();
    }

    if (m_s.traceMode)
        p.trace(QStringLiteral("db open"));
    if (!openFirms())
        return false;

    if (m_rewrite) {
        m_aliases.modify(kFirmsAlias, m_firmParams);
        m_aliases.save();
        m_rewrite = false;
    }
    if (m_state == 99 || m_state == 100) {
        NimboSettings::setServerAdi(m_s.ServerAdi);
        m_state = 0;
    }
    return true;
}

bool FirmSelection::openFirms()
{
    Alias alias = m_aliases.read(kFirmsAlias);
    ConnectionParams cp = ConnectionParams::fromAlias(alias);
    for (m_attempts = 1; m_attempts <= 4; ++m_attempts) {
        if (m_state == 100) {
            const VeriTabaniGirisSonucu r =
                m_asker ? m_asker(1, kDbUser, QStringLiteral("OrbitaSoft Veri Tabanı Açılışı")) : VeriTabaniGirisSonucu{};
            if (r.kabul != QLatin1String("1") || r.server.trimmed().isEmpty())
                return false;
            const QString typed = r.server.trimmed();
            if (typed != m_s.ServerAdi) {
                m_firmParams.insert(QStringLiteral("SERVER NAME"), typed);
                cp.server = typed;
                m_s.ServerAdi = typed;
                m_rewrite = true;
            }
        }
        cp.user = kDbUser;
        cp.password.clear();
        if (m_state == 99)
            m_state = 100; // a further attempt asks the user
        try {
            m_db = Db::open(kFirmsOfDialog, cp);
            if (!m_db.tableExists(QStringLiteral("FIRMALAR")))
                throw DbError(QSqlError(QStringLiteral("FIRMALAR tablosu bulunamadı"), QString(),
                                        QSqlError::ConnectionError));
            return true;
        } catch (const DbError& e) {
            Db::close(kFirmsOfDialog);
            m_db = Db();
            Prompter::instance().error(QStringLiteral("Hata:") + e.text());
            if (m_state == 0)
                return false;
        }
    }
    m_attempts = 4;
    return false;
}

QStringList FirmSelection::firms() const
{
    QStringList out;
    QSqlQuery q = m_db.exec(QStringLiteral("SELECT DISTINCT FIRMA_ADI FROM FIRMALAR ORDER BY FIRMA_ADI"));
    while (q.next())
        out << toText(q.value(0));
    return out;
}

QVector<FirmYear> FirmSelection::years(const QString& firm) const
{
    QVector<FirmYear> out;
    QSqlQuery q = m_db.exec(QStringLiteral("SELECT YILI, ALIASADI, SERVERADI, DBTIPI, DBADI, KULLANADI, SIFREDB "
                                           "FROM FIRMALAR WHERE FIRMA_ADI = :FIRMA_ADI ORDER BY SIRA"),
                            {{QStringLiteral("FIRMA_ADI"), firm}});
    while (q.next())
        out.append({toText(q.value(0)), toText(q.value(1)), toText(q.value(2)), toText(q.value(3)),
                    toText(q.value(4)), toText(q.value(5)), toText(q.value(6))});
    return out;
}

QString FirmSelection::initialFirm() const
{
    const QStringList list = firms();
    if (list.isEmpty())
        return {};
    const QString remembered = UserMemory::firma();
    return list.contains(remembered) ? remembered : list.first();
}

bool FirmSelection::accept(const QString& firm, const FirmYear& year)
{
    const Alias firmsAlias = m_aliases.read(kFirmsAlias);
    const QString driver = firmsAlias.driver.isEmpty() ? NimboSettings::surucu() : firmsAlias.driver;
    UserMemory::setFirma(firm);
    // The session takes the choice only when the dialog ends with OK: a refused choice
    // during a firm change must leave the open year as it was.
    auto take = [&]() {
        m_s.SurucuAdi = driver;
        m_s.FirmaAdi = firm;
        m_s.CalismaYili = year.yili;
        m_s.CalismaYiliNo = year.yili.toInt();
        m_s.YilAliasi = year.aliasAdi;
        return true;
    };

    if (m_aliases.exists(year.aliasAdi))
        return take();
    if (!year.serverAdi.trimmed().isEmpty() && !year.dbAdi.trimmed().isEmpty()) {
        QMap<QString, QString> params;
        params.insert(QStringLiteral("SERVER NAME"), year.serverAdi.trimmed());
        params.insert(QStringLiteral("DATABASE NAME"), year.dbAdi.trimmed());
        params.insert(QStringLiteral("DATE MODE"), QStringLiteral("1"));
        params.insert(QStringLiteral("LANGDRIVER"), QString());
        params.insert(QStringLiteral("USER NAME"), kDbUser);
        params.insert(QStringLiteral("PASSWORD"), QString());
        m_aliases.add(year.aliasAdi, driver, params);
        m_aliases.save();
        s_yearParams = params;
        return take();
    }
    Prompter::instance().warn(QStringLiteral("Firmalardan server ve veritabanı bilgilerini doldurunuz."));
    return false;
}

QMap<QString, QString> FirmSelection::s_yearParams;

QMap<QString, QString> FirmSelection::yearAliasParams(const SessionContext& s, const AliasStore& aliases)
{
    if (!s.YilAliasi.isEmpty() && aliases.exists(s.YilAliasi))
        return aliases.read(s.YilAliasi).params;
    return s_yearParams;
}

void FirmSelection::close()
{
    m_db = Db();
    Db::close(kFirmsOfDialog);
}

} // namespace nimbo
