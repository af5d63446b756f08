#pragma once
#include "model/CardModel.h"

#include <QList>

namespace nimbo {

struct KasaBilgisi {
    QString kod, adi, doviz;
};

// The cash desks ("Kasa Kayıtları") without the portfolio desk "PK", and the desks a user
// may work with (KIMKULKASA; a user without rows there may use every desk).
class KasaListe {
public:
    explicit KasaListe(const Db& db) : m_db(db) {}

    ListQuery sorgu(const QString& aramaAlani = {}, const QString& aramaDegeri = {}) const;
    QList<KasaBilgisi> kullaniciKasalari(const QString& kullanici) const;
    bool kasaVar(const QString& kod) const;
    void setKullaniciKasalari(const QString& kullanici, const QStringList& kodlar) const;

private:
    Db m_db;
};

} // namespace nimbo
