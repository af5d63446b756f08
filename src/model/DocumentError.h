#pragma once
#include "db/Errors.h"

namespace nimbo {

// A document refused a save or a deletion. The message has already been shown through the
// Prompter (or was answered No); the window only puts the cursor where it points: a header
// column, or a cell of a line table.
class DocumentError : public UserError {
public:
    DocumentError(const QString& message, const QString& column = {}, int row = -1, const QString& lines = {})
        : UserError(message), m_column(column), m_row(row), m_lines(lines)
    {
    }
    QString column() const { return m_column; }
    int row() const { return m_row; }      // -1: a header column
    QString lines() const { return m_lines; } // the line table of the cell

private:
    QString m_column;
    int m_row;
    QString m_lines;
};

} // namespace nimbo
