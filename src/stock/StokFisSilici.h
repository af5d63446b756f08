#pragma once
#include "db/Db.h"

namespace nimbo {

// Deletes a saved stock slip with every row it owns, after its refusals and questions.
class StokFisSilici {
public:
    explicit StokFisSilici(const Db& db) : m_db(db) {}
    // UserError for a posted slip or a user without the right; false when a question was
    // answered No; true when the slip is gone.
    bool sil(double hrkNo) const;

private:
    Db m_db;
};

} // namespace nimbo
