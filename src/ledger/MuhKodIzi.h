#pragma once
#include <QFile>
#include <QString>

namespace nimbo {

// The trace of every line the posting routines try to write, one line each appended to
// "muhkod.txt" in the program's data folder. Nothing reads it; it helps find a missing code.
namespace MuhKodIzi {

QString dosya();
void setKlasor(const QString& klasor); // tests
void yaz(const QString& kod, double tutar, const QString& taraf);

// The same for the many lines of one posting: the file stays open between them (each line
// still reaches it at once).
class Yazici {
public:
    void yaz(const QString& kod, double tutar, const QString& taraf);

private:
    QFile m_dosya;
    bool m_denendi = false;
};

} // namespace MuhKodIzi

} // namespace nimbo
