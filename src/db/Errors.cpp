#include "db/Errors.h"

namespace nimbo {

namespace {
bool has(const QString& text, const char* what) { return text.contains(QLatin1String(what), Qt::CaseInsensitive); }
} // namespace

DbFailure classifyDbFailure(const QSqlError& error)
{
    // PostgreSQL reports SQLSTATE; SQLite reports its (extended) result code and the message text.
    const QString code = error.nativeErrorCode();
    const QString text = error.databaseText() + QLatin1Char(' ') + error.driverText();
    if (code == QLatin1String("23505") || has(text, "UNIQUE constraint failed") || code == QLatin1String("2067")
        || code == QLatin1String("1555"))
        return DbFailure::KeyViolation;
    if (code == QLatin1String("23502") || has(text, "NOT NULL constraint failed") || code == QLatin1String("1299"))
        return DbFailure::RequiredField;
    // SQLite learns the declared lengths through the LEN_ check constraints the schema writes.
    if (code == QLatin1String("22001") || has(text, "value too long") || has(text, "constraint failed: LEN_"))
        return DbFailure::ValueTooLong;
    if (code == QLatin1String("55P03") || code == QLatin1String("57014") || code == QLatin1String("5")
        || code == QLatin1String("6") || code == QLatin1String("517") || has(text, "database is locked")
        || has(text, "lock timeout"))
        return DbFailure::LockTimeout;
    // Class 08 (connection exception) and 57P01..57P03 (the server shut down or restarted).
    if (code.startsWith(QLatin1String("08")) || code == QLatin1String("57P01") || code == QLatin1String("57P02")
        || code == QLatin1String("57P03") || has(text, "server closed the connection")
        || has(text, "no connection to the server")
        || has(text, "terminating connection") || has(text, "could not receive data from server")
        || has(text, "could not send data to server"))
        return DbFailure::ConnectionLost;
    return DbFailure::Other;
}

DbError::DbError(const QSqlError& error, const QString& sql)
    : std::runtime_error((error.text() + (sql.isEmpty() ? QString() : QStringLiteral(" [") + sql + QStringLiteral("]")))
                             .toStdString()),
      m_error(error), m_sql(sql), m_failure(classifyDbFailure(error))
{
}

QString DbError::text() const
{
    if (m_failure == DbFailure::ConnectionLost)
        return connectionLostMessage();
    const QString t = m_error.databaseText().trimmed();
    return t.isEmpty() ? m_error.text() : t;
}

PostErrorKind classifyPostError(const QSqlError& error)
{
    switch (classifyDbFailure(error)) {
    case DbFailure::KeyViolation: return PostErrorKind::KeyViolation;
    case DbFailure::RequiredField: return PostErrorKind::RequiredField;
    case DbFailure::ValueTooLong: return PostErrorKind::ValueTooLong;
    default: return PostErrorKind::Other;
    }
}

QString postErrorMessage(const QSqlError& error)
{
    switch (classifyPostError(error)) {
    case PostErrorKind::KeyViolation: return QStringLiteral("Aynı Kodlu Kayıt Var.");
    case PostErrorKind::RequiredField: return QStringLiteral("Gerekli Alanları Lüften Giriniz.");
    case PostErrorKind::ValueTooLong: return valueTooLongMessage();
    case PostErrorKind::Other: break;
    }
    return QStringLiteral("Diğer Kullanıcı bu kaydı değiştiriyor.");
}

QString valueTooLongMessage() { return QStringLiteral("Girilen bilgi alanın uzunluğunu aşıyor. Lütfen kısaltınız."); }

QString connectionLostMessage()
{
    return QStringLiteral("Veritabanı sunucusuyla bağlantı koptu. Son işlem kaydedilmedi; bağlantı bir sonraki "
                          "işlemde yeniden kurulacak.");
}

} // namespace nimbo
