#pragma once
#include "model/CardModel.h"

namespace nimbo {

// The cash-desk card ("Kasa Tanım Kayıt"). Desk codes share one name space with account
// and bank codes; "PK" is the cheque/note portfolio and is kept out of every desk list.
class KasaKart : public CardModel {
public:
    inline static const QString kPortfoy = QStringLiteral("PK");

    explicit KasaKart(const Db& db) : m_db(db) {}
    QString table() const override { return QStringLiteral("KASA"); }

    void yeni();
    bool ac(const QString& kod);
    // Leaving the code field: an account or bank with this code refuses it (FieldError).
    void kodKontrol(const QString& kod) const;
    QString kaydedilenKod() const { return m_kaydedilen; }

    // Asks "Kayıt Silinsin mi?"; a desk with cash rows or used as an expense code stays
    // ("Kayıt ile İlgili İşlem Var.Silinemez!", UserError). True when it was deleted.
    static bool sil(const Db& db, const QString& kod);

protected:
    void store() override;

private:
    Db m_db;
    QString m_kaydedilen;
};

} // namespace nimbo
