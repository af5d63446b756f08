#pragma once
#include "ledger/Fis.h"
#include "ledger/HesapPlani.h"
#include "model/DocumentModel.h"

namespace nimbo {

// A journal voucher typed by hand (header FIS, lines FISAYR). Lines carry the account code,
// narration and amounts; the account's class columns are filled from the chart on save, and
// the save runs the checks every voucher passes, in their order: the date lock, the date
// moved into the working year, the journal and printed numbers, then the balance and the
// posting accounts. A voucher that belongs to a source document is changed from that
// document, never here.
class ElleFis : public DocumentModel {
public:
    explicit ElleFis(const Db& db);

    // The voucher as it would be stored: rows with neither code nor amount left out, the
    // chart columns copied.
    Fis fis() const;
    double fark() const { return headerNumber(QStringLiteral("BORC")) - headerNumber(QStringLiteral("ALACAK")); }
    QString hesapAdi(const QString& kod) const;
    bool belgeFisi() const { return !headerText(QStringLiteral("ENT_TIP")).trimmed().isEmpty(); }

    // A line in one call.
    int satirEkle(const QString& kod, double borc, double alacak, const QString& aciklama = {});
    // Header and lines typed from a prepared voucher (the demo, the bench and tests enter
    // vouchers this way; numbers and the source kind are not taken over).
    void taslaktan(const Fis& taslak);
    // save() for callers without a window: false when a check refused (its message was shown).
    bool sakla();

    void recompute() override;
    QList<SaveCheck> checks() override;

    static QString belgeFisiMesaji()
    {
        return QStringLiteral("Bu Fiş Bir Belgenin Muhasebe Kaydıdır. Belgeden Değiştirin. Silinemez.");
    }

protected:
    void defaults() override;
    void load(const QVariant& key) override;
    void allocateNumber() override;
    void write(DocumentWriter& w) override;
    QVariantMap lineDefaults(const QString& lines) override;
    QList<SaveCheck> deleteChecks() override;
    void erase(DocumentWriter& w) override;

private:
    void fisiBasligaYaz(const Fis& f);

    mutable HesapOnbellegi m_hesaplar;
    Fis m_hazir; // the voucher the checks prepared, written by write()
};

} // namespace nimbo
