#include "printing/TemplateStore.h"
#include "db/DbTransaction.h"
#include "db/Errors.h"

namespace nimbo {

QStringList TemplateStore::names(const QString& pasadi) const
{
    QStringList out;
    for (const QSqlRecord& r : m_db.records(
             QStringLiteral("SELECT RBUILD_ADI FROM RBSAYFA WHERE PASADI = :PASADI ORDER BY RBUILD_ADI"),
             {{"PASADI", pasadi}}))
        out << toText(r.value(0));
    return out;
}

std::optional<ReportTemplate> TemplateStore::load(const QString& pasadi, const QString& name) const
{
    const auto recs = m_db.records(
        QStringLiteral("SELECT TEMPLATE FROM RBSAYFA WHERE PASADI = :PASADI AND RBUILD_ADI = :ADI"),
        {{"PASADI", pasadi}, {"ADI", name}});
    if (recs.isEmpty())
        return std::nullopt;
    const QByteArray blob = recs.first().value(0).toByteArray();
    if (blob.isEmpty())
        return ReportTemplate{};
    return ReportTemplate::fromJson(blob);
}

void TemplateStore::save(const QString& pasadi, const QString& name, const ReportTemplate& layout) const
{
    if (name.trimmed().isEmpty())
        throw UserError(QStringLiteral("Şablon adını giriniz."));
    DbTransaction tx(m_db);
    const Params p{{"PASADI", pasadi}, {"ADI", name.trimmed()}, {"TEMPLATE", layout.toJson()}};
    const int n = m_db.exec(QStringLiteral("UPDATE RBSAYFA SET TEMPLATE = :TEMPLATE "
                                           "WHERE PASADI = :PASADI AND RBUILD_ADI = :ADI"),
                            p)
                      .numRowsAffected();
    if (n == 0)
        m_db.exec(QStringLiteral("INSERT INTO RBSAYFA (PASADI, RBUILD_ADI, TEMPLATE) VALUES (:PASADI, :ADI, :TEMPLATE)"),
                  p);
    tx.commit();
}

void TemplateStore::remove(const QString& pasadi, const QString& name) const
{
    DbTransaction tx(m_db);
    m_db.exec(QStringLiteral("DELETE FROM RBSAYFA WHERE PASADI = :PASADI AND RBUILD_ADI = :ADI"),
              {{"PASADI", pasadi}, {"ADI", name}});
    tx.commit();
}

} // namespace nimbo
