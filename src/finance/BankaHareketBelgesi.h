#pragma once
#include "model/DatedDocument.h"

#include <QSet>
#include <functional>

namespace nimbo {

// "Banka Hareketleri Girişi": a bank movement document (header BANKHRK, lines BANKHRKA).
// Each line moves one bank account (BANKA_KOD, HESAP_NO): BORC money into it, ALACAK money
// out of it; its other side is an account (CARI_KOD), a cash desk (KASAKOD) or a ledger
// account (MUH_KARSI).
//
// Types: "I" bank transactions, "V" transfer, "G" incoming and "H" outgoing transfers,
// "A" opening, "K" card transactions, "R" card transfer.
//
// Rows it owns besides its lines, rewritten at every save and deleted with it:
//   - CARIHRK: one movement per account line under one number from NEWCARI (kept in the
//     lines' REF_NO), REF_NO the document, CRHRK_TUR its type; matched ones stay as they are;
//   - KASAHRKT (REF_TIP "B"): the desk receives on a line that takes money out of the bank
//     and pays on one that brings money in;
//   - FINHRK (BELGE_TIP "B", HRK_NO the document): the bank's row and its other side's, so
//     that bank balances and account statements read them.
//
// KUSURAT is "E" on a rounding row, "H" on every other line. A rounding row stands against a
// ledger account alone (no account, no desk) in a type other than "V" and "R"; the ledger
// books only its counter account, so it writes no FINHRK row and leaves the bank balance.
class BankaHareketBelgesi : public DatedDocument {
public:
    inline static const QString kYazan = QStringLiteral("B");

    using KurKaynagi = std::function<double(const QString& doviz, const QDate& tarih)>;

    BankaHareketBelgesi(const Db& db, const QString& tip);

    QString tip() const { return m_tip; }
    QString baslik() const { return tipAdi(m_tip); }
    static QString tipAdi(const QString& tip);
    static const QStringList& tipler();
    void setKurKaynagi(KurKaynagi k) { m_kur = std::move(k); }
    QString yerelDoviz() const { return m_yerel; }

    // The grid's one column for a line's bank account: "BANKA_KOD<tab>HESAP_NO".
    inline static const QString kBankaHesap = QStringLiteral("BANKA_HESAP");
    static QString bankaHesapDegeri(const QString& bankaKod, const QString& hesapNo);
    // The account movement number of the document's account lines (0 before the first).
    double cariNo() const { return m_cariNo; }
    QString kodAdi(const QString& tablo, const QString& kod) const;

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
    void hesapSecildi(int row);
    void kurlariDoldur(int row);
    void komisyonHesapla(int row);
    void satirHesapla(int row);
    void satirKontrol(CheckContext& x, int row);
    void duzeltmeKaydi();
    void satirlariDamgala();
    QSet<int> removeDerived(DocumentWriter& w);
    void yazCariSatirlari(DocumentWriter& w, const QSet<int>& kalanlar);
    void yazKasaSatirlari(DocumentWriter& w);
    void yazFinansSatirlari(DocumentWriter& w);
    bool eslesmis(int sira) const;
    QString bankaIslemi(int row) const;
    QString karsiIslemi(int row) const;
    double kasaTutari(int row, const QString& kasaDoviz, double& kur) const;
    QString personel() const;

    QString m_tip;
    KurKaynagi m_kur;
    QString m_yerel, m_usd, m_eur;
    int m_varsayilanTip = -1;
    double m_cariNo = 0;
};

} // namespace nimbo
