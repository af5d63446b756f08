#include "stock/CsvSheetReader.h"

#include <QFile>
#include <QStringDecoder>

namespace nimbo {

QList<QStringList> CsvSheetReader::rows(const QString& path) const
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        fail(path, f.errorString());
    const QByteArray data = f.readAll();
    if (data.contains('\0'))
        fail(path, QStringLiteral("metin dosyası değil"));
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8(data);
    if (utf8.hasError()) // older files are in the Turkish Windows code page
        text = QStringDecoder("windows-1254").isValid() ? QStringDecoder("windows-1254")(data)
                                                        : QString::fromLatin1(data);
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    return parse(text);
}

QList<QStringList> CsvSheetReader::parse(const QString& text)
{
    const QString first = text.section(QLatin1Char('\n'), 0, 0);
    const QChar sep = first.count(QLatin1Char(';')) >= first.count(QLatin1Char(',')) && first.contains(u';')
                          ? QLatin1Char(';')
                          : QLatin1Char(',');
    QList<QStringList> out;
    QStringList row;
    QString cell;
    bool quoted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (quoted) {
            if (c == u'"' && i + 1 < text.size() && text.at(i + 1) == u'"') {
                cell += c;
                ++i;
            } else if (c == u'"') {
                quoted = false;
            } else {
                cell += c;
            }
        } else if (c == u'"') {
            quoted = true;
        } else if (c == sep) {
            row << cell.trimmed();
            cell.clear();
        } else if (c == u'\n') {
            row << cell.trimmed();
            cell.clear();
            if (row.size() == 1 && row.first().isEmpty())
                row.clear();
            out << row;
            row.clear();
        } else if (c != u'\r') {
            cell += c;
        }
    }
    if (!cell.isEmpty() || !row.isEmpty()) {
        row << cell.trimmed();
        out << row;
    }
    return out;
}

} // namespace nimbo
