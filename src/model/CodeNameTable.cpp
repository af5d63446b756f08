#include "model/CodeNameTable.h"
#include "db/DbTransaction.h"
#include "db/RecordWriter.h"
#include "db/SqlValues.h"
#include "db/TextSearch.h"
#include "services/Prompter.h"
#include "services/TurkishCollation.h"

namespace nimbo {

namespace {
using Type = CodeNameField::Type;

bool isChoice(const CodeNameField& f) { return f.type == Type::Choice; }

QVariant trimmed(const QVariant& v)
{
    return v.typeId() == QMetaType::QString ? QVariant(v.toString().trimmed()) : v;
}
} // namespace

ListQuery CodeNameTable::listQuery(const QString& nameSearch, const QString& filterColumn,
                                   const QVariant& filterValue) const
{
    const CodeNameDef& s = m_def;
    QString select = QStringLiteral("SELECT T.*");
    QString from = QStringLiteral(" FROM %1 T").arg(s.table);
    for (int i = 0; i < s.fields.size(); ++i) {
        const CodeNameField& f = s.fields.at(i);
        if (!isChoice(f) || !f.stored)
            continue;
        select += QStringLiteral(", P%1.%2 AS P%1_ADI").arg(i).arg(f.nameColumn);
        from += QStringLiteral(" LEFT OUTER JOIN %1 P%2 ON (P%2.%3 = T.%4)").arg(f.table).arg(i).arg(f.keyColumn, f.column);
    }
    ListQuery q;
    q.sql = select + from + QStringLiteral(" WHERE 1=1");
    const QString search = nameSearch.trimmed();
    if (!search.isEmpty()) {
        q.sql += QStringLiteral(" AND (%1)").arg(
            TextSearch::clause(m_db.dialect(), QStringLiteral("T.") + s.nameColumn, QStringLiteral("ARANAN")));
        q.params.insert(QStringLiteral("ARANAN"), TextSearch::startsWith(search));
    }
    if (!filterColumn.isEmpty() && !isBlank(filterValue)) {
        q.sql += QStringLiteral(" AND (T.%1 = :UST)").arg(filterColumn);
        q.params.insert(QStringLiteral("UST"), filterValue);
    }
    q.sql += QStringLiteral(" ORDER BY T.%1").arg(s.sortColumn.isEmpty() ? s.nameColumn : s.sortColumn);
    return q;
}

QList<QPair<QVariant, QString>> CodeNameTable::choices(const QString& column, const QVariant& narrowValue) const
{
    const CodeNameField* f = m_def.field(column);
    if (!f || !isChoice(*f))
        return {};
    QString sql = QStringLiteral("SELECT %1, %2 FROM %3").arg(f->keyColumn, f->nameColumn, f->table);
    Params params;
    if (!f->narrowedBy.isEmpty() && !isBlank(narrowValue)) {
        sql += QStringLiteral(" WHERE %1 = :N").arg(f->narrowedBy);
        params.insert(QStringLiteral("N"), narrowValue);
    }
    QList<QPair<QVariant, QString>> out;
    for (const QSqlRecord& r : m_db.records(sql, params))
        out.append({r.value(0), toText(r.value(1)).trimmed()});
    // Names in Turkish order: Ç after C, İ after I.
    TurkishCollation::sort(out, [](const QPair<QVariant, QString>& c) -> const QString& { return c.second; });
    return out;
}

QVariant CodeNameTable::derived(int field, const QVariantMap& values) const
{
    // The next choice is narrowed by this one: its chosen row tells what this one was.
    for (int j = field + 1; j < m_def.fields.size(); ++j) {
        const CodeNameField& next = m_def.fields.at(j);
        if (!isChoice(next))
            continue;
        const QVariant v = values.value(next.column);
        if (next.narrowedBy.isEmpty() || isBlank(v))
            return {};
        return m_db.scalar(QStringLiteral("SELECT %1 FROM %2 WHERE %3 = :K").arg(next.narrowedBy, next.table, next.keyColumn),
                           {{QStringLiteral("K"), v}});
    }
    return {};
}

bool CodeNameTable::keyExists(const QVariant& key) const
{
    return m_db.any(QStringLiteral("SELECT 1 FROM %1 WHERE %2 = :K").arg(m_def.table, m_def.keyColumn),
                    {{QStringLiteral("K"), key}});
}

QVariantMap CodeNameTable::newValues(const QVariantMap& presets) const
{
    QVariantMap v = presets;
    if (m_def.key == CodeNameDef::Key::Numbered && m_def.nextKey) {
        // Numbers come from a counter; skip those that rows typed by hand already use.
        QVariant code = m_def.nextKey(m_db);
        while (keyExists(code))
            code = m_def.nextKey(m_db);
        v.insert(m_def.keyColumn, code);
    }
    return v;
}

QVariantMap CodeNameTable::load(const QVariant& key) const
{
    QVariantMap out = readRow(m_db, QStringLiteral("SELECT * FROM %1 WHERE %2 = :K").arg(m_def.table, m_def.keyColumn),
                              {{QStringLiteral("K"), key}});
    if (out.isEmpty())
        return out;
    for (int i = 0; i < m_def.fields.size(); ++i)
        if (!m_def.fields.at(i).stored)
            out.insert(m_def.fields.at(i).column, derived(i, out));
    return out;
}

QVariant CodeNameTable::save(const QVariantMap& typed, bool isNew, const QVariantMap& loaded) const
{
    const CodeNameDef& s = m_def;
    s.right.requireChange();
    QVariantMap values;
    for (auto it = typed.begin(); it != typed.end(); ++it)
        values.insert(it.key(), trimmed(it.value()));
    for (const auto& [column, message] : s.required)
        if (isBlank(values.value(column)))
            throw FieldError(message, column);

    const bool engineKey = s.key == CodeNameDef::Key::Engine;
    const QVariant oldKey = loaded.value(s.keyColumn);
    QVariant key = values.value(s.keyColumn);
    if (!engineKey) {
        // Keys are stored trimmed: look for the one that will be stored.
        const bool renamed = !isNew && !isBlank(oldKey) && toText(key).trimmed() != toText(oldKey).trimmed();
        if (renamed && !s.inUseRename.isEmpty() && inUse(oldKey))
            throw FieldError(s.inUseRename, s.keyColumn);
        if ((isNew || renamed) && keyExists(key))
            throw FieldError(s.duplicate, s.keyColumn);
    }

    QVariantMap row;
    if (!engineKey)
        row.insert(s.keyColumn, key);
    for (const CodeNameField& f : s.fields)
        if (f.stored)
            row.insert(f.column, values.value(f.column));
    DbTransaction tx(m_db);
    RecordWriter w(m_db, s.table);
    if (isNew && engineKey)
        key = w.insert(row, s.keyColumn);
    else if (isNew)
        w.insert(row);
    else
        w.update(row, loaded, {{s.keyColumn, isBlank(oldKey) ? key : oldKey}});
    if (!isNew && engineKey)
        key = isBlank(oldKey) ? key : oldKey;
    tx.commit();
    return key;
}

bool CodeNameTable::inUse(const QVariant& key) const
{
    for (const QString& sql : m_def.usedBy)
        if (m_db.any(sql, {{QStringLiteral("K"), key}}))
            return true;
    return false;
}

bool CodeNameTable::remove(const QVariant& key) const
{
    m_def.right.requireDelete();
    if (!Prompter::instance().ask(QStringLiteral("Kayıt Silinsin mi?")))
        return false;
    if (inUse(key)) {
        Prompter::instance().warn(m_def.inUseDelete);
        return false;
    }
    DbTransaction tx(m_db);
    m_db.exec(QStringLiteral("DELETE FROM %1 WHERE %2 = :K").arg(m_def.table, m_def.keyColumn),
              {{QStringLiteral("K"), key}});
    tx.commit();
    return true;
}

} // namespace nimbo
