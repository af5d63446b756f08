#pragma once
#include "model/DatedDocument.h"

#include <functional>

namespace nimbo {

// "Finans İşlemleri Girişi": a finance transaction (header FINMAST, lines FINDET). The
// header names the master code (a cash desk, account, bank or, for cheque/note documents,
// the account or bank the papers go to or come from); each line names a counter code and
// carries its amount on the side its kind gives (FinansIslemTuru::borcTarafi). The master
// line takes the lines' sums on the other side, so the document always balances.
//
// A line's amount is typed in its own currency (TUTAR_DVZ, "Tutar Dvz"); a line in the local
// currency is always at rate 1.
//
// Rows it owns besides its lines, rewritten at every save and deleted with it:
//   - FINHRK (BELGE_TIP "F"): the master row (SIRA_NO -1), one row per line, and for cheque
//     documents of every operation but 5 a portfolio row per line on "PK" (SIRA_NO + 100000);
//   - CSKART: a paper received (operation 0) is a new card; every line writes its account,
//     amount and new status into its card, and a deletion gives the card back the status of
//     the finance line that moved it before.
class FinansBelgesi : public DatedDocument {
public:
    inline static const QString kBelgeTip = QStringLiteral("F");
    inline static const QString kTutar = QStringLiteral("TUTAR_DVZ");
    inline static const int kPortfoySira = 100000;

    using KurKaynagi = std::function<double(const QString& doviz, const QDate& tarih)>;

    // hrkNo: the movement number of the module that opened the document (0: none).
    FinansBelgesi(const Db& db, const QString& tip, const QString& tip2, double hrkNo = 0);

    QString tip() const { return m_tip; }
    QString tip2() const { return m_tip2; }
    QString baslik() const;
    QString yerelDoviz() const { return m_yerel; }
    void setKurKaynagi(KurKaynagi k) { m_kur = std::move(k); }

    // The name of a code of a kind ("K" desk, "C" account, "B" bank, "E" account or bank).
    QString kodAdi(const QString& tur, const QString& kod) const;
    // The currency a code keeps its balance in (desk or bank account; empty: any).
    QString kodDovizi(const QString& tur, const QString& kod, const QString& kod2) const;

    void recompute() override;
    QList<SaveCheck> checks() override;

    // Opens and deletes a stored document (asks "Kayıt Silinsin mi?"); false on No.
    static bool sil(const Db& db, int finId);

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
    QList<SaveCheck> deleteChecks() override;
    void erase(DocumentWriter& w) override;

private:
    void satirKuru(int row);
    void cekSecildi(int row);
    void satirKontrol(CheckContext& x, int row);
    bool sonradanIslemGormus(double cekNo, const QDateTime& tarih) const;
    void oncekiDurumaDon(double cekNo);
    void yazKartlar(DocumentWriter& w);
    void yazFinansSatirlari(DocumentWriter& w);
    void silTuretilmis(DocumentWriter& w);
    void duzeltmeKaydi();
    QVariant hrkNo() const;

    QString m_tip, m_tip2;
    double m_hrkNo = 0;
    QString m_yerel;
    KurKaynagi m_kur;
};

} // namespace nimbo
