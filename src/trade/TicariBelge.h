#pragma once
#include <optional>
#include "finance/TaksitliSatis.h"
#include "model/DocumentModel.h"
#include "trade/IskontoKurallari.h"
#include "trade/SatirHesabi.h"
#include "trade/TicariTaraf.h"

#include <QHash>
#include <functional>

namespace nimbo {

class DbStatement;

// A trade document (sales or purchase invoice and dispatch note): a header, item lines,
// labour and expense lines, their values in local currency, USD and EUR, and the stock
// movements it derives. What differs between a sale and a purchase comes from the side
// descriptor (tables, counter, writer letter, direction) and a few overrides: the price
// column of a new line, the checks, and the finance rows.
class TicariBelge : public DocumentModel {
public:
    inline static const QString kIscilik = QStringLiteral("ISCILIK");
    inline static const QString kMasraf = QStringLiteral("MASRAF");

    // Rate of a currency on a day (local-currency value of one unit).
    using KurKaynagi = std::function<double(const QString& doviz, const QDate& tarih)>;

    TicariBelge(const Db& db, const TicariTaraf& taraf);
    ~TicariBelge() override;

    const TicariTaraf& taraf() const { return m_taraf; }
    QString tip() const { return headerText(QStringLiteral("TIP")); }
    bool faturaKismi() const { return m_taraf.fatura(tip()); }
    bool irsaliyeKismi() const { return m_taraf.irsaliye(tip()); }
    QString yerelDoviz() const { return m_yerel; }
    QString usd() const { return m_usd; }
    QString eur() const { return m_eur; }

    void setKurKaynagi(KurKaynagi k) { m_kur = std::move(k); }
    // Rounding of the net total: "A" down, "O" nearest, "Y" up, with its step.
    void setYuvarlama(const QString& mod, double adim);

    // An item from the item list: the line that already holds it grows by one (unless it
    // came from an order); otherwise a new line. Returns the line.
    int stokEkle(double stokNo);
    // Several items picked together from the item list: read in one query, then each added
    // as above. Returns their lines.
    QList<int> stoklarEkle(const QList<double>& stokNolari);
    // An item typed by code, barcode or name. Returns the line, or -1 when no item matches.
    int stokEkle(const QString& kodBarkodAd);

    // Collective invoicing: the lines of a dispatch note of the same account (what is not yet
    // invoiced of each), or only the given line numbers. Returns how many were added.
    int irsaliyeAl(double irsaliyeNo, const QList<int>& siralar = {});

    // The customer's balance before this document (credit minus debit), and after it.
    double oncekiBakiye() const { return m_oncekiBakiye; }
    // Lines' maturity in days weighted by their net amounts.
    double ortalamaVade() const;

    // The columns of STOK a document reads.
    static QString stokKolonlari();
    // The item's row (cached); empty when it does not exist.
    QVariantMap stok(double stokNo) const;
    // The customer's row, read when the customer is chosen and again when a save starts;
    // empty when it does not exist. It holds the columns cariyiOku names: a column needed
    // anew is added there.
    QVariantMap cari() const { return m_cari; }
    // The document's ledger voucher as stored now (0: not posted).
    double muhasebeFisi() const;
    // Quantity in the item's first unit: the unit factor of the line's unit.
    double birimKatsayisi(int row) const;

    void recompute() override;

    // Instalments (ODE_TIP "T"): the plan the document carries, what the instalment window
    // starts from (the net total, the account, the stored plan or the typed count), and the
    // plan it returns (UserError when refused; the document then pays in instalments).
    const TaksitliSatis& taksit() const { return m_taksit; }
    TaksitPlanGirdisi taksitGirdisi() const;
    void setTaksitPlani(const TaksitPlanGirdisi& g, const QList<QVariantMap>& taksitler);

protected:
    void defaults() override;
    void load(const QVariant& key) override;
    void allocateNumber() override;
    void headerChanged(const QString& column) override;
    void lineChanged(const QString& lines, int row, const QString& column) override;
    QVariantMap lineDefaults(const QString& lines) override;

    // The price-list columns a new line takes its prices from ("SAT_SKFYT", "ALIS_FYT", ...).
    virtual QString fiyatKolonu() const = 0;
    // The side's own inputs of a line's values (a purchase's surcharge and special tax).
    virtual void satirGirdisi(const QString& lines, int row, SatirGirdisi& g) const
    {
        Q_UNUSED(lines);
        Q_UNUSED(row);
        Q_UNUSED(g);
    }
    // The customer was chosen: the side's own defaults from the account.
    virtual void cariSecildi(const QVariantMap& cari) { Q_UNUSED(cari); }

