#pragma once
#include "model/CardModel.h"

#include <QList>

namespace nimbo {

// One status a carry-over card may be entered with, as the entry offers it.
struct DevirDurumu {
    QString etiket; // "Portföyde", "Ciro Edildi", ...
    QString durum;  // SON_DURUMU
    QString sahip;  // owner the choice implies ("F" for our own papers, else "M")
    QString csTip;  // kind the choice implies (own cheque / own note), empty: either
};

// A cheque or note card (CSKART). Two entries write it:
//   - the card entry ("Çek Senet Kartı"): a paper received from an account or one of our
//     own, in the portfolio (status P);
//   - the carry-over entry ("Çek/Senet Kartı", B_TUR "D"): a paper already on hand when
//     the system was taken into use, in any of the carry-over statuses.
// The portfolio number comes from NEWCSNO when the card is first saved (a caller that saves
// inside its own transaction sets PORTFOYNO beforehand). A serial number may be used once
// per kind and drawee bank.
class CekSenetKart : public CardModel {
public:
    enum class Giris { Kart, Devir };

    explicit CekSenetKart(const Db& db) : m_db(db) {}
    QString table() const override { return QStringLiteral("CSKART"); }

    void yeni(Giris giris, const QString& csTip, const QString& sahip);
    bool ac(double portfoyNo);
    Giris giris() const { return m_giris; }
    double portfoyNo() const { return value(QStringLiteral("PORTFOYNO")).toDouble(); }

    static const QList<DevirDurumu>& devirDurumlari();
    // Chooses a carry-over status by its label (owner and kind follow the choice).
    void setDevirDurumu(const QString& etiket);
    // Amounts in local currency, USD and EUR from the paper's currency amount and the rates
    // of its entry date.
    void tutarlariHesapla();
    // The highest tracking code that starts with the prefix ("" when none).
    QString sonNumKod(const QString& onEk) const;

    // Asks "Kayıt Silinsin mi?"; a card any finance row names stays ("Bu Çek/Senet ile
    // ilgili İşlem var.Silinemez!", UserError). Only carry-over cards are deleted; true when
    // one was.
    static bool sil(const Db& db, double portfoyNo);

protected:
    void store() override;

private:
    void kontrolKart();
    void kontrolDevir();
    void seriKontrol();
    bool bankaHesabiVar() const;
    QDate tarih(const QString& column) const;

    Db m_db;
    Giris m_giris = Giris::Kart;
};

} // namespace nimbo
