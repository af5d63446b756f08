#pragma once
#include "trade/TicariBelge.h"

#include <functional>

namespace nimbo {

class SessionContext;

// "Satış": a sales invoice, dispatch note, invoice with dispatch, purchase return or
// dispatch to a remote warehouse (SATIS with lines SATISAYR). On top of the shared trade
// document it checks the sale (numbers, minimum prices, maturity, stock, warehouse rights,
// lawyer, credit risk, payment means), writes the customer's finance rows and the
// payment's desk or bank rows, collects dispatch notes into an invoice, and deletes a
// sale with everything it wrote.
class SatisBelgesi : public TicariBelge {
public:
    using Yazdirici = std::function<void(double satisNo)>;

    explicit SatisBelgesi(const Db& db);

    // The invoice print offered after a save ("Fatura Kesilsin mi?").
    void setYazdirici(Yazdirici y) { m_yazdirici = std::move(y); }

    // "Oto. Fat/İrs No.Yaz": fills an empty invoice or dispatch number from NEWSATIS.
    void otomatikNumaralar();

    // A document whose payments are matched is only viewed, never changed.
    static bool odemeleriKapanmis(const Db& db, double satisNo);
    // A user who may move stock from no warehouse at all (DEPO1 to DEPO20) cannot open a
    // sale: throws the refusal.
    static void acilisDenetimi(const SessionContext& oturum);

    QList<SaveCheck> checks() override;

protected:
    QString fiyatKolonu() const override;
    void cariSecildi(const QVariantMap& cari) override;
    void write(DocumentWriter& w) override;
    QList<AfterCommitStep> afterCommit() override;
    void lineRemovalChecks(CheckContext& c, const QString& lines, int row) override;
    QList<SaveCheck> deleteChecks() override;
    void erase(DocumentWriter& w) override;

private:
    void minFiyatDenetimi(CheckContext& c);
    void stokDenetimi(CheckContext& c);
    void riskDenetimi(CheckContext& c);
    void ayarlariOku();
    QString ayar(const char* kolon) const;

    Yazdirici m_yazdirici;
    QHash<QString, QString> m_ayarlar;
};

} // namespace nimbo
