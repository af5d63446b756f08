#pragma once
#include "printing/ReportModel.h"

namespace nimbo {

// A receipt of money handed over: its title, the firm at the head of the page, the
// document's headings, its lines, the total in words and the two signature boxes. Cash
// documents, finance documents and instalment collections print through it.
struct Makbuz {
    QString baslik;
    QStringList basliklar;
    QList<ReportColumn> kolonlar;
    QList<QVariantList> satirlar;
    double toplam = 0;
    QStringList imzalar{QStringLiteral("TESLİM EDEN"), QStringLiteral("TESLİM ALAN")};

    ReportModel model() const;
};

} // namespace nimbo
