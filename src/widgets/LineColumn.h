#pragma once
#include "services/SessionContext.h"

#include <QList>
#include <QString>
#include <QVariant>
#include <functional>

class QWidget;

namespace nimbo {

// One column of a document's line grid: the line field it edits and how.
struct LineColumn {
    enum class Kind { Text, Number, Integer, Date, Choice };
    QString field;
    QString title;
    int width = 90;
    Kind kind = Kind::Text;
    int decimals = 2;
    bool readOnly = false;
    // Choice columns: the values offered (text shown, value stored).
    QList<PickItem> choices{};
    // Text shown instead of the stored value (e.g. an account's name beside its code);
    // a column with display only and no field of its own is read-only.
    std::function<QString(int row)> display{};
    // F4 or a double-click on the cell: a pick list; returns the chosen value (invalid: none).
    std::function<QVariant(QWidget* parent, const QString& typed)> pick{};
};

} // namespace nimbo
