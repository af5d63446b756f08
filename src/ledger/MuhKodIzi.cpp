#include "ledger/MuhKodIzi.h"
#include "db/Paths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

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

namespace {

QByteArray satir(const QString& kod, double tutar, const QString& taraf)
{
    return (kod + QLatin1Char(' ') + QString::number(tutar, 'f', 2) + QLatin1Char(' ') + taraf + QLatin1Char('\n')).toUtf8();
}

// A trace that cannot be written must not stop a posting.
bool ac(QFile& f)
{
    f.setFileName(dosya());
    QDir().mkpath(QFileInfo(f).absolutePath());
    return f.open(QIODevice::Append | QIODevice::Text);
}

} // namespace

void yaz(const QString& kod, double tutar, const QString& taraf)
{
    QFile f;
    if (ac(f))
        f.write(satir(kod, tutar, taraf));
}

void Yazici::yaz(const QString& kod, double tutar, const QString& taraf)
{
    if (!m_denendi) {
        m_denendi = true;
        ac(m_dosya);
    }
    if (m_dosya.isOpen()) {
        m_dosya.write(satir(kod, tutar, taraf));
        m_dosya.flush();
    }
}

} // namespace nimbo::MuhKodIzi
