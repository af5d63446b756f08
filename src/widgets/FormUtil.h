#pragma once
#include <QString>

class QWidget;
class QLineEdit;

namespace nimbo {

// Enter in an edit or box of the window moves to the next control, as in every dialog here.
void enterMovesFocus(QWidget* window);

// Declared length of a text column of the year schema (VARCHAR(n)); 0 when the column is
// not text or not declared. Editors use it so that over-long input stops at the column.
int declaredLength(const QString& table, const QString& column);
// Portable declared type of a column ("VARCHAR(22)", "FLOAT", ...), empty when unknown.
QString declaredType(const QString& table, const QString& column);

// Shows a read-only editor grey, as the cards do for fields the user may not change.
void setEditorReadOnly(QWidget* editor, bool readOnly);

} // namespace nimbo
