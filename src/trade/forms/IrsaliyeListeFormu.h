#pragma once
#include "trade/TicariTaraf.h"
#include "widgets/ListWindow.h"

#include <QDate>

namespace nimbo {

// Which open dispatch notes a collecting invoice is offered: the account's, in dispatch- and
// due-date ranges (an invalid date leaves its end open).
struct IrsaliyeFiltresi {
    QString cariKod;
    QDate irsBas, irsBit, vadeBas, vadeBit;
};

// The open dispatch notes of one account on one side (sales or purchases), chosen one or
// several at a time for an invoice.
class IrsaliyeListeFormu : public ListWindow {
    Q_OBJECT
protected:
    // noBasligi: the caption of the document number column ("Satış No", "Alış No").
    IrsaliyeListeFormu(const TicariTaraf& taraf, const QString& caption, const QString& noBasligi,
                       const IrsaliyeFiltresi& filtre, QWidget* parent);
    ListQuery query() const override;

private:
    const TicariTaraf& m_taraf;
    IrsaliyeFiltresi m_filtre;
};

} // namespace nimbo
