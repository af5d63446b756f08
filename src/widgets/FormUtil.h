#pragma once
#include <QString>

class QWidget;
class QLineEdit;
class QDateEdit;
class QDate;

namespace nimbo {

// Enter in an edit or box of the window moves to the next control, as in every dialog here.
void enterMovesFocus(QWidget* window);

// Declared length of a text column of the year schema (VARCHAR(n)); 0 when the column is
// not text or not declared. Editors use it so that over-long input stops at the column.
int declaredLength(const QString& table, const QString& column);
// Portable declared type of a column ("VARCHAR(22)", "FLOAT", ...), empty when unknown.
QString declaredType(const QString& table, const QString& column);

// A date field of a filter that may stay empty (shown blank, meaning "no limit").
QDateEdit* optionalDateEdit(const QString& objectName);
QDate optionalDate(const QDateEdit* e); // invalid when left blank

// Shows a read-only editor grey, as the cards do for fields the user may not change.
void setEditorReadOnly(QWidget* editor, bool readOnly);

} // namespace nimbo
