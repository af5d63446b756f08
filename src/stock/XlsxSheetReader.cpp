#include "stock/XlsxSheetReader.h"

#include <QFile>
#include <QXmlStreamReader>
#include <zip.h>

namespace nimbo {

namespace {

class Archive {
public:
    explicit Archive(const QString& path)
    {
        int err = 0;
        m_zip = zip_open(QFile::encodeName(path).constData(), ZIP_RDONLY, &err);
    }
    ~Archive()
    {
        if (m_zip)
            zip_discard(m_zip);
    }
    bool isOpen() const { return m_zip != nullptr; }
    // The member's bytes; null when it is missing or cannot be read.
    QByteArray member(const QString& name) const
    {
        zip_stat_t st;
        zip_stat_init(&st);
        if (zip_stat(m_zip, name.toUtf8().constData(), 0, &st) != 0 || !(st.valid & ZIP_STAT_SIZE))
            return {};
        zip_file_t* f = zip_fopen(m_zip, name.toUtf8().constData(), 0);
        if (!f)
            return {};
        QByteArray data(qsizetype(st.size), Qt::Uninitialized);
        const zip_int64_t n = zip_fread(f, data.data(), st.size);
        zip_fclose(f);
        if (n != zip_int64_t(st.size))
            return {};
        return data.isEmpty() ? QByteArray("") : data;
    }

private:
    zip_t* m_zip = nullptr;
};

QStringList sharedStrings(const QByteArray& xml)
{
    QStringList out;
    QXmlStreamReader r(xml);
    QString current;
    bool inSi = false;
    while (!r.atEnd()) {
        r.readNext();
        if (r.isStartElement() && r.name() == QLatin1String("si")) {
            inSi = true;
            current.clear();
        } else if (r.isStartElement() && r.name() == QLatin1String("t") && inSi) {
            current += r.readElementText();
        } else if (r.isEndElement() && r.name() == QLatin1String("si")) {
            out << current;
            inSi = false;
        }
    }
    return out;
}

// The first sheet's member name, from the workbook and its relationships.
QString firstSheet(const Archive& a)
{
    QString rid;
    QXmlStreamReader wb(a.member(QStringLiteral("xl/workbook.xml")));
    while (!wb.atEnd() && rid.isEmpty())
        if (wb.readNext() == QXmlStreamReader::StartElement && wb.name() == QLatin1String("sheet"))
            for (const QXmlStreamAttribute& at : wb.attributes())
                if (at.name() == QLatin1String("id"))
                    rid = at.value().toString();
    QXmlStreamReader rels(a.member(QStringLiteral("xl/_rels/workbook.xml.rels")));
    while (!rels.atEnd() && !rid.isEmpty())
        if (rels.readNext() == QXmlStreamReader::StartElement && rels.name() == QLatin1String("Relationship")
            && rels.attributes().value(QLatin1String("Id")) == rid) {
            QString target = rels.attributes().value(QLatin1String("Target")).toString();
            if (target.startsWith(u'/'))
                return target.mid(1);
            return QStringLiteral("xl/") + target;
        }
    return QStringLiteral("xl/worksheets/sheet1.xml");
}

// "BC12" -> 54 (zero-based column)
int columnOf(QStringView ref)
{
    int c = 0;
    for (QChar ch : ref) {
        if (!ch.isLetter())
            break;
        c = c * 26 + (ch.toUpper().unicode() - 'A' + 1);
    }
    return c - 1;
}

} // namespace

QList<QStringList> XlsxSheetReader::rows(const QString& path) const
{
    const Archive a(path);
    if (!a.isOpen())
        fail(path, QStringLiteral("xlsx arşivi açılamadı"));
    const QStringList strings = sharedStrings(a.member(QStringLiteral("xl/sharedStrings.xml")));
    const QByteArray sheet = a.member(firstSheet(a));
    if (sheet.isNull())
        fail(path, QStringLiteral("çalışma sayfası yok"));

    QList<QStringList> out;
    QXmlStreamReader r(sheet);
    int rowNo = 0;
    QString type, value;
    int col = -1;
    while (!r.atEnd()) {
        r.readNext();
        if (r.isStartElement()) {
            if (r.name() == QLatin1String("row")) {
                const int n = r.attributes().value(QLatin1String("r")).toInt();
                rowNo = n > 0 ? n : rowNo + 1;
                while (out.size() < rowNo)
                    out << QStringList();
            } else if (r.name() == QLatin1String("c")) {
                type = r.attributes().value(QLatin1String("t")).toString();
                const auto ref = r.attributes().value(QLatin1String("r"));
                col = ref.isEmpty() ? int(out.isEmpty() ? 0 : out.last().size()) : columnOf(ref);
                value.clear();
            } else if (r.name() == QLatin1String("v") || r.name() == QLatin1String("t")) {
                value += r.readElementText();
            }
        } else if (r.isEndElement() && r.name() == QLatin1String("c") && rowNo > 0 && col >= 0) {
            QString text = value;
            if (type == QLatin1String("s")) {
                const int i = value.toInt();
                text = i >= 0 && i < strings.size() ? strings.at(i) : QString();
            }
            QStringList& row = out[rowNo - 1];
            while (row.size() <= col)
                row << QString();
            row[col] = text.trimmed();
        }
    }
    if (r.hasError())
        fail(path, r.errorString());
    return out;
}

} // namespace nimbo
