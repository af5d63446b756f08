#include "model/DocumentModel.h"
#include "db/DbTransaction.h"
#include "db/DocumentWriter.h"
#include "model/DocumentError.h"

namespace nimbo {

DocumentModel::DocumentModel(const Db& db, const QString& headerTable, const QStringList& keyColumns)
    : m_db(db), m_header(headerTable), m_keyColumns(keyColumns)
{
}

void DocumentModel::addLineTable(const QString& name) { m_lines.insert(name, LineTable(name)); }

LineTable& DocumentModel::lines(const QString& name)
{
    auto it = m_lines.find(name);
    Q_ASSERT(it != m_lines.end());
    return *it;
}

const LineTable& DocumentModel::lines(const QString& name) const
{
    auto it = m_lines.find(name);
    Q_ASSERT(it != m_lines.end());
    return *it;
}

void DocumentModel::newDocument()
{
    m_header.load({}, true);
    for (LineTable& t : m_lines)
        t.clear();
    defaults();
    recompute();
    m_header.markClean();
}

void DocumentModel::open(const QVariant& key)
{
    for (LineTable& t : m_lines)
        t.clear();
    load(key);
    recompute();
    m_header.markClean();
    for (LineTable& t : m_lines)
        t.markClean();
}

void DocumentModel::loadHeader(const QVariantMap& values, bool isNew) { m_header.load(values, isNew); }

bool DocumentModel::isModified() const
{
    if (m_header.isModified())
        return true;
    for (const LineTable& t : m_lines)
        if (t.isModified())
            return true;
    return false;
}

void DocumentModel::setHeader(const QString& column, const QVariant& v)
{
    m_header.setValue(column, v);
    headerChanged(column);
    recompute();
}

void DocumentModel::setLine(const QString& name, int row, const QString& column, const QVariant& v)
{
    lines(name).set(row, column, v);
    lineChanged(name, row, column);
    recompute();
}

int DocumentModel::addLine(const QString& name)
{
    const int row = lines(name).append(lineDefaults(name));
    recompute();
    return row;
}

void DocumentModel::removeLine(const QString& name, int row)
{
    CheckContext c(*this);
    lineRemovalChecks(c, name, row);
    lines(name).remove(row);
    recompute();
}

SaveResult DocumentModel::save()
{
    recompute();
    if (isNew() && (key().isNull() || key().toDouble() <= 0))
        allocateNumber();
    CheckContext c(*this);
    for (const SaveCheck& check : checks())
        check.fn(c);
    {
        // The writer outlives the transaction: its prepared statements are freed after the
        // rollback (PostgreSQL refuses to free them inside an aborted transaction).
        DocumentWriter w(m_db);
        DbTransaction tx(m_db);
        write(w);
        tx.commit();
    }
    SaveResult r;
    r.key = key();
    r.steps = afterCommit();
    m_header.markSaved();
    for (LineTable& t : m_lines)
        t.markClean();
    return r;
}

void DocumentModel::deleteDocument()
{
    CheckContext c(*this);
    for (const SaveCheck& check : deleteChecks())
        check.fn(c);
    DocumentWriter w(m_db);
    DbTransaction tx(m_db);
    erase(w);
    tx.commit();
}

bool DocumentModel::deleteIfAllowed()
{
    try {
        deleteDocument();
        return true;
    } catch (const DocumentError&) {
        return false;
    }
}

} // namespace nimbo
