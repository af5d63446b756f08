#pragma once
#include "db/Db.h"
#include "model/ListQuery.h"

namespace nimbo {

// "Banka Kayıtları": the banks, searched by code or name.
class BankaListe {
public:
    explicit BankaListe(const Db& db) : m_db(db) {}
    ListQuery sorgu(const QString& aramaAlani = {}, const QString& aramaDegeri = {}) const;

private:
    Db m_db;
};

} // namespace nimbo
