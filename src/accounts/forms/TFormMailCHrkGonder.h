#pragma once
#include "accounts/CariEkstre.h"
#include "accounts/forms/EkstreMailPenceresi.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;

namespace nimbo {

// "Cari Ektstreleri E-Postayla Yolla" for one account, opened from its statement: sends
// the general statement or the local-currency statement of the statement window's date
// range, attached as a file or written into the message.
class TFormMailCHrkGonder : public EkstreMailPenceresi {
    Q_OBJECT
public:
    TFormMailCHrkGonder(const QString& cariKod, const CariEkstreFiltre& filtre, QWidget* parent = nullptr);
    ~TFormMailCHrkGonder() override;

    static QStringList ekstreTurleri();
    const CariEkstreFiltre& filtre() const { return m_filtre; }
    void gonder();
    // The heading of "Cari Ekstre": start date, one blank, end date and the title.
    static QString baslik(const QDate& bas, const QDate& bit);

Q_SIGNALS:
    void bitti(const QString& hata);

private:
    MailAttachment ekstre() const;

    QString m_kod;
    QString m_ad;
    CariEkstreFiltre m_filtre;
    QLineEdit* m_alici;
    QComboBox* m_tur;
    QCheckBox* m_dosyaEki;
    QPushButton* m_gonder;
};

} // namespace nimbo
