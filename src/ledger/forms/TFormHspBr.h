#pragma once
#include "widgets/ListWindow.h"

class QComboBox;
class QLabel;

namespace nimbo {

// "HESAP PLANI KODLARI KAYITLARI": the chart by level, searched by code or name, with the
// debit, credit and balance of every line on the current code or below it.
class TFormHspBr : public ListWindow {
    Q_OBJECT
public:
    explicit TFormHspBr(QWidget* parent = nullptr);
    QComboBox* duzeyKutusu() const { return m_duzey; }
    QLabel* toplamEtiketi() const { return m_toplam; }

protected:
    ListQuery query() const override;
    void newRecord() override;
    void changeRecord(const QSqlRecord& row) override;
    bool deleteRecord(const QSqlRecord& row) override;
    void currentChanged(const QSqlRecord& row) override;

private:
    void openCard(const QString& kod, bool yeni);

    QComboBox* m_duzey;
    QLabel* m_toplam;
};

} // namespace nimbo
