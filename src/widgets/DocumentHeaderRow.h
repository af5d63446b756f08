#pragma once
#include <QString>

class QHBoxLayout;

namespace nimbo {

class DocumentWindow;

// The row a movement document window opens with: the document's type in bold, its number
// (read-only) and its date, each editor bound to the header column and named Edit<COLUMN>.
// The caller adds what its own header shows after them.
QHBoxLayout* documentHeaderRow(DocumentWindow& w, const QString& title, const QString& numberColumn,
                               const QString& numberLabel, int numberWidth, const QString& dateColumn);

} // namespace nimbo
