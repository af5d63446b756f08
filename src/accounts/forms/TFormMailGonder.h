#pragma once
#include "accounts/TopluEkstreMaili.h"
#include "accounts/forms/CariEkstreRaporu.h"
#include "accounts/forms/EkstreMailPenceresi.h"

#include <memory>

class QComboBox;
class QListWidget;
class QProgressBar;
class QPushButton;
class QTableWidget;

namespace nimbo {

// "Cari Ektstreleri E-Postayla Yolla" for a list of accounts: sends every account with an
// address its statement of the chosen kind, one account at a time on a worker, with a
// progress bar, a cancel button, the count "N Kayıttan M.Email Yollandı." and the accounts
// whose mail failed in "Gitmeyen Mailler Raporu".
class TFormMailGonder : public EkstreMailPenceresi {
    Q_OBJECT
public:
    // The accounts of the statement list, in its order (all accounts when empty).
    explicit TFormMailGonder(const QStringList& cariKodlari, QWidget* parent = nullptr);
    ~TFormMailGonder() override;

    // Statement kinds of "Gönderilecek Ekstre Türü", in their order.
    static QStringList ekstreTurleri();
    void gonder();
    void iptal();
    QString ilerlemeMetni() const;
    QStringList gitmeyenler() const;

Q_SIGNALS:
    void bitti();

private:
    void sonraki();
    void sonucuKaydet(const MailAlicisi& a, const QString& hata);
    void bitir();
    MailAttachment ekstre(const MailAlicisi& a) const;

    QVector<MailAlicisi> m_liste;
    std::unique_ptr<TopluEkstreMaili> m_toplu;
    MailAlicisi m_gonderilen;
    QTableWidget* m_cariler;
    QComboBox* m_tur;
    QComboBox* m_doviz;
    QProgressBar* m_ilerleme;
    QLabel* m_sayac;
    QListWidget* m_gitmeyen;
    QPushButton* m_gonder;
    QPushButton* m_iptal;
};

} // namespace nimbo
