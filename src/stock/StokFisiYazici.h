#pragma once
#include "db/DocumentWriter.h"

namespace nimbo {

// The rows a stock slip owns besides its header and lines, written through the document's
// writer inside its transaction: movements (STOKHRK) and cost rows (MALIFYT).
class StokFisiYazici {
public:
    explicit StokFisiYazici(DocumentWriter& w) : m_w(w) {}

    // The slip's own movement rows of one type (a purchase numbered alike writes 'A' too).
    void hareketleriSil(double hrkNo, const QString& tip);
    // One row per line, out for outgoing types and in for incoming ones; a transfer writes
    // the source's out-row then the target's in-row, and nothing while it is only planned.
    void hareketleriYaz(const QVariantMap& baslik, const QList<QVariantMap>& satirlar);
    void maliyetleriSil(double hrkNo);
    // One cost row per line, per main unit and net of VAT, for the types that carry a cost.
    void maliyetleriYaz(const QVariantMap& baslik, const QList<QVariantMap>& satirlar);

private:
    DocumentWriter& m_w;
};

} // namespace nimbo
