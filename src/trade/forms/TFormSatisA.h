#pragma once
#include "trade/SatisBelgesi.h"
#include "widgets/DocumentWindow.h"

class QLabel;
class QLineEdit;

namespace nimbo {

// "Satış": entry and correction of one sales document, with its item, labour and expense
// lines and the totals in local currency, USD and EUR.
class TFormSatisA : public DocumentWindow {
    Q_OBJECT
public:
    // no -1: a new document; readOnly: the document is only shown (its payments are matched).
    explicit TFormSatisA(double no = -1, bool readOnly = false, QWidget* parent = nullptr);
    SatisBelgesi& belge() { return static_cast<SatisBelgesi&>(document()); }

    // Adds an item typed by code, barcode or name; false when none matches.
    bool stokGir(const QString& kodBarkodAd);
    void stokListesi();
    void irsaliyeGetir();
    static void yazdir(QWidget* parent, double satisNo, const QString& output = QStringLiteral("Önizleme"));

protected:
    void print() override;
    bool beforeSave() override;

private:
    QWidget* baslikAlani();
    QList<LineColumn> kalemKolonlari();
    QList<LineColumn> hizmetKolonlari();
    void cariAdiniGoster();

    bool m_salt;
    QLabel* m_cariAdi = nullptr;
    QLineEdit* m_stokGir = nullptr;
};

} // namespace nimbo
