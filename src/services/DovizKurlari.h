#pragma once
#include "db/Db.h"
#include "services/KurSayfasi.h"

#include <QDate>
#include <QDateTime>
#include <QVector>

namespace nimbo {

// One KURDEGER row as the rate window edits it.
struct KurSatiri {
    QString dovizKodu;
    QDateTime tarih;
    double alis = 0;          // TLDEGERI_ALIS
    double satis = 0;         // TLDEGERI_SATIS
    double efektifAlis = 0;   // EFKTLDEGERI_ALIS
    double efektifSatis = 0;  // EFKTLDEGERI_SATIS
    double bankaSatis = 0;    // BANKATLDEGERI_SATIS
    double bayiSatis = 0;     // BAYITLDEGERI_SATIS
    double ozelSatis = 0;     // OZELTLDEGERI_SATIS
};

// What a rate-page import did, and the message the user is shown about it.
struct SayfaAktarimSonucu {
    QStringList yazilan;     // currencies written
    QStringList tanimsiz;    // read from the page but not in DOVIZ
    QStringList okunamayan;  // lines that could not be read
    QString mesaj;
    bool sorunVar = false;   // the message is a warning
};

// The rate table behind the exchange-rate window. Refusals are thrown as UserError with
// the text the user sees; every write is one transaction.
class DovizKurlari {
public:
    explicit DovizKurlari(const Db& db) : m_db(db) {}

    QVector<KurSatiri> kurlar(const QString& dovizKodu) const; // ordered by date
    bool gunVar(const QString& dovizKodu, const QDate& gun, const QDateTime& haric = {}) const;

    // A new row: "Lütfen Gerekli alanı girin." when the date, buying or selling rate is
    // missing (a zero or negative rate counts as missing); "Aynı Tarihli Döviz Değeri Vardı.
    // Bu Yüzden Kaydedilmedi." when the currency already has a rate on that day.
    void ekle(const KurSatiri& k) const;
    // Changes the row stored at eskiTarih, under the same checks.
    void degistir(const QDateTime& eskiTarih, const KurSatiri& k) const;
    void sil(const QString& dovizKodu, const QDateTime& tarih) const;

    // Writes the rates read from the page as the rows of bugun; a file that could not be read
    // at all (sayfa.hata) writes nothing and says why (updated when the day has a
    // row, appended otherwise), for the currencies DOVIZ holds.
    SayfaAktarimSonucu sayfaKurlariniYaz(const KurSayfasiSonucu& sayfa, const QDate& bugun) const;

    // The day of the latest stored rate of a currency the firm keeps (invalid when none).
    QDate sonKurGunu() const;
    // Working days (Monday to Friday) after the latest stored rate up to bugun; with no rate at
    // all, the last working day up to bugun. Weekends need no row: the rate look-up takes the
    // last earlier day.
    QList<QDate> eksikGunler(const QDate& bugun) const;

    // Every rate row is written again unchanged, then SP_SET_STOKFYT recomputes the item
    // prices at the rates of the day (buying rates when alisKuru). Returns items updated.
    int stokFiyatlariniGuncelle(const QDate& kurTarihi, bool alisKuru) const;

    static void kontrolEt(const KurSatiri& k);

private:
    Db m_db;
};

} // namespace nimbo
