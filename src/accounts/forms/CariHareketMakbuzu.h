#pragma once
#include "db/Db.h"
#include "printing/ReportModel.h"

class QWidget;

namespace nimbo {

// The receipt of a cash document: " T A H S İ L A T    M A K B U Z U" for a collection,
// " T E D İ Y E    M A K B U Z U" for a payment, its lines, the amount in words and the
// signature boxes.
class CariHareketMakbuzu {
public:
    static ReportModel olustur(const Db& db, double no);
    // Shows the receipt in the preview (nothing for a document that is not a cash document).
    static void yazdir(QWidget* parent, const Db& db, double no, const QString& output = QStringLiteral("Önizleme"));
};

} // namespace nimbo
