#pragma once
#include "finance/TaksitTakip.h"
#include "widgets/ListWindow.h"

class QComboBox;
class QLineEdit;

namespace nimbo {

// "Taksit Takip  Formu": the instalments with state, kind, sale and account filters; the
// current instalment is collected, set back to unpaid or given its receipt from here.
class TFormTaksitTakip : public ListWindow {
    Q_OBJECT
public:
    explicit TFormTaksitTakip(QWidget* parent = nullptr);
    TaksitFiltre filtre() const;
    // The current instalment collected in full today.
    void tahsilEt();
    void odenmedi();
    // "TAHSİLAT MAKBUZU" of the current instalment, once it is paid.
    void makbuz(const QString& output = QStringLiteral("Önizleme"));

protected:
    ListQuery query() const override;

private:
    void basligiYaz();
    QComboBox* m_durum;
    QComboBox* m_tur;
    QLineEdit* m_satis;
    QLineEdit* m_cari;
};

} // namespace nimbo
