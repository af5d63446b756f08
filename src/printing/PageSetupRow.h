#pragma once
#include <QDateTime>
#include <QString>

namespace nimbo {

// One MSAYFA row: the page setup of one report of one window.
struct PageSetupRow {
    QString PASADI;     // window unit, e.g. "FisDok"
    QString QUIKAD;     // report inside the window, e.g. "QuickRep1"
    int FONTSIZE = 0;
    QString FONTADI;
    QString FONTRENK;
    int SAYFAGEN = 0;   // mm, user-defined paper
    int SAYFAYUK = 0;
    QString SAYFAISIM;
    QString PRBICIMI = QStringLiteral("D"); // "D" portrait, "Y" landscape
    int SEC[5] = {0, 0, 0, 0, 0};
    QDateTime TARIHBAS, TARIHSON;
    QString KODBAS, KODSON;
    int SAG = 0, SOL = 0, UST = 0, ALT = 0; // margins, mm
};

} // namespace nimbo
