#pragma once
#include "widgets/CardWindow.h"
#include "widgets/CodeNameRecord.h"

class QComboBox;

namespace nimbo {

// The card of one code/name row: a combo per parent (each narrowing the next), the code
// (unless numbered by the database) and the name.
class CodeNameCard : public CardWindow {
    Q_OBJECT
public:
    // key invalid: a new row, with the presets (e.g. the parent chosen in the list).
    CodeNameCard(const CodeNameTable& table, const QVariant& key, const QVariantMap& presets = {},
                 QWidget* parent = nullptr);
    QVariant savedKey() const { return m_record.key(); }

private:
    void fillParent(int i);

    const CodeNameTable& m_table;
    CodeNameRecord m_record;
    QList<QComboBox*> m_parents;
};

} // namespace nimbo
