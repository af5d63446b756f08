#pragma once
#include "model/CodeNameRecord.h"
#include "widgets/CardWindow.h"

#include <QHash>

class QComboBox;

namespace nimbo {

// The card of one code/name row, built from its description: a combo per Choice field
// (each narrowing the next), a check per switch, an edit per text or number field; the key
// is read-only when numbered or once saved (unless the table renames through its key).
class CodeNameCard : public CardWindow {
    Q_OBJECT
public:
    // key invalid: a new row, with the presets (e.g. the parent chosen in the list).
    CodeNameCard(const CodeNameTable& table, const QVariant& key, const QVariantMap& presets = {},
                 QWidget* parent = nullptr);
    QVariant savedKey() const { return m_record.key(); }

private:
    void fillChoices(const QString& column);
    QString previousChoice(const QString& column) const;

    const CodeNameTable& m_table;
    CodeNameRecord m_record;
    QHash<QString, QComboBox*> m_choices;
};

} // namespace nimbo
