#pragma once
#include "stock/StokFisi.h"

#include <QDialog>

class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QTableView;

namespace nimbo {

class StokFisSatirModeli;

// "Stok Fişi Kayıt Formu": a new slip of a type, or a saved one opened for correction.
// The window reads its fields into the slip and calls its save; the rules are the slip's.
class TFormStkFis : public QDialog {
    Q_OBJECT
public:
    // hrkNo 0: a new slip of the type.
    TFormStkFis(double hrkNo, const QString& tip, QWidget* parent = nullptr);
    ~TFormStkFis() override;

    // At most two slip windows at once; a third shows why and returns false.
    static bool acilabilir();
    static int acikPencere();

    StokFisi& fis() { return m_fis; }
    StokFisSatirModeli* satirModeli() const { return m_model; }
    // "Sakla": true when the slip was stored.
    bool sakla();
    // Adds the line typed in the search box.
    void satirEkle();
    void dosyadanAktar(const QString& path);
    void sayimAktar(const QString& path);

protected:
    void reject() override;

private:
    void tipDegisti();
    void basliktanOku();
    void basligaYaz();
    void toplamlariGoster();
    void doldurDepolar(QComboBox* c, bool bos);
    int secilenDepo() const;

    StokFisi m_fis;
    StokFisSatirModeli* m_model;
    QComboBox* m_tip;
    QLabel* m_no;
    QDateEdit* m_tarih;
    QLineEdit* m_usd;
    QLineEdit* m_eur;
    QComboBox* m_cikDepo;
    QComboBox* m_girDepo;
    QComboBox* m_durum;
    QComboBox* m_depo;
    QComboBox* m_sorumlu;
    QLineEdit* m_ozelKod;
    QLineEdit* m_aciklama[3];
    QLineEdit* m_ara;
    QTableView* m_grid;
    QLabel* m_toplam;
    bool m_yukleniyor = false;
};

} // namespace nimbo
