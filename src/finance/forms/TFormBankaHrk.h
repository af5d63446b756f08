#pragma once
#include "finance/BankaHareketBelgesi.h"
#include "widgets/DocumentWindow.h"

namespace nimbo {

// "Banka Hareketleri Girişi": entry of one bank movement document.
class TFormBankaHrk : public DocumentWindow {
    Q_OBJECT
public:
    // tip: document type letter; no -1 for a new one.
    TFormBankaHrk(const QString& tip, double no, QWidget* parent = nullptr);
    // Opens the window modally; the number saved, or 0.
    static double ac(QWidget* parent, const QString& tip, double no = -1);
    BankaHareketBelgesi& belge() { return static_cast<BankaHareketBelgesi&>(document()); }

private:
    QList<LineColumn> columns();
};

} // namespace nimbo
