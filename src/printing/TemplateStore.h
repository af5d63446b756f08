#pragma once
#include "db/Db.h"
#include "printing/ReportTemplate.h"

#include <optional>

namespace nimbo {

// Report layouts of list windows in RBSAYFA; a window sees only rows of its own unit name.
class TemplateStore {
public:
    explicit TemplateStore(const Db& db) : m_db(db) {}

    QStringList names(const QString& pasadi) const;
    std::optional<ReportTemplate> load(const QString& pasadi, const QString& name) const;
    // Writes the layout back to its row; a new row takes the window's unit and the name.
    void save(const QString& pasadi, const QString& name, const ReportTemplate& layout) const;
    void remove(const QString& pasadi, const QString& name) const;

private:
    Db m_db;
};

} // namespace nimbo
