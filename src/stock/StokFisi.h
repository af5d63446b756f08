#pragma once
#include "db/Db.h"
#include "stock/StokFisVerisi.h"

#include <QList>

namespace nimbo {

// A stock slip: header, lines, computed totals, and its save. The movement rows (STOKHRK)
// and cost rows (MALIFYT) it owns are rewritten on every save.
//
//   StokFisi f(db);
//   f.yeni("D");
//   f.baslik().personKod = "P1";
//   f.satirEkle(stokNo).miktar = 10;
//   f.kaydet();
class StokFisi {
public:
    // What the window does after the commit.
    struct KayitSonucu {
        double hrkNo = 0;
        bool muhasebeSorusu = true; // ask "Muhasebe Kaydı Yapılsın mı?"
        bool seriNoEksik = false;   // serial numbers do not match the movements (already warned)
    };

    explicit StokFisi(const Db& db);

    // A new slip of the type: today's date and rates, the user, a planned transfer.
    void yeni(const QString& tip);
    // Loads a saved slip; UserError when it is gone.
    void ac(double hrkNo);
    bool yeniMi() const { return m_yeni; }

    StokFisBaslik& baslik() { return m_baslik; }
    const StokFisBaslik& baslik() const { return m_baslik; }
    QList<StokFisSatiri>& satirlar() { return m_satirlar; }
    const QList<StokFisSatiri>& satirlar() const { return m_satirlar; }

    // Appends a line for the item in its main unit, priced at its cost price; the line's
    // warehouse is the slip's target (transfers) or the given one.
    StokFisSatiri& satirEkle(double stokNo, double miktar = 1, int depoKodu = 0);
    // A line for the item typed as code, barcode or name start; UserError when none matches.
    // Taken by barcode on a slip that takes stock out, it warns when the item would fall
    // below its critical level.
    StokFisSatiri& satirEkleAranan(const QString& text, double miktar = 1, int depoKodu = 0);
    void satirSil(int index);
    // Line currency: the line's rate follows the slip's rates for USD and EUR, the day's
    // rate for any other currency, 1 for the local one.
    void satirDovizi(int index, const QString& dovizKodu);
    // A new date takes that day's USD and EUR rates.
    void tarihDegisti(const QDate& tarih);

    // Line values and totals; arithmetic only.
    void hesapla();

    // Checks in order (UserError at the first refusal; nothing written), numbering of a new
    // slip, then header, lines, movements and cost rows in one transaction.
    KayitSonucu kaydet();

    // The state as loaded or last saved differs from the current one.
    bool degisti() const;
    // The transfer state as loaded (empty for a new slip).
    QString yuklenenDurum() const { return m_yuklenen.hrkDurum; }

private:
    void kontrolEt() const;
    bool seriNolarEksik() const;
    void birimleriOku(StokFisSatiri& s) const;
    QString yerelDoviz() const;

    Db m_db;
    bool m_yeni = true;
    StokFisBaslik m_baslik;
    QList<StokFisSatiri> m_satirlar;
    StokFisBaslik m_yuklenen;
    QList<StokFisSatiri> m_yuklenenSatirlar;
};

} // namespace nimbo
