#include "widgets/CodeNameTable.h"
#include "db/DbTransaction.h"
#include "services/Prompter.h"

namespace nimbo {

namespace {
bool blank(const QVariant& v) { return v.isNull() || toText(v).trimmed().isEmpty(); }

QString escapeLike(QString s)
{
    s.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
    s.replace(QLatin1Char('%'), QStringLiteral("\\%"));
    s.replace(QLatin1Char('_'), QStringLiteral("\\_"));
    return s;
}
} // namespace

ListQuery CodeNameTable::listQuery(const QString& nameSearch, const QString& parentColumn,
                                   const QVariant& parentValue) const
{
    const CodeNameSpec& s = m_spec;
    QString select = QStringLiteral("SELECT T.%1, T.%2").arg(s.codeColumn, s.nameColumn);
    QString from = QStringLiteral(" FROM %1 T").arg(s.table);
    for (int i = 0; i < s.parents.size(); ++i) {
        const CodeNameParent& p = s.parents.at(i);
        if (!p.stored)
            continue;
        select += QStringLiteral(", T.%1, P%2.%3 AS P%2_ADI").arg(p.column).arg(i).arg(p.nameColumn);
        from += QStringLiteral(" LEFT OUTER JOIN %1 P%2 ON (P%2.%3 = T.%4)").arg(p.table).arg(i).arg(p.keyColumn,
                                                                                                  p.column);
    }
    ListQuery q;
    q.sql = select + from + QStringLiteral(" WHERE 1=1");
    if (!nameSearch.isEmpty()) {
        q.sql += QStringLiteral(" AND (T.%1 %2 :ARANAN ESCAPE '\\')").arg(s.nameColumn, m_db.dialect().ilike());
        q.params.insert(QStringLiteral("ARANAN"), escapeLike(nameSearch) + QLatin1Char('%'));
    }
    if (!parentColumn.isEmpty() && !blank(parentValue)) {
        q.sql += QStringLiteral(" AND (T.%1 = :UST)").arg(parentColumn);
        q.params.insert(QStringLiteral("UST"), parentValue);
    }
    q.sql += QStringLiteral(" ORDER BY T.%1").arg(s.nameColumn);
    return q;
}

QList<QPair<QVariant, QString>> CodeNameTable::choices(int parent, const QVariant& narrowValue) const
{
    const CodeNameParent& p = m_spec.parents.at(parent);
    QString sql = QStringLiteral("SELECT %1, %2 FROM %3").arg(p.keyColumn, p.nameColumn, p.table);
    Params params;
    if (!p.narrowedBy.isEmpty() && !blank(narrowValue)) {
        sql += QStringLiteral(" WHERE %1 = :N").arg(p.narrowedBy);
        params.insert(QStringLiteral("N"), narrowValue);
    }
    sql += QStringLiteral(" ORDER BY %1").arg(p.nameColumn);
    QList<QPair<QVariant, QString>> out;
    for (const QSqlRecord& r : m_db.records(sql, params))
        out.append({r.value(0), toText(r.value(1))});
    return out;
}

QVariant CodeNameTable::derivedParentValue(int parent, const QVariantMap& values) const
{
    if (parent + 1 >= m_spec.parents.size())
        return {};
    const CodeNameParent& next = m_spec.parents.at(parent + 1);
    const QVariant v = values.value(next.column);
    if (next.narrowedBy.isEmpty() || blank(v))
        return {};
    return m_db.scalar(QStringLiteral("SELECT %1 FROM %2 WHERE %3 = :K").arg(next.narrowedBy, next.table, next.keyColumn),
                       {{QStringLiteral("K"), v}});
}

QVariantMap CodeNameTable::load(const QVariant& key) const
{
    QVariantMap out;
    const auto rows = m_db.records(QStringLiteral("SELECT * FROM %1 WHERE %2 = :K").arg(m_spec.table, m_spec.codeColumn),
                                   {{QStringLiteral("K"), key}});
    if (rows.isEmpty())
        return out;
    const QSqlRecord& r = rows.first();
    for (int i = 0; i < r.count(); ++i)
        out.insert(r.fieldName(i).toUpper(), r.value(i));
    for (int i = 0; i < m_spec.parents.size(); ++i)
        if (!m_spec.parents.at(i).stored)
            out.insert(m_spec.parents.at(i).column, derivedParentValue(i, out));
    return out;
}

QVariant CodeNameTable::save(const QVariantMap& values, bool isNew) const
{
    const CodeNameSpec& s = m_spec;
    for (const CodeNameParent& p : s.parents)
        if (blank(values.value(p.column)))
            throw FieldError(p.requiredMessage, p.column);
    if (!s.codeAuto && blank(values.value(s.codeColumn)))
        throw FieldError(s.codeRequired, s.codeColumn);
    if (blank(values.value(s.nameColumn)))
        throw FieldError(s.nameRequired, s.nameColumn);

    DbTransaction tx(m_db);
    QStringList cols{s.nameColumn};
    for (const CodeNameParent& p : s.parents)
        if (p.stored)
            cols << p.column;
    Params params;
    for (const QString& c : cols)
        params.insert(c, values.value(c));
    QVariant key = values.value(s.codeColumn);
    if (isNew) {
        if (!s.codeAuto) {
            if (m_db.any(QStringLiteral("SELECT 1 FROM %1 WHERE %2 = :K").arg(s.table, s.codeColumn),
                         {{QStringLiteral("K"), key}}))
                throw FieldError(s.duplicate, s.codeColumn);
            cols.prepend(s.codeColumn);
            params.insert(s.codeColumn, key);
        }
        QStringList holders;
        for (const QString& c : cols)
            holders << QLatin1Char(':') + c;
        // RETURNING gives the number the database chose (both engines support it).
        key = m_db.scalar(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3) RETURNING %4")
                              .arg(s.table, cols.join(QStringLiteral(", ")), holders.join(QStringLiteral(", ")),
                                   s.codeColumn),
                          params);
    } else {
        QStringList sets;
        for (const QString& c : cols)
            sets << QStringLiteral("%1 = :%1").arg(c);
        params.insert(QStringLiteral("ESKI_KOD"), key);
        m_db.exec(QStringLiteral("UPDATE %1 SET %2 WHERE %3 = :ESKI_KOD").arg(s.table, sets.join(QStringLiteral(", ")),
                                                                             s.codeColumn),
                  params);
    }
    tx.commit();
    return key;
}

bool CodeNameTable::remove(const QVariant& key) const
{
    if (!Prompter::instance().ask(QStringLiteral("Kayıt Silinsin mi?")))
        return false;
    DbTransaction tx(m_db);
    m_db.exec(QStringLiteral("DELETE FROM %1 WHERE %2 = :K").arg(m_spec.table, m_spec.codeColumn),
              {{QStringLiteral("K"), key}});
    tx.commit();
    return true;
}

} // namespace nimbo
