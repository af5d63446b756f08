#include "db/Errors.h"

namespace nimbo {

DbError::DbError(const QSqlError& error, const QString& sql)
    : std::runtime_error((error.text() + (sql.isEmpty() ? QString() : QStringLiteral(" [") + sql + QStringLiteral("]")))
                             .toStdString()),
      m_error(error), m_sql(sql)
{
}

QString DbError::text() const
{
    const QString t = m_error.databaseText().trimmed();
    return t.isEmpty() ? m_error.text() : t;
}

PostErrorKind classifyPostError(const QSqlError& error)
{
    const QString code = error.nativeErrorCode();
    const QString text = error.databaseText() + QLatin1Char(' ') + error.driverText();
    // PostgreSQL reports SQLSTATE; SQLite reports the message text.
    if (code == QLatin1String("23505") || text.contains(QLatin1String("UNIQUE constraint failed"))
        || code == QLatin1String("2067") || code == QLatin1String("1555"))
        return PostErrorKind::KeyViolation;
    if (code == QLatin1String("23502") || text.contains(QLatin1String("NOT NULL constraint failed"))
        || code == QLatin1String("1299"))
        return PostErrorKind::RequiredField;
    return PostErrorKind::Other;
}

QString postErrorMessage(const QSqlError& error)
{
    switch (classifyPostError(error)) {
    case PostErrorKind::KeyViolation: return QStringLiteral("Aynı Kodlu Kayıt Var.");
    case PostErrorKind::RequiredField: return QStringLiteral("Gerekli Alanları Lüften Giriniz.");
    case PostErrorKind::Other: break;
    }
    return QStringLiteral("Diğer Kullanıcı bu kaydı değiştiriyor.");
}

} // namespace nimbo
