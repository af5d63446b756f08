#pragma once
#include "model/DatedDocument.h"

namespace nimbo {

// "Stok Fişi": a stock slip (header FISTK, lines FISTKAYR). It owns its movement rows in
// STOKHRK (by HRKNO, slip type and '-STOK FİŞİ-') and, for the types that carry a cost, its
// cost rows in MALIFYT; every save rewrites them from the current lines.
//
//   StokFisi f(db, "D");
//   f.setHeader("PERSON_KOD", "P1");
//   f.satirEkle(stokNo, 10, 1);
//   runAfterCommitSteps(f.save().steps);
//
// Lines carry, beside their FISTKAYR columns, the item's units (BIRIM1..3, B_KATSAYI2/3),
// read with the item; the writer leaves them out.
class StokFisi : public DatedDocument {
public:
    inline static const QString kCari = QStringLiteral("-STOK FİŞİ-");

    StokFisi(const Db& db, const QString& tip = QStringLiteral("D"));

    QString tip() const { return headerText(QStringLiteral("TIP")); }
    bool transfer() const;
    double hrkNo() const { return key().toDouble(); }

    // The warehouse a line of a slip other than a transfer takes when none is given (the
    // window's "Depo" choice).
    void setVarsayilanDepo(int depoKodu) { m_varsayilanDepo = depoKodu; }

    // A line for the item in its main unit, priced at its cost (else purchase) price, in the
    // given warehouse (a transfer's lines take its target). With the firm's "add to the
    // existing line" switch, an item already on the slip in that warehouse adds to it.
    // Returns the line's index.
    int satirEkle(double stokNo, double miktar = 1, int depoKodu = 0);
    // The item typed as code, barcode or name start; UserError "Stok Kodu Bulunamadı." when
    // none matches. An outgoing line taken by barcode warns when the item would fall below
    // its critical level.
    int satirEkleAranan(const QString& text, double miktar = 1, int depoKodu = 0);

    // The quantity of a line in the item's main unit; -1 when its unit is none of the three.
    static double hareketMiktari(const QVariantMap& satir);
    double hareketMiktari(int row) const { return hareketMiktari(lines().row(row)); }
    // Unit value of the line's movement in local currency, USD or EUR (0 for no quantity).
    static double birimDeger(const QVariantMap& satir, const QString& tutarKolonu);

    void recompute() override;
    QList<SaveCheck> checks() override;

protected:
    void defaults() override;
    void load(const QVariant& key) override;
    void allocateNumber() override;
    void write(DocumentWriter& w) override;
    QList<AfterCommitStep> afterCommit() override;
    void headerChanged(const QString& column) override;
    void headerRedated() override;
    void lineRedated(int row) override;
    void lineChanged(const QString& lines, int row, const QString& column) override;
    QVariantMap lineDefaults(const QString& lines) override;
    void lineRemovalChecks(CheckContext& c, const QString& lines, int row) override;
    QList<SaveCheck> deleteChecks() override;
    void erase(DocumentWriter& w) override;

private:
    void stokBilgisi(int row);
    void duzeltmeKaydi();
    bool seriNolarUymuyor() const;

    QString m_yerel;
    QString m_yeniTip; // the type a new slip starts with
    int m_varsayilanDepo = 0;
    // Items of the slip as loaded: their average cost is recomputed even when their line went.
    QList<double> m_yuklenenStoklar;
};

} // namespace nimbo
