#pragma once
#include "model/CardModel.h"

#include <QList>

namespace nimbo {

// The bank card ("Banka Kayıtları"): a bank (BANKA) with its accounts (BANKAYR), written
// together. Bank codes share one name space with account and cash-desk codes. An account
// that any finance row names (KODU the bank, KODU2 the account) is never deleted.
class BankaKart : public CardModel {
public:
    explicit BankaKart(const Db& db) : m_db(db) {}
    QString table() const override { return QStringLiteral("BANKA"); }

    void yeni();
    bool ac(const QString& kod);
    // Leaving the code field: an account or cash desk with this code refuses it (FieldError).
    void kodKontrol(const QString& kod) const;
    QString kaydedilenKod() const { return m_kaydedilen; }

    // The bank's accounts, BANKAYR rows by column.
    QList<QVariantMap> hesaplar;
    // A new account row with its defaults (local currency, commercial account).
    QVariantMap yeniHesap() const;
    // One account from the grid's texts (Hesap No, Hesap Adı, Hesap Türü, Döviz, Valör,
    // Komisyon%); value days or a commission that cannot be read are refused (FieldError).
    static QVariantMap hesapSatiri(const QStringList& hucreler, int satirNo);
    // "1.Ticari Hesap" ... "5.POS Hesabı"; the type is the first character.
    static const QStringList& hesapTurleri();
    // Choosing ledger accounts needs the bank's accounts first (UserError otherwise).
    void muhasebeKoduSecilebilir() const;
    // Whether a stored account may go: no finance row names it.
    bool hesapSilinebilir(const QString& hesapNo) const;
    static QString hesapSilinemezMesaji();

    bool isModified() const override { return CardModel::isModified() || hesaplar != m_yuklenenHesaplar; }

    // Asks "Kayıt Silinsin mi?"; a bank with accounts stays ("Bu Banka ile Hesapları
    // Var.Silinemez!", UserError). True when it was deleted.
    static bool sil(const Db& db, const QString& kod);

protected:
    void store() override;

private:
    void hesapKontrol();

    Db m_db;
    QString m_kaydedilen;
    QList<QVariantMap> m_yuklenenHesaplar;
};

} // namespace nimbo
