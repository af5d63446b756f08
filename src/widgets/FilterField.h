#pragma once
#include <QList>
#include <QPair>
#include <QString>
#include <QVariant>

namespace nimbo {

// One field of a list's filter, declared by the list and built by ListWindow: a text or
// number typed (the list follows as you type) or a choice (the list follows at once).
struct FilterField {
    enum class Kind { Text, Number, Choice };
    using Choices = QList<QPair<QString, QVariant>>; // shown text, value (an empty value: no clause)

    QString name;     // the editor is "Edit" + name or "Cmb" + name
    QString caption;
    Kind kind = Kind::Text;
    Choices choices = {};
    int maxLength = 0;
    QString placeholder = {};
};

} // namespace nimbo
