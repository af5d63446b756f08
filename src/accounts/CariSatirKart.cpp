#include "accounts/CariSatirKart.h"
#include "db/RecordWriter.h"
#include "db/DbTransaction.h"

namespace nimbo {

CariSatirKart::CariSatirKart(const Db& db, const QString& table, const QStringList& keyColumns,
                             const QString& accountColumn)
    : m_db(db), m_table(table), m_keys(keyColumns), m_account(accountColumn)
{
}

void CariSatirKart::startNew(const QString& cariKod)
{
    reset({{m_account, cariKod}}, true);
    m_oldKey.clear();
}

bool CariSatirKart::open(const QVariantMap& key)
{
    QStringList where;
    Params p;
    for (auto it = key.begin(); it != key.end(); ++it) {
        where << QStringLiteral("%1 = :%1").arg(it.key());
        p.insert(it.key(), it.value());
    }
    const QVariantMap row = readRow(
        m_db, QStringLiteral("SELECT * FROM %1 WHERE %2").arg(m_table, where.join(QStringLiteral(" AND "))), p);
    if (row.isEmpty())
        return false;
    reset(row, false);
    m_oldKey = key;
    return true;
}

void CariSatirKart::store()
{
    kontrol();
    const bool numbered = m_keys.contains(QStringLiteral("ROW_ID"));
    DbTransaction tx(m_db);
    RecordWriter w(m_db, m_table);
    if (isNew()) {
        w.insert(values());
        // A numbered row is found again by the number the engine gave it, so that a second
        // save of the same card updates this row instead of failing on an empty key.
        if (numbered)
            setValue(QStringLiteral("ROW_ID"),
                     m_db.scalar(QStringLiteral("SELECT MAX(ROW_ID) FROM %1 WHERE %2 = :K").arg(m_table, m_account),
                                 {{QStringLiteral("K"), value(m_account)}}));
    } else {
        w.update(values(), loaded(), m_oldKey);
    }
    tx.commit();
    m_oldKey.clear();
    for (const QString& k : m_keys)
        m_oldKey.insert(k, value(k));
    setNew(false);
    markClean();
}

void CariSatirKart::remove(const QVariantMap& key) const
{
    right().requireDelete();
    QStringList where;
    Params p;
    for (auto it = key.begin(); it != key.end(); ++it) {
        where << QStringLiteral("%1 = :%1").arg(it.key());
        p.insert(it.key(), it.value());
    }
    DbTransaction tx(m_db);
    m_db.exec(QStringLiteral("DELETE FROM %1 WHERE %2").arg(m_table, where.join(QStringLiteral(" AND "))), p);
    tx.commit();
}

ListQuery CariSatirKart::liste(const QString& cariKod, const QString& orderBy) const
{
    ListQuery q;
    q.sql = QStringLiteral("SELECT * FROM %1 WHERE %2 = :CARIKOD ORDER BY %3").arg(m_table, m_account, orderBy);
    q.params = {{QStringLiteral("CARIKOD"), cariKod}};
    return q;
}

} // namespace nimbo
