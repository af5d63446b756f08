#pragma once
#include "trade/SatisBelgesi.h"
#include "trade/forms/TicariBelgeFormu.h"

namespace nimbo {

// "Satış": entry and correction of one sales document, with its item, labour and expense
// lines and the totals in local currency, USD and EUR.
class TFormSatisA : public TicariBelgeFormu {
    Q_OBJECT
public:
    // no -1: a new document; readOnly: the document is only shown (its payments are matched).
    explicit TFormSatisA(double no = -1, bool readOnly = false, QWidget* parent = nullptr);
    SatisBelgesi& belge() { return static_cast<SatisBelgesi&>(document()); }

    static void yazdir(QWidget* parent, double satisNo, const QString& output = QStringLiteral("Önizleme"));

protected:
    void print() override;
    QList<double> irsaliyeSec(const QString& cariKod) override;
    void ekButonlar(const std::function<void(const QString&, const QString&, std::function<void()>)>& ekle) override;
};

} // namespace nimbo
