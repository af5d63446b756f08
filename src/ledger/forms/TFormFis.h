#pragma once
#include "ledger/ElleFis.h"
#include "widgets/DocumentWindow.h"

namespace nimbo {

// "Muhasebe Fişi": a journal voucher typed by hand, or an existing one corrected. Opened
// read-only it is the voucher display ("Muhasebe Fişi Görüntüleme") that the posting offers
// after a document's save.
class TFormFis : public DocumentWindow {
    Q_OBJECT
public:
    // fisNo <= 0: a new voucher.
    explicit TFormFis(double fisNo = 0, bool saltOkunur = false, QWidget* parent = nullptr);

    ElleFis& fis() { return static_cast<ElleFis&>(document()); }
    // "Sil": the voucher goes after "Kayıt Silinsin mi?"; a document's voucher is refused.
    bool sil();
    void yazdir(const QString& cikti = QStringLiteral("Önizleme"));

protected:
    void print() override { yazdir(); }

private:
    QList<LineColumn> kolonlar();
};

} // namespace nimbo
