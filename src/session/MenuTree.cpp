#include "session/MenuTree.h"
#include "db/DbTransaction.h"

namespace nimbo {

namespace {
// The user name was typed at login: match it the way the login found the user.
const char* const kUserMenuJoin = "FROM MENULIST M INNER JOIN KIMKULMENU K ON K.ID = M.ID "
                                  "WHERE UPPER(K.KULLANICI) = UPPER(:k) ";
} // namespace

QVector<MenuItem> MenuTree::read(const QString& sql, const Params& p) const
{
    QVector<MenuItem> out;
    QSqlQuery q = m_db.exec(sql, p);
    while (q.next()) {
        MenuItem m;
        m.id = q.value(0).toInt();
        m.parent = q.value(1).toInt();
        m.tanim = toText(q.value(2)).trimmed();
        m.imageId = q.value(3).toInt();
        out << m;
    }
    return out;
}

QVector<MenuItem> MenuTree::groups() const
{
    return read(QStringLiteral("SELECT M.ID, M.PARENT, M.TANIM, M.IMAGEID FROM MENULIST M "
                               "WHERE M.ID < :hidden AND (M.PARENT = 0 OR EXISTS "
                               "(SELECT 1 FROM MENULIST C WHERE C.PARENT = M.ID)) "
                               "ORDER BY M.ORD, M.ID"),
                {{QStringLiteral("hidden"), kHiddenFrom}});
}

QVector<MenuItem> MenuTree::entries(int groupId) const
{
    return read(QStringLiteral("SELECT M.ID, M.PARENT, M.TANIM, M.IMAGEID ") + QLatin1String(kUserMenuJoin)
                    + QStringLiteral("AND M.PARENT = :g ORDER BY M.ORD, M.ID"),
                {{QStringLiteral("k"), m_user}, {QStringLiteral("g"), groupId}});
}

QVector<MenuItem> MenuTree::favourites() const
{
    return read(QStringLiteral("SELECT M.ID, M.PARENT, M.TANIM, M.IMAGEID ") + QLatin1String(kUserMenuJoin)
                    + QStringLiteral("AND K.USRMN = 1 ORDER BY M.ORD, M.ID"),
                {{QStringLiteral("k"), m_user}});
}

void MenuTree::setFavourite(int id, bool on) const
{
    DbTransaction tx(m_db);
    m_db.exec(QStringLiteral("UPDATE KIMKULMENU SET USRMN = :u WHERE ID = :id AND UPPER(KULLANICI) = UPPER(:k)"),
              {{QStringLiteral("u"), on ? 1 : 0}, {QStringLiteral("id"), id}, {QStringLiteral("k"), m_user}});
    tx.commit();
}

} // namespace nimbo
