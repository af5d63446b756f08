#pragma once
#include "db/Db.h"
#include "ledger/Fis.h"

namespace nimbo {

// A journal voucher typed by hand. Lines carry code, narration and amounts; the account's
// class columns are filled from the chart on save, and the save runs the same checks as a
// posted voucher (date lock, working year, numbering, balance, posting accounts).
class ElleFis {
public:
    explicit ElleFis(const Db& db);

    void yeni();
    bool ac(double fisNo);

    Fis& fis() { return m_fis; }
    const Fis& fis() const { return m_fis; }
    // Adds an empty line and returns its index.
    int satirEkle();
    void satirSil(int i);
    double borcToplami() const;
    double alacakToplami() const;
    double fark() const { return borcToplami() - alacakToplami(); }

    // True when stored; false when a check refused it (its message was shown).
    bool save();
    // Deletes the voucher; one that belongs to a source document is refused.
    void sil();

    static QString belgeFisiMesaji()
    {
        return QStringLiteral("Bu Fiş Bir Belgenin Muhasebe Kaydıdır. Belgeden Değiştirin. Silinemez.");
    }

private:
    Db m_db;
    Fis m_fis;
};

} // namespace nimbo
