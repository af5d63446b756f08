#include "app/TurkishLocale.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace nimbo {

QTranslator* useTurkishLocale()
{
    const QLocale turkish(QLocale::Turkish, QLocale::Turkey);
    QLocale::setDefault(turkish);
    auto* t = new QTranslator(QCoreApplication::instance());
    // "qt" names the catalogues of every Qt module installed (qtbase and the others).
    if (t->load(turkish, QStringLiteral("qt"), QStringLiteral("_"),
                QLibraryInfo::path(QLibraryInfo::TranslationsPath))
        && QCoreApplication::installTranslator(t))
        return t;
    qWarning("Qt'nin Türkçe çevirileri bulunamadı (qt6-translations-l10n paketi kurulu mu?)");
    delete t;
    return nullptr;
}

} // namespace nimbo
