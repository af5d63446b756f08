#pragma once
#include "db/Db.h"
#include "model/ListQuery.h"

#include <QDate>

namespace nimbo {

// The late-payment penalty the firm applies to instalments (PARAMET.TAK_CEZA_*).
struct TaksitCezaAyari {
    int oran = 0; // whole percent
    int gun = 0;  // days of delay from which it applies
    static TaksitCezaAyari oku(const Db& db);
};

struct TaksitFiltre {
    QDate tahsilBas, tahsilSon, vadeBas, vadeSon;
    QString durum; // "E" paid, "Y" partly, "H" unpaid, empty all
    QString satTip;
    double satisNo = 0;
    QString cariKod;
};

// "Taksit Takip  Formu": collections on instalments. A collection posts one row for the
// account in FINHRK (of the sale's document kind, FIN_ID a finance number kept in CARI_NO,
// no HRK_NO) with the total collected on the instalment, described
// "<n>. Taksit Ödemesi.".
class TaksitTakip {
public:
    explicit TaksitTakip(const Db& db);
    void setCezaAyari(const TaksitCezaAyari& a) { m_ceza = a; }

    QVariantMap taksit(double satisNo, int siraNo) const;
    // Records a payment of `tutar` on `tarih` (today, for the delay) paid as `sekli`. Asks the
    // penalty question when the instalment is at least TAK_CEZA_GUN days late; refuses
    // (UserError) a payment above what is due.
    void tahsilEt(double satisNo, int siraNo, double tutar, const QDate& tarih, const QString& sekli = {});
    // Collects several instalments in full; they must all be of one account.
    void topluTahsil(const QList<QPair<double, int>>& taksitler, const QDate& tarih, const QString& sekli = {});
    // Sets a (partly) paid instalment back to unpaid after the question; removes its
    // account row. False on No.
    bool odenmediYap(double satisNo, int siraNo);
    // A paid instalment's due date stays (UserError).
    void vadeDegistir(double satisNo, int siraNo, const QDate& vade);
    // Refuses a receipt for an instalment that is not paid.
    void makbuzKontrol(double satisNo, int siraNo) const;

    static double kalanTutar(const Db& db, double satisNo);
    static ListQuery sorgu(const TaksitFiltre& f);

private:
    void yaz(const QVariantMap& t, double cariNo);
    Db m_db;
    TaksitCezaAyari m_ceza;
};

} // namespace nimbo
