#pragma once
#include "accounts/CariKart.h"

namespace nimbo {

// One row of an account's satellite table (CARISEVK, CARIFATURA, CARIPERS): opened by its
// key, new with the account code filled in, saved in one transaction.
class CariSatirKart : public CardModel {
public:
    // keyColumns: the row's key (ROW_ID for numbered tables); accountColumn: CARIKOD.
    CariSatirKart(const Db& db, const QString& table, const QStringList& keyColumns,
                  const QString& accountColumn = QStringLiteral("CARIKOD"));
    QString table() const override { return m_table; }
    EditRight right() const override { return CariKart::accountRight(); }

    void startNew(const QString& cariKod);
    bool open(const QVariantMap& key);
    // Deletes one row by its key, in one transaction.
    void remove(const QVariantMap& key) const;
    // The rows of one account, for the satellite's list window.
    ListQuery liste(const QString& cariKod, const QString& orderBy) const;

protected:
    void store() override;
    // Checks before the row is written; throw FieldError to refuse.
    virtual void kontrol() {}
    Db m_db;

private:
    QString m_table;
    QStringList m_keys;
    QString m_account;
    QVariantMap m_oldKey;
};

} // namespace nimbo
