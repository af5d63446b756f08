#pragma once
#include <QString>
#include <stdexcept>

namespace nimbo {

// A message that could not be sent; the text tells the user why in plain words.
class SmtpError : public std::runtime_error {
public:
    explicit SmtpError(const QString& message) : std::runtime_error(message.toStdString()), m_message(message) {}
    QString message() const { return m_message; }

private:
    QString m_message;
};

} // namespace nimbo