    // Pieces of write() both sides use, in the order a save runs them.
    void saklananTutarlar();
    void duzeltmeKaydi();
    void yazBaslik(DocumentWriter& w);
    void yazSatirlar(DocumentWriter& w);
    void yazStokHareketleri(DocumentWriter& w);
    QDate hareketTarihi() const;

    // Bad input that no save may pass: units, numbers that are not finite, negative
    // quantities, and a customer or item that no longer exists.
    void girdiDenetimi(CheckContext& c);

    // Payment and warehouse pieces both sides share: the checks of the payment means and of
    // the warehouse rights, the finance numbers drawn once every other check has passed,
    // and the finance rows with the payment record.
    void depoHaklari(CheckContext& c);
    void odemeDenetimi(CheckContext& c);
    SaveCheck finansNumaralari();
    // The instalment plan: checked before the writes (sales) and written in them.
    void taksitDenetimi(CheckContext& c);
    void yazTaksitler(DocumentWriter& w);
    void yazFinans(DocumentWriter& w);
    // The cash-desk row of a cash invoice; silKasa removes it (yeniBelgeDahil: also before a
    // first save, as a delete does).
    void yazKasa(DocumentWriter& w);
    void silKasa(DocumentWriter& w, bool yeniBelgeDahil = true);
    // Dispatch notes collected by this invoice: re-priced, numbered and linked; released
    // (their own prices back) when the invoice no longer collects them.
    void yazToplananIrsaliyeler(DocumentWriter& w);
    void birakToplananIrsaliyeler();
    QString odemeAdi() const;
    // The desk's name and currency, read once a save (a save starts by forgetting them).
    struct KasaSatiri {
        QString kod, adi, doviz;
        bool var = false;
    };
    const KasaSatiri& kasaSatiri(const QString& kod) const;

    QVariantMap depolanacak(QVariantMap values) const;
    // A new document has nothing to delete yet: these skip the delete then.
    void eskiSil(DocumentWriter& w, const QString& table, const QVariantMap& where);
    void yeniden(DocumentWriter& w, const QString& table, const QVariantMap& where, const QList<QVariantMap>& rows);
    double kur(const QString& doviz) const;
    void oncekiBakiyeyiOku();
    void stoklariYenile();
    // Reads the customer's row again (a save starts, another customer is chosen).
    void cariyiOku();

private:
    TaksitliSatis::Belge taksitBelgesi() const;
    void fiyatlariCevir(const QString& lines, int row);
    void iskontoBul(int row);
    void miktarSiniri(int row);
    void satirDegerleri(const QString& lines, double yuzde, double yuzde1, double toplamlar[][9]);
    int yeniSira(const QString& lines) const;
    QVariantMap yeniStokSatiri(const QVariantMap& s);
    bool birimGecerli(int row) const;

    const TicariTaraf& m_taraf;
    KurKaynagi m_kur;
    QString m_yerel, m_usd, m_eur;
    QString m_yuvarlamaMod;
    double m_yuvarlamaAdim = 0;
    double m_oncekiBakiye = 0;
    int m_satisDeposu = 1;
    QVariantMap m_cari;
    mutable std::optional<KasaSatiri> m_kasa;
    std::unique_ptr<IskontoKurallari> m_kurallar; // read when first needed, see kurallar()
    IskontoKurallari& kurallar();
    // The inputs each line's values were last computed from, and the document discounts
    // they were computed with: recompute() leaves the lines alone whose inputs are the same.
    // A line whose generation and the header are as they were is not even read again.
    struct SatirOnbellegi {
        QList<double> girdi;
        SatirDegerleri degerler[3];
        quint64 nesil = 0;
    };
    QHash<QString, QList<SatirOnbellegi>> m_girdiler;
    double m_sonYuzde = -1, m_sonYuzde1 = -1;
    quint64 m_hesaplananBaslik = 0; // header version the last recompute left
    bool m_baslikAyni = false;
    bool m_hesapErtelendi = false; // items being added together: totals once at the end
    double m_eskiNet = 0;
    double m_finId = 0, m_odemeFinId = 0;
    TaksitliSatis m_taksit;
    QString m_eskiKasa, m_eskiBanka;
    mutable QHash<double, QVariantMap> m_stoklar;
    mutable std::unique_ptr<DbStatement> m_stokSorgusu;
};

} // namespace nimbo
