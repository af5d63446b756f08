#pragma once
#include "stock/StokFisi.h"
#include "widgets/DocumentWindow.h"

class QComboBox;
class QLineEdit;

namespace nimbo {

// "Stok Fişi Kayıt Formu": a new slip of a type, or a saved one opened for correction, on
// the document window: header editors, the line grid, totals, Sakla / Yazdır / İptal. Lines
// are added by code, barcode or name, from a spreadsheet or from a count file.
class TFormStkFis : public DocumentWindow {
    Q_OBJECT
public:
    // hrkNo 0: a new slip of the type.
    TFormStkFis(double hrkNo, const QString& tip, QWidget* parent = nullptr);
    ~TFormStkFis() override;

    // At most two slip windows at once; a third shows why and returns false.
    static bool acilabilir();
    static int acikPencere();

    StokFisi& fis() { return static_cast<StokFisi&>(document()); }
    // Adds the line typed in the search box.
    void satirEkle();
    void dosyadanAktar(const QString& path);
    void sayimAktar(const QString& path);

protected:
    void print() override;

private:
    QList<LineColumn> kolonlar();
    QComboBox* depoSecimi(const QString& name, bool bos);
    void tipeGoreAc();
    int secilenDepo();

    QComboBox* m_tip = nullptr;
    QComboBox* m_depo = nullptr;
    QLineEdit* m_ara = nullptr;
};

} // namespace nimbo
