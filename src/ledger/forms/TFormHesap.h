#pragma once
#include "ledger/HesapKart.h"
#include "widgets/CardWindow.h"

class QLabel;
class QLineEdit;

namespace nimbo {

// "Hesap Kodları Tanımı": one account of the chart. New with an empty code (or a suggested
// one), or an existing code.
class TFormHesap : public CardWindow {
    Q_OBJECT
public:
    explicit TFormHesap(const QString& kod = {}, bool yeni = true, QWidget* parent = nullptr);
    QString kaydedilenKod() const { return m_kaydedilen; }

protected:
    bool beforeSave() override;
    void afterSave() override;

private:
    void kodBirakildi();

    HesapKart m_kart;
    QLineEdit* m_kod;
    QLabel* m_ana;
    QLabel* m_sonAlt;
    QString m_kaydedilen;
};

} // namespace nimbo
