#pragma once
#include <QString>
#include <QVariant>
#include <functional>

namespace nimbo {

// One column of a list grid: which query field, its heading and how it shows.
struct ListColumn {
    enum class Kind { Text, Amount, Integer, Date };
    QString field;
    QString title;
    int width = 100;
    Kind kind = Kind::Text;
    // Optional display text for a stored value, e.g. "A" -> "Aktif".
    std::function<QString(const QVariant&)> display = {};
    bool total = false; // summed on the printed list
    bool code = false;  // a code: printed whole, never cut (the list's key column always is)
};

} // namespace nimbo
