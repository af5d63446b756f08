#include "model/CardModel.h"
#include "db/SqlValues.h"

namespace nimbo {

void CardModel::save()
{
    right().requireChange();
    store();
    setNew(false);
    markClean();
}

bool CardModel::isModified() const
{
    QStringList keys = m_values.keys();
    for (auto it = m_loaded.begin(); it != m_loaded.end(); ++it)
        if (!m_values.contains(it.key()))
            keys << it.key();
    for (const QString& k : keys)
        if (!sameValue(m_values.value(k), m_loaded.value(k)))
            return true;
    return false;
}

} // namespace nimbo
