#include "accounts/forms/EkstreDosyasi.h"
#include "db/Errors.h"
#include "printing/ReportFileWriter.h"
#include "printing/forms/SayfaYazdir.h"
#include "services/SessionContext.h"

#include <QDir>
#include <QFile>

namespace nimbo {

QList<QPair<QString, QString>> EkstreDosyasi::bicimler()
{
    return {{QStringLiteral("PDF"), QStringLiteral("PDF")},
            {QStringLiteral("Zengin Metin (RTF)"), QStringLiteral("Word")},
            {QStringLiteral("Düz Metin (TXT)"), QStringLiteral("Text")},
            {QStringLiteral("Excel (XLSX)"), QStringLiteral("Excel")}};
}

MailAttachment EkstreDosyasi::yaz(ReportModel report, const QString& format, const QString& folder,
                                  const QString& stem)
{
    // The page setup the user chose for printed statements.
    SayfaYazdir(report, QStringLiteral("TFormCariHrk"), QStringLiteral("Ekstre"), QStringLiteral("*"));
    const QString name = stem + QLatin1Char('.') + ReportFileWriter::extension(format);
    const QString path = QDir(folder).filePath(name);
    QFile::remove(path);
    ReportFileWriter::write(report, format, path);
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        throw UserError(QStringLiteral("Ekstre dosyası okunamadı: %1").arg(path));
    return {name, ReportFileWriter::contentType(format), f.readAll()};
}

ReportModel EkstreDosyasi::rapor(const Db& db, const QString& kod, const CariEkstreFiltre& f,
                                 CariEkstreRaporu::Bicim b, const QString& doviz)
{
    const CompanyParameters& p = SessionContext::current().param;
    const QString usd = p.RDOVIZ1.isEmpty() ? QStringLiteral("USD") : p.RDOVIZ1;
    const QString eur = p.RDOVIZ2.isEmpty() ? QStringLiteral("EUR") : p.RDOVIZ2;
    return CariEkstreRaporu::olustur(db, kod, f, b, doviz.isEmpty() ? usd : doviz, usd, eur);
}

} // namespace nimbo
