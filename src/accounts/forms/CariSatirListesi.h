#pragma once
#include "accounts/forms/CariSatirFormu.h"
#include "widgets/ListWindow.h"

namespace nimbo {

// The rows of one account's satellite table, with new, change, delete and, in pick mode,
// "Seç". The account comes with the constructor (the window registry passes its
// "CARI_KOD" argument).
class CariSatirListesi : public ListWindow {
    Q_OBJECT
public:
    CariSatirListesi(const QString& caption, const QString& table, const QString& orderBy, const QString& cariKod,
                     QWidget* parent = nullptr);
    QString cariKod() const { return m_cariKod; }
    void setCariKod(const QString& kod);
    // The account the registry opens such a window on when no account is given: the first
    // one with rows, so that the window shows something.
    static QString ilkCari(const QString& table);

protected:
    ListQuery query() const override;
    void newRecord() override;
    void changeRecord(const QSqlRecord& row) override;
    bool deleteRecord(const QSqlRecord& row) override;
    // The card of a row: key empty for a new one.
    virtual CariSatirFormu* kartFormu(const QVariantMap& key) = 0;
    // The row's key: the values of the key columns.
    QVariantMap anahtar(const QSqlRecord& row) const;
    // The key columns of the table; the last one is the one the list locates rows by.
    void setAnahtar(const QStringList& columns);
    QStringList anahtarKolonlari() const { return m_anahtar; }
    // Opens the row card over kart (new for an empty key, nullptr when the row is gone);
    // without fields, the list's columns with their captions.
    CariSatirFormu* satirFormu(std::unique_ptr<CariSatirKart> kart, const QVariantMap& key, const QString& caption,
                               QList<CariSatirFormu::Alan> alanlar = {});

private:
    QString m_table;
    QString m_orderBy;
    QString m_cariKod;
    QStringList m_anahtar;
};

} // namespace nimbo
