#pragma once
#include "trade/TicariBelge.h"

namespace nimbo {

// "Alış": a purchase invoice, dispatch note, invoice with dispatch, sales return or import
// invoice (ALIS with lines ALISAYR). On top of the shared trade document: the maturity
// surcharge taken a second time on the net amount, the special consumption tax of import
// invoices, the supplier's credit risk, incoming movements, the supplier's finance rows,
// cost rows with the items' last purchase prices and average costs, automatic sale prices,
// and a delete that undoes all of it.
class AlisBelgesi : public TicariBelge {
public:
    explicit AlisBelgesi(const Db& db);

    // Types whose lines write cost rows (MALIFYT) and, except returns, last purchase prices.
    static bool maliyetYazar(const QString& tip);
    static bool iadeMi(const QString& tip);

    QList<SaveCheck> checks() override;

protected:
    QString fiyatKolonu() const override;
    void satirGirdisi(const QString& lines, int row, SatirGirdisi& g) const override;
    void write(DocumentWriter& w) override;
    QList<AfterCommitStep> afterCommit() override;
    QList<SaveCheck> deleteChecks() override;
    void erase(DocumentWriter& w) override;

private:
    void riskDenetimi(CheckContext& c);
    void yazIthalat(DocumentWriter& w);
    QList<double> maliyetStoklari() const;
};

} // namespace nimbo
