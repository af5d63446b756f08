#pragma once
#include "stock/StockFilter.h"
#include "widgets/ListWindow.h"

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace nimbo {

// "Stok Kayıtları": the stock list with its filter; opens, creates, copies and deletes cards.
class TFormStokBr : public ListWindow {
    Q_OBJECT
public:
    explicit TFormStokBr(QWidget* parent = nullptr);
    StockFilter filter() const;

protected:
    ListQuery query() const override;
    void newRecord() override;
    void changeRecord(const QSqlRecord& row) override;
    bool deleteRecord(const QSqlRecord& row) override;
    void copyRecord(const QSqlRecord& row) override;

private:
    QWidget* buildFilter();
    void fillCombo(QComboBox* c, const QString& sql, const Params& p = {});
    void openCard(double stokNo);

    QLineEdit *m_kod, *m_kod1, *m_kod2, *m_no1, *m_no2, *m_metin, *m_temsilci;
    QComboBox *m_pasif, *m_marka, *m_ana, *m_grup, *m_alt, *m_renk, *m_model, *m_stok, *m_sira;
    QCheckBox* m_azalan;
};

} // namespace nimbo
