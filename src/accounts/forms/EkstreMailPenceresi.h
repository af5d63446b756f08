#pragma once
#include "accounts/EkstreMailMetni.h"

#include <QTemporaryDir>
#include <QWidget>
#include <functional>

class QCheckBox;
class QGroupBox;
class QComboBox;
class QGridLayout;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTableWidget;
class QVBoxLayout;

namespace nimbo {

class SmtpWorker;

// What both "Cari Ektstreleri E-Postayla Yolla" windows share: the connection settings
// of EKIM ("Bağlantı Ayarları", edited in place and offered for storing on close), the
// message fields, the extra attachments, the status memo and label, the statement's file
// format and a worker that sends without blocking the window.
class EkstreMailPenceresi : public QWidget {
    Q_OBJECT
public:
    explicit EkstreMailPenceresi(QWidget* parent = nullptr);
    ~EkstreMailPenceresi() override;

    MailAyarlari ayarlar() const;
    EkstreMailMetni metin() const;
    // Report output of the statement file ("PDF", "Word", "Text").
    QString dosyaBicimi() const;
    // True while a message is being sent.
    bool gonderiyor() const;

    // Chooses the file of "Dosya Ekle"; the default shows a file dialog. Tests replace it.
    static std::function<QString(QWidget* parent)>& dosyaSecici();

protected:
    // Rows the window adds its own fields to (below the message fields), and its buttons.
    QGridLayout* mesajAlani() const { return m_mesaj; }
    QVBoxLayout* icerikAlani() const { return m_icerik; }
    QHBoxLayout* komutAlani() const { return m_komut; }
    QPlainTextEdit* durum() const { return m_durum; }
    QLabel* etiket() const { return m_etiket; }
    QString klasor() const { return m_klasor.path(); }
    Db db() const;

    // Checks the settings before a send: server and sender address, with a warning.
    bool ayarlarTamam();
    // Starts a worker for the current settings; finished(error) goes to done.
    SmtpWorker* yeniGonderici(const std::function<void(const QString& error)>& done);
    SmtpWorker* gonderici() const { return m_worker; }
    void gondericiyiBirak();

    void closeEvent(QCloseEvent* e) override;

private:
    QGroupBox* baglantiKutusu();
    QGroupBox* mesajKutusu();
    QGroupBox* ekKutusu();
    void dosyaEkle();

    MailAyarlari m_yuklenen;
    QLineEdit* m_sunucu;
    QLineEdit* m_port;
    QLineEdit* m_hesap;
    QLineEdit* m_sifre;
    QLineEdit* m_email;
    QLineEdit* m_firma;
    QLineEdit* m_konu;
    QCheckBox* m_hitapYaz;
    QLineEdit* m_hitap;
    QPlainTextEdit* m_ekYazi;
    QComboBox* m_bicim;
    QTableWidget* m_ekler;
    QLineEdit* m_icerikTuru;
    QPlainTextEdit* m_durum;
    QLabel* m_etiket;
    QGridLayout* m_mesaj;
    QVBoxLayout* m_icerik;
    QHBoxLayout* m_komut;
    QTemporaryDir m_klasor;
    SmtpWorker* m_worker = nullptr;
};

} // namespace nimbo
