#include "printing/PaperSizes.h"

namespace nimbo {

QStringList PaperSizes::names()
{
    return {a4Name(), QStringLiteral("B5   (182mm x 257mm)"), QStringLiteral("Legal    (203,2 mm x 355,6mm)"),
            QStringLiteral("Mektup (230,2 mm x 274,9 mm)"), userDefinedName()};
}

std::optional<QSize> PaperSizes::sizeForName(const QString& name)
{
    const QChar first = name.trimmed().isEmpty() ? QChar() : name.trimmed().at(0);
    if (first == QLatin1Char('A'))
        return QSize(210, 297);
    if (first == QLatin1Char('B'))
        return QSize(182, 257);
    if (first == QLatin1Char('L'))
        return QSize(203, 355);
    if (first == QLatin1Char('M'))
        return QSize(230, 274);
    return std::nullopt;
}

bool PaperSizes::isUserDefined(const QString& name)
{
    return name.trimmed() == userDefinedName();
}

PrintSettings PaperSizes::settingsFor(const PageSetupRow& row)
{
    PrintSettings s;
    const QString name = row.SAYFAISIM.trimmed();
    QSizeF paper(210, 297);
    int code = 9;
    if (name == QLatin1String("B5   (182mm x 257mm)")) {
        paper = {182, 257};
        code = 13;
    } else if (name == QLatin1String("Legal    (203,2 mm x 355,6mm)")) {
        paper = {203.2, 355.6};
        code = 5;
    } else if (name == QLatin1String("Mektup (230,2 mm x 274,9 mm)")) {
        paper = {230.2, 274.9};
        code = 45;
    } else if (isUserDefined(name)) {
        paper = {row.SAYFAGEN >= kMinReportMm ? double(row.SAYFAGEN) : 210.0,
                 row.SAYFAYUK >= kMinReportMm ? double(row.SAYFAYUK) : 210.0};
        code = 256;
    }
    s.printerPaperCode = code;
    s.printerPaperMm = paper;
    if (code == 256) // the printer is handed tenths of a millimetre, and nothing below 150 mm
        s.printerPaperMm = {row.SAYFAGEN >= kMinPrinterMm ? double(row.SAYFAGEN) : 210.0,
                            row.SAYFAYUK >= kMinPrinterMm ? double(row.SAYFAYUK) : 210.0};
    s.report.landscape = row.PRBICIMI.trimmed() != QLatin1String("D");
    s.report.paperMm = s.report.landscape ? paper.transposed() : paper;
    s.report.marginsMm = QMarginsF(row.SOL, row.UST, row.SAG, row.ALT);
    return s;
}

} // namespace nimbo
