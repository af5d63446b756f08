#pragma once
#include <QSqlError>
#include <QString>
#include <stdexcept>

namespace nimbo {

// A failure the user must see as it stands (the text is the system's own message).
class UserError : public std::runtime_error {
public:
    explicit UserError(const QString& message) : std::runtime_error(message.toStdString()), m_message(message) {}
    QString message() const { return m_message; }

private:
    QString m_message;
};

// What went wrong with a statement, as far as the user and the retry logic care.
enum class DbFailure {
    KeyViolation,   // unique or primary key
    RequiredField,  // NOT NULL
    ValueTooLong,   // a text longer than its column
    LockTimeout,    // another workstation holds the row (or the SQLite file) past the timeout
    ConnectionLost, // the server went away; the connection is reopened on the next statement
    Other
};

DbFailure classifyDbFailure(const QSqlError& error);

// A database statement failed; carries the driver's error and the statement text.
class DbError : public std::runtime_error {
public:
    DbError(const QSqlError& error, const QString& sql = {});
    const QSqlError& sqlError() const { return m_error; }
    QString text() const;
    QString sql() const { return m_sql; }
    DbFailure failure() const { return m_failure; }
    bool isConnectionLost() const { return m_failure == DbFailure::ConnectionLost; }
    bool isLockTimeout() const { return m_failure == DbFailure::LockTimeout; }

private:
    QSqlError m_error;
    QString m_sql;
    DbFailure m_failure;
};

// How a failed store of a card is reported to the user.
enum class PostErrorKind { KeyViolation, RequiredField, ValueTooLong, Other };

PostErrorKind classifyPostError(const QSqlError& error);
// "Aynı Kodlu Kayıt Var.", "Gerekli Alanları Lüften Giriniz.", the too-long text below, or
// "Diğer Kullanıcı bu kaydı değiştiriyor." (locks and everything else).
QString postErrorMessage(const QSqlError& error);
// Told apart from the three card texts: a value does not fit its column.
QString valueTooLongMessage();
// Told in plain words when the server went away under the session.
QString connectionLostMessage();

} // namespace nimbo
