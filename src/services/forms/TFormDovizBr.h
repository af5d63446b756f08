#pragma once
#include "db/Db.h"
#include "services/DovizTanimlari.h"

#include <QDialog>

#include <functional>

class QCheckBox;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace nimbo {

// The currency list: adds, changes and deletes DOVIZ rows. A currency a stock card uses is
// neither changed nor deleted.
class TFormDovizBr : public QDialog {
    Q_OBJECT
public:
    explicit TFormDovizBr(const Db& db, QWidget* parent = nullptr);

    QTableWidget* tablo() const { return m_tablo; }
    QLineEdit* alanKod() const { return m_kod; }
    QLineEdit* alanAd() const { return m_ad; }
    QCheckBox* alanAktif() const { return m_aktif; }
    QPushButton* btnEkle() const { return m_btnEkle; }
    QPushButton* btnDegistir() const { return m_btnDegistir; }
    QPushButton* btnSil() const { return m_btnSil; }
    void satirSec(const QString& kod);

private:
    void doldur();
    void satirSecildi();
    QString seciliKod() const;
    void BtnEkleClick();
    void BtnDegistirClick();
    void BtnSilClick();
    // Runs one change of the currency list and shows its refusal or failure; true when done.
    bool uygula(const std::function<void(const DovizTanimlari&)>& islem);
    DovizTanimi alanlar() const;

    Db m_db;
    QTableWidget* m_tablo = nullptr;
    QLineEdit* m_kod = nullptr;
    QLineEdit* m_ad = nullptr;
    QCheckBox* m_aktif = nullptr;
    QPushButton *m_btnEkle = nullptr, *m_btnDegistir = nullptr, *m_btnSil = nullptr;
};

} // namespace nimbo
