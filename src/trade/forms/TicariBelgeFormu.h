#pragma once
#include "trade/TicariBelge.h"
#include "widgets/DocumentWindow.h"

class QHBoxLayout;
class QLabel;
class QLineEdit;

namespace nimbo {

// The entry window of one trade document (a sale or a purchase): header, item, labour and
// expense lines, totals in local currency, USD and EUR. The side's window adds its buttons,
// columns and totals through the hooks and calls kur() at the end of its constructor.
class TicariBelgeFormu : public DocumentWindow {
    Q_OBJECT
public:
    TicariBelge& belge() { return static_cast<TicariBelge&>(document()); }

    // Adds an item typed by code, barcode or name; false when none matches.
    bool stokGir(const QString& kodBarkodAd);
    void stokListesi();
    // "Taksit": the instalment plan of the document (payment "Taksitli").
    void taksitlendir();
    // "İrsaliye Getir": the account's open dispatch notes chosen in the side's picker are
    // collected into this invoice.
    void irsaliyeGetir();

protected:
    // tipSayisi: how many of the side's document types the form offers.
    TicariBelgeFormu(std::unique_ptr<TicariBelge> belge, const QString& caption, int tipSayisi, bool readOnly,
                     QWidget* parent);
    // Opens the document (no > 0) and builds the window.
    void kur(double no);
    bool beforeSave() override;
    bool saltOkunur() const { return m_salt; }

    virtual void ekButonlar(const std::function<void(const QString&, const QString&, std::function<void()>)>& ekle)
    {
        Q_UNUSED(ekle);
    }
    virtual QList<LineColumn> ekKalemKolonlari() { return {}; }
    // The side's dispatch-note picker: the notes of the account chosen.
    virtual QList<double> irsaliyeSec(const QString& cariKod) = 0;
    virtual QList<TotalsPanel::Field> ekToplamlar() { return {}; }

private:
    QWidget* baslikAlani();
    QList<LineColumn> kalemKolonlari();
    QList<LineColumn> hizmetKolonlari();
    void cariAdiniGoster();

    int m_tipSayisi;
    bool m_salt;
    QLabel* m_cariAdi = nullptr;
    QLineEdit* m_stokGir = nullptr;
};

} // namespace nimbo
