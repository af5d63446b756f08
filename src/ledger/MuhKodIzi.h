#pragma once
#include <QString>

namespace nimbo {

// The trace of every line the posting routines try to write, one line each appended to
// "muhkod.txt" in the program's data folder. Nothing reads it; it helps find a missing code.
namespace MuhKodIzi {

QString dosya();
void setKlasor(const QString& klasor); // tests
void yaz(const QString& kod, double tutar, const QString& taraf);

} // namespace MuhKodIzi

} // namespace nimbo
