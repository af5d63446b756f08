#pragma once
#include "trade/AlisBelgesi.h"
#include "trade/forms/TicariBelgeFormu.h"

namespace nimbo {

// "Alış": entry and correction of one purchase document; the item lines carry the special
// consumption tax of import invoices.
class TFormAlisA : public TicariBelgeFormu {
    Q_OBJECT
public:
    // no -1: a new document; readOnly: the document is only shown (its payments are matched).
    explicit TFormAlisA(double no = -1, bool readOnly = false, QWidget* parent = nullptr);
    AlisBelgesi& belge() { return static_cast<AlisBelgesi&>(document()); }

    static void yazdir(QWidget* parent, double alisNo, const QString& output = QStringLiteral("Önizleme"));

protected:
    void print() override;
    QList<double> irsaliyeSec(const QString& cariKod) override;
    QList<LineColumn> ekKalemKolonlari() override;
    QList<TotalsPanel::Field> ekToplamlar() override;
};

} // namespace nimbo
