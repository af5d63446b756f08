#include "model/DatedDocument.h"
#include "model/DocumentError.h"
#include "services/TarihKilit.h"

namespace nimbo {

DatedDocument::DatedDocument(const Db& db, const QString& headerTable, const QStringList& keyColumns,
    const QString& dateColumn, const QString& lineDateColumn)
    : DocumentModel(db, headerTable, keyColumns)
    , m_dateColumn(dateColumn)
    , m_lineDateColumn(lineDateColumn)
{
}

QDate DatedDocument::documentDate() const
{
    const QDate d = toDate(header(m_dateColumn));
    return d.isValid() ? d : QDate::currentDate();
}

void DatedDocument::headerChanged(const QString& column)
{
    if (column == m_dateColumn)
        redate();
}

void DatedDocument::redate()
{
    headerRedated();
    for (int i = 0; i < lines().count(); ++i) {
        if (!m_lineDateColumn.isEmpty())
            lines().set(i, m_lineDateColumn, documentDate());
        lineRedated(i);
    }
}

SaveCheck DatedDocument::dateLockCheck() const
{
    return {QStringLiteral("tarih kilidi"), [this](CheckContext&) {
                if (!TarihKilitKontrol(db(), documentDate(), true))
                    throw DocumentError(QStringLiteral("Tarih kilidi"), m_dateColumn);
            }};
}

SaveCheck DatedDocument::lineCheck(std::function<void(CheckContext&, int)> check)
{
    return {QStringLiteral("satırlar tamam"), [this, check = std::move(check)](CheckContext& x) {
                for (int i = 0; i < lines().count(); ++i)
                    check(x, i);
            }};
}

} // namespace nimbo
