#pragma once
#include "db/Errors.h"

namespace nimbo {

// A check refused the record. The window shows the message with its kind and, when a
// column is named, puts the cursor in the editor bound to it; with a line (0-based) in the
// cell of that line of a grid.
class FieldError : public UserError {
public:
    enum class Kind { Warn, Info, Error };
    FieldError(const QString& message, const QString& column = {}, Kind kind = Kind::Warn, int line = -1)
        : UserError(message), m_column(column), m_kind(kind), m_line(line)
    {
    }
    // A refusal of one line of a grid.
    static FieldError onLine(const QString& message, int line, const QString& column, Kind kind = Kind::Warn)
    {
        return FieldError(message, column, kind, line);
    }
    QString column() const { return m_column; }
    Kind kind() const { return m_kind; }
    int line() const { return m_line; }
    bool hasLine() const { return m_line >= 0; }

private:
    QString m_column;
    Kind m_kind;
    int m_line;
};

} // namespace nimbo
