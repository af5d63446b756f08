#pragma once
#include "model/DatedDocument.h"

#include <functional>

namespace nimbo {

// "Cari Hareketler Girişi": a manual account movement document (header CARIHRKM, lines
// CARIHRK under the same CARI_NO). Types: "N" cash (collection with side "B", payment with
// side "A"), "D" debit/credit note, "V" transfer, "O" special, "F" exchange or maturity
// difference, "I" opening.
//
// Besides its lines the document writes, as rows it owns by number and writer type:
// the cash rows of a cash document (KASAHRKT, REF_TIP "C") and one finance row per line
// (FINHRK, BELGE_TIP "C"; for a cash line also the desk's row), so that statements,
// balances and cash reports read it back.
class CariHareketBelgesi : public DatedDocument {
public:
    inline static const QString kYazan = QStringLiteral("C"); // writer type in KASAHRKT and FINHRK

    // Rate of a currency on a day (local currency value of one unit).
    using KurKaynagi = std::function<double(const QString& doviz, const QDate& tarih)>;

    CariHareketBelgesi(const Db& db, const QString& tip, const QString& taraf = {});

    QString tip() const { return m_tip; }
    QString taraf() const { return m_taraf; }
    bool nakit() const { return tip() == QLatin1String("N"); }
    // "Nakit Tahsilat", "Nakit Ödeme", "Dekont", ...
    QString baslik() const;
    static QString tipAdi(const QString& tip, const QString& taraf = {});

    // The account new lines take (the window was opened for one account).
    void setSabitCari(const QString& kod) { m_sabitCari = kod; }
    // "TL ve Döviz Fiyatından Kuru Hesapla".
    void setKurHesapla(bool on);
    bool kurHesapla() const { return m_kurHesapla; }
    void setKurKaynagi(KurKaynagi k) { m_kur = std::move(k); }

    QString yerelDoviz() const { return m_yerel; }
    QString usd() const { return m_usd; }
    QString eur() const { return m_eur; }
    // Name of a line's account ("" when unknown).
    QString cariAdi(const QString& kod) const;

    void recompute() override;
    QList<SaveCheck> checks() override;

protected:
    void defaults() override;
    void load(const QVariant& key) override;
    void allocateNumber() override;
    void write(DocumentWriter& w) override;
    QList<AfterCommitStep> afterCommit() override;
    void lineRedated(int row) override { kurlariDoldur(row); }
    void lineChanged(const QString& lines, int row, const QString& column) override;
    QVariantMap lineDefaults(const QString& lines) override;
    void lineRemovalChecks(CheckContext& c, const QString& lines, int row) override;
    QList<SaveCheck> deleteChecks() override;
    void erase(DocumentWriter& w) override;

private:
    void kurlariDoldur(int row);
    void satirHesapla(int row);
    bool alacakSatiri(int row) const;
    void yazKasaSatirlari(DocumentWriter& w);
    void yazFinansSatirlari(DocumentWriter& w);
    void duzeltmeKaydi();
    void satirlariDamgala();
    void removeDerived(DocumentWriter& w);

    QString m_tip;
    QString m_taraf;
    QString m_sabitCari;
    bool m_kurHesapla = false;
    KurKaynagi m_kur;
    QString m_yerel, m_usd, m_eur;
    QString m_sonDoviz; // the currency the form used last
    QString m_varsayilanKasa;
};

} // namespace nimbo
