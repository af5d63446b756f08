#pragma once
#include "model/LineTable.h"

#include <functional>

namespace nimbo {

// The correction log of a stored document that changed: one entry per line taken out
// ("Düzeltmede Silindi") and one per line put in ("Düzeltmede Eklendi"); a changed line is
// both. The text ends in the document's own mark (most write a full stop).
void logCorrections(const LineTable& lines, const std::function<void(const QVariantMap& line, const QString& text)>& log,
                    const QString& end = QStringLiteral("."));

// The amount column a log entry gives for a line: "ALACAK" when it carries a credit, else "BORC".
QString loggedSide(const QVariantMap& line);

} // namespace nimbo
