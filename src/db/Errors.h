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

// A database statement failed; carries the driver's error.
class DbError : public std::runtime_error {
public:
    DbError(const QSqlError& error, const QString& sql = {});
    const QSqlError& sqlError() const { return m_error; }
    QString text() const;
    QString sql() const { return m_sql; }

private:
    QSqlError m_error;
    QString m_sql;
};

// How a failed store of a card is reported to the user.
enum class PostErrorKind { KeyViolation, RequiredField, Other };

PostErrorKind classifyPostError(const QSqlError& error);
// "Aynı Kodlu Kayıt Var.", "Gerekli Alanları Lüften Giriniz." or "Diğer Kullanıcı bu kaydı değiştiriyor.".
QString postErrorMessage(const QSqlError& error);

} // namespace nimbo
