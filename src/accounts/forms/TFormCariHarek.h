#pragma once
#include "accounts/CariHareketBelgesi.h"
#include "widgets/DocumentWindow.h"

class QCheckBox;

namespace nimbo {

// "Cari Hareketler Girişi": entry of one manual account movement document.
class TFormCariHarek : public DocumentWindow {
    Q_OBJECT
public:
    // tip: document type letter; taraf "A"/"B" for cash documents; no -1 for a new one.
    TFormCariHarek(const QString& tip, const QString& taraf, const QString& cariKod, double no,
                   QWidget* parent = nullptr);
    // Opens the window modally; the number saved, or 0.
    static double ac(QWidget* parent, const QString& tip, const QString& taraf, const QString& cariKod = {},
                     double no = -1);
    CariHareketBelgesi& belge() { return static_cast<CariHareketBelgesi&>(document()); }

protected:
    void showEvent(QShowEvent* e) override;
    void print() override;

private:
    QList<LineColumn> columns();
    void kurHesaplaDegisti(bool on);

    QCheckBox* m_kurHesapla = nullptr;
    bool m_cariUygulandi = false;
};

} // namespace nimbo
