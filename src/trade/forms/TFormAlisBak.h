#pragma once
#include "trade/forms/TicariListeFormu.h"

namespace nimbo {

// "Alış İşlemleri": the saved purchase documents.
class TFormAlisBak : public TicariListeFormu {
    Q_OBJECT
public:
    explicit TFormAlisBak(QWidget* parent = nullptr);

protected:
    DocumentWindow* pencere(double no, bool salt) override;
    std::unique_ptr<TicariBelge> belgeModeli() const override;
    QString pencereSinifi() const override { return QStringLiteral("TFormAlisA"); }
    void yazdir(double no, const QString& output) override;
};

} // namespace nimbo
