#pragma once
#include "db/Db.h"
#include "services/DovizKurlari.h"

#include <QDialog>

#include <functional>

class QCheckBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QListWidget;
class QProgressBar;
class QPushButton;
class QTableWidget;

namespace nimbo {

class KurGunleriDoldurucu;
class KurSayfasiIndirici;

// "Döviz Kur Değerleri Giriş Formu": the currencies on the left, the rates of the selected
// one on the right, typed rates, the central bank's daily page and the stock-price update.
// Opened as a rate picker it hands back the buying or selling rate of the current row.
class TFormDoviz : public QDialog {
    Q_OBJECT
public:
    explicit TFormDoviz(const Db& db, QWidget* parent = nullptr, bool kurSecici = false);
    ~TFormDoviz() override;

    // Picker: shows the window modally on the currency; true with the chosen rate.
    static bool kurSec(QWidget* parent, const QString& dovizKodu, double& kur);

    void dovizSec(const QString& kod);
    QString seciliDoviz() const;
    double secilenKur() const { return m_secilenKur; }
    void setKurSayfasiAdresi(const QString& adres) { m_adres = adres; }

    // Controls, for tests and shots.
    QListWidget* dovizListesi() const { return m_dovizler; }
    QTableWidget* kurTablosu() const { return m_kurlar; }
    QDateEdit* varsayilanTarih() const { return m_tarih; }
    QLineEdit* alanAlis() const { return m_alis; }
    QLineEdit* alanSatis() const { return m_satis; }
    QLineEdit* alanEfektifAlis() const { return m_efAlis; }
    QLineEdit* alanEfektifSatis() const { return m_efSatis; }
    QLineEdit* alanBankaSatis() const { return m_bankaSatis; }
    QLineEdit* alanOzelSatis() const { return m_ozelSatis; }
    QPushButton* btnKaydet() const { return m_btnKaydet; }
    QPushButton* btnDegistir() const { return m_btnDegistir; }
    QPushButton* btnSil() const { return m_btnSil; }
    QPushButton* btnTcmb() const { return m_btnTcmb; }
    QPushButton* btnEksikGunler() const { return m_btnEksik; }
    QPushButton* btnStokFiyat() const { return m_btnStok; }
    QDateEdit* fiyatKurTarihi() const { return m_fiyatTarihi; }
    QCheckBox* alisKurundan() const { return m_alisKurundan; }
    QPushButton* btnAlisKuruSec() const { return m_btnAlisSec; }
    QPushButton* btnSatisKuruSec() const { return m_btnSatisSec; }
    QProgressBar* ilerleme() const { return m_ilerleme; }

Q_SIGNALS:
    void kurSayfasiIslendi(); // the daily page was written, or its failure shown
    void eksikGunlerIslendi(); // the missing days were fetched, or the run's failure shown

private:
    void build(bool kurSecici);
    void dovizleriDoldur();
    void kurlariDoldur();
    void satirSecildi();
    KurSatiri alanlardanSatir() const;
    void BtnKaydetClick();
    void BtnDegistirClick();
    void BtnSilClick();
    // Runs one change of the rate table, shows its refusal or failure, and refills the rows.
    void uygula(const std::function<void()>& islem);
    void BtnTcmbClick();
    void sayfaGeldi(const QString& sayfa);
    void sayfaHatasi(const QString& mesaj);
    void indirmeBitti();
    void BtnEksikGunlerClick();
    void eksikGunlerBitti(const QString& mesaj, bool sorunVar);
    void BtnStokFiyatClick();
    void kurSecildi(bool alis);

    Db m_db;
    DovizKurlari m_book;
    bool m_saltOkunur = false;
    QString m_adres;
    double m_secilenKur = 0;
    KurSayfasiIndirici* m_indirici = nullptr;
    KurGunleriDoldurucu* m_doldurucu = nullptr;

    QListWidget* m_dovizler = nullptr;
    QTableWidget* m_kurlar = nullptr;
    QDateEdit* m_tarih = nullptr;
    QLineEdit *m_alis = nullptr, *m_satis = nullptr, *m_efAlis = nullptr, *m_efSatis = nullptr;
    QLineEdit *m_bankaSatis = nullptr, *m_ozelSatis = nullptr;
    QPushButton *m_btnKaydet = nullptr, *m_btnDegistir = nullptr, *m_btnSil = nullptr;
    QPushButton *m_btnTcmb = nullptr, *m_btnEksik = nullptr, *m_btnStok = nullptr;
    QPushButton *m_btnAlisSec = nullptr, *m_btnSatisSec = nullptr;
    QDateEdit* m_fiyatTarihi = nullptr;
    QCheckBox* m_alisKurundan = nullptr;
    QProgressBar* m_ilerleme = nullptr;
    QLabel* m_durum = nullptr;
};

} // namespace nimbo
