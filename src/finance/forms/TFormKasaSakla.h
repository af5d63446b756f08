#pragma once
#include "finance/KasaKart.h"
#include "widgets/CardWindow.h"

class QLineEdit;

namespace nimbo {

// "Kasa Tanım Kayıt": the card of one cash desk.
class TFormKasaSakla : public CardWindow {
    Q_OBJECT
public:
    TFormKasaSakla(const QString& kod, QWidget* parent = nullptr);
    // Opens the card modally; the code saved, or empty.
    static QString ac(QWidget* parent, const QString& kod);
    QString savedCode() const { return m_kart.kaydedilenKod(); }

private:
    void kodAyrildi();

    KasaKart m_kart;
    QLineEdit* m_kod;
};

} // namespace nimbo
