#include "session/Shortcuts.h"
#include "db/DbTransaction.h"
#include "services/Prompter.h"

namespace nimbo {

QMap<int, QString> Shortcuts::all() const
{
    QMap<int, QString> out;
    QSqlQuery q = m_db.exec(QStringLiteral("SELECT ID, ADI FROM KISAYOL WHERE ID BETWEEN 1 AND :n ORDER BY ID"),
                            {{QStringLiteral("n"), kSlots}});
    while (q.next())
        out.insert(q.value(0).toInt(), toText(q.value(1)));
    return out;
}

QString Shortcuts::caption(int slot) const
{
    return toText(m_db.scalar(QStringLiteral("SELECT ADI FROM KISAYOL WHERE ID = :id"), {{QStringLiteral("id"), slot}}));
}

bool Shortcuts::add(int slot, const QString& caption) const
{
    if (slot < 1 || slot > kSlots)
        return false;
    const Params id{{QStringLiteral("id"), slot}};
    const QVector<QSqlRecord> rows = m_db.records(QStringLiteral("SELECT ADI FROM KISAYOL WHERE ID = :id"), id);
    const QString old = rows.isEmpty() ? QString() : toText(rows.first().value(0));
    // Asked before the transaction opens: no lock is held while the user thinks.
    if (!old.isEmpty()
        && !Prompter::instance().ask(old + QStringLiteral(" Kısayolu Eklenmiş. Değiştirmek İstiyormusunuz ?")))
        return false;
    DbTransaction tx(m_db);
    const Params p{{QStringLiteral("id"), slot}, {QStringLiteral("adi"), caption.trimmed()}};
    if (m_db.any(QStringLiteral("SELECT 1 FROM KISAYOL WHERE ID = :id"), id))
        m_db.exec(QStringLiteral("UPDATE KISAYOL SET ADI = :adi WHERE ID = :id"), p);
    else
        m_db.exec(QStringLiteral("INSERT INTO KISAYOL (ID, ADI) VALUES (:id, :adi)"), p);
    tx.commit();
    return true;
}

} // namespace nimbo
