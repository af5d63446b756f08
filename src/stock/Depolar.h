#pragma once
#include "model/CardModel.h"

namespace nimbo {

// The warehouse list ("Depo Tanımları") and the removal of a warehouse.
class Depolar {
public:
    explicit Depolar(const Db& db) : m_db(db) {}
    // DEPO_KODU, DEPO_ADI, DEPO_YERI; optionally only names starting with the text.
    static ListQuery sorgu(const Dialect& d, const QString& adAra);
    // Asks "Kayıt Silinsin mi?"; a warehouse that movements or slip lines name cannot go
    // (UserError). True when deleted.
    bool sil(int depoKodu) const;
    // The lowest warehouse code, 0 when none is defined.
    int ilkDepo() const;

private:
    Db m_db;
};

} // namespace nimbo
