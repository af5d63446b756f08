#pragma once
#include "finance/CekSenetKart.h"
#include "widgets/CardWindow.h"

class QComboBox;

namespace nimbo {

// "Çek Senet Kartı" (a paper entered into the portfolio) and, for carry-over cards,
// "Çek/Senet Kartı" with the status the paper had when the system was taken into use.
class TFormCSSakla : public CardWindow {
    Q_OBJECT
public:
    TFormCSSakla(double portfoyNo, CekSenetKart::Giris giris, const QString& csTip, const QString& sahip,
                 QWidget* parent = nullptr);
    // Opens the card modally (portfoyNo 0: a new one); the portfolio number saved, or 0.
    static double ac(QWidget* parent, double portfoyNo, CekSenetKart::Giris giris = CekSenetKart::Giris::Kart,
                     const QString& csTip = QStringLiteral("Ç"), const QString& sahip = QStringLiteral("M"));
    CekSenetKart& kart() { return m_kart; }
    QComboBox* durumSecimi() const { return m_durum; }

private:
    void hesapSecildi();
    void sonTakipKodu();

    CekSenetKart m_kart;
    QComboBox* m_durum = nullptr;
    QComboBox* m_hesap = nullptr;
};

} // namespace nimbo
