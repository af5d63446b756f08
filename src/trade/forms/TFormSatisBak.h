#pragma once
#include "trade/forms/TicariListeFormu.h"

namespace nimbo {

// "Satış İşlemleri": the saved sales documents.
class TFormSatisBak : public TicariListeFormu {
    Q_OBJECT
public:
    explicit TFormSatisBak(QWidget* parent = nullptr);

protected:
    DocumentWindow* pencere(double no, bool salt) override;
    std::unique_ptr<TicariBelge> belgeModeli() const override;
    QString pencereSinifi() const override { return QStringLiteral("TFormSatisA"); }
    void yazdir(double no, const QString& output) override;
};

} // namespace nimbo
