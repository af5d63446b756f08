#pragma once
#include "db/Db.h"
#include "printing/PageSetupRow.h"

#include <QList>
#include <QMargins>
#include <optional>

namespace nimbo {

// Reads and writes MSAYFA.
class PageSetupStore {
public:
    explicit PageSetupStore(const Db& db) : m_db(db) {}

    // Every stored setup, by window and report; a failed read throws DbError.
    QList<PageSetupRow> all() const;
    std::optional<PageSetupRow> find(const QString& pasadi, const QString& quikad) const;
    // The row, inserted first with A4, the given orientation and margins when missing.
    // Margins are left, top, right, bottom in mm.
    PageSetupRow ensure(const QString& pasadi, const QString& quikad, const QString& defaultOrientation,
                        const QMargins& defaultMarginsMm) const;
    void save(const PageSetupRow& row) const;

private:
    Db m_db;
};

} // namespace nimbo
