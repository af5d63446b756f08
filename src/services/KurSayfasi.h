#pragma once
#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

namespace nimbo {

// One currency line of the central bank's daily rate page.
struct SayfaKuru {
    QString dovizKodu;        // USD, EUR, GBP, JPY
    double dovizAlis = 0;     // forex buying
    double dovizSatis = 0;    // forex selling
    double efektifAlis = 0;   // banknote buying
    double efektifSatis = 0;  // banknote selling
};

struct KurSayfasiSonucu {
    QList<SayfaKuru> kurlar;
    QStringList okunamayan; // the currency lines that could not be read ("JPY/TRY", ...)
    // The bank's XML file lists every currency it quotes; those the firm does not keep are
    // passed over without a word. The fixed-column page names four, so a missing one is told.
    bool tumDovizler = false;
    QDate bultenTarihi;     // the bulletin's own date, when the file gives it
    QString hata;           // the file could not be read at all; nothing of it may be written
    bool bos() const { return kurlar.isEmpty(); }
};

// Reads the page as fixed-column text. A line whose first 7 characters are "USD/TRY",
// "EUR/TRY", "GBP/TRY" or "JPY/TRY" gives the currency and four numbers, each from a
// 12-character field starting at character 40, 53, 69 and 82. JPY is quoted per 100 units,
// so its four numbers are divided by 100. A line with a missing, non-numeric or non-positive
// field is reported and gives nothing.
KurSayfasiSonucu kurSayfasiniOku(const QString& sayfa);

} // namespace nimbo
