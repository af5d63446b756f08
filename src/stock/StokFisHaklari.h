#pragma once
#include "db/Db.h"

namespace nimbo {

class SessionContext;

// What the logged-in user may do with stock slips, from the right flags of the session.
class StokFisHaklari {
public:
    explicit StokFisHaklari(const SessionContext& s) : m_s(s) {}

    // Warehouses 1 to 20 each have a flag (DEPO1 .. DEPO20); other numbers are not guarded.
    bool depo(int depoKodu) const;
    // Marking a transfer "Transfer Edildi" (a positive switch).
    bool transferEdildi() const;
    // Refusal text for correcting or deleting a slip of this type, empty when allowed.
    QString duzeltmeEngeli(const QString& tip) const;
    QString silmeEngeli(const QString& tip) const;

private:
    bool tam(const char* column) const;
    const SessionContext& m_s;
};

} // namespace nimbo
