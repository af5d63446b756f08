#pragma once
#include "widgets/ListWindow.h"

namespace nimbo {

class CariSatirFormu;

// The rows of one account's satellite table, with new, change, delete and, in pick mode,
// "Seç". The account comes with the constructor or, when opened through the window
// registry, with the "cariKod" property.
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
    bool event(QEvent* e) override;
    // The card of a row: key empty for a new one.
    virtual CariSatirFormu* kartFormu(const QVariantMap& key) = 0;
    virtual QVariantMap anahtar(const QSqlRecord& row) const = 0;

private:
    QString m_table;
    QString m_orderBy;
    QString m_cariKod;
};

} // namespace nimbo
