#pragma once
#include <QStringList>

namespace nimbo {

// The columns a user chose to print from a list window, by field name, kept per window in
// the grid-layout file of the session (beside the program when none is set).
class ListPrintColumns {
public:
    static QStringList load(const QString& window);
    // An empty list forgets the choice (the grid's columns print again).
    static void save(const QString& window, const QStringList& fields);
};

} // namespace nimbo
