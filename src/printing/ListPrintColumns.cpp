#include "printing/ListPrintColumns.h"
#include "db/Errors.h"
#include "services/SessionContext.h"

#include <QSettings>
#include <memory>

namespace nimbo {

namespace {
const QString kGroup = QStringLiteral("YazdirilanKolonlar/");

std::unique_ptr<QSettings> store()
{
    const QString file = SessionContext::current().GridDesignDosyasi;
    if (file.isEmpty())
        return std::make_unique<QSettings>(QStringLiteral("NimboSoft"), QStringLiteral("GridDesign"));
    return std::make_unique<QSettings>(file, QSettings::IniFormat);
}
} // namespace

QStringList ListPrintColumns::load(const QString& window)
{
    return store()->value(kGroup + window).toStringList();
}

void ListPrintColumns::save(const QString& window, const QStringList& fields)
{
    const auto s = store();
    if (fields.isEmpty())
        s->remove(kGroup + window);
    else
        s->setValue(kGroup + window, fields);
    s->sync();
    if (s->status() != QSettings::NoError)
        throw UserError(QStringLiteral("Kolon seçimi saklanamadı: %1").arg(s->fileName()));
}

} // namespace nimbo
