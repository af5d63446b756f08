#pragma once
#include "ledger/FisDokum.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace nimbo {

class TarihAraligi;

// "Fiş Dökumleri": prints the selected vouchers (number, date and reference ranges, type,
// cancelled ones) in the chosen order with the options, to preview, Word, Excel or text.
class TFormFisDok : public QDialog {
    Q_OBJECT
public:
    // fisNo > 0 preselects that voucher.
    explicit TFormFisDok(double fisNo = 0, QWidget* parent = nullptr);
    FisDokumSecimi secim() const;
    // "Ön İzleme", "Word", "Excel", "Text", "DOS"; false when nothing was sent.
    bool yazdir(const QString& cikti);

private:
    QLineEdit* m_fisBas;
    QLineEdit* m_fisBit;
    TarihAraligi* m_aralik;
    QLineEdit* m_refBas;
    QLineEdit* m_refBit;
    QComboBox* m_tur;
    QComboBox* m_iptal;
    QComboBox* m_sira;
    QCheckBox* m_yeniSayfa;
    QCheckBox* m_hesapSirali;
    QCheckBox* m_kebir;
    QCheckBox* m_fisNo;
    QComboBox* m_cikti;
};

} // namespace nimbo
