#include "ledger/MuhKodIzi.h"
#include "db/Paths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>

namespace nimbo::MuhKodIzi {

namespace {
QString g_klasor;
}

void setKlasor(const QString& klasor) { g_klasor = klasor; }

QString dosya()
{
    const QString k = g_klasor.isEmpty() ? Paths::defaultDataDir() : g_klasor;
    return QDir(k).filePath(QStringLiteral("muhkod.txt"));
}

void yaz(const QString& kod, double tutar, const QString& taraf)
{
    QFile f(dosya());
    QDir().mkpath(QFileInfo(f).absolutePath());
    if (!f.open(QIODevice::Append | QIODevice::Text))
        return; // a trace that cannot be written must not stop a posting
    QTextStream out(&f);
    out << kod << QLatin1Char(' ') << QString::number(tutar, 'f', 2) << QLatin1Char(' ') << taraf << QLatin1Char('\n');
}

} // namespace nimbo::MuhKodIzi
