#include "SampleReport.h"
#include "db/Errors.h"
#include "printing/RtfReportWriter.h"
#include "printing/TextReportWriter.h"
#include "printing/XlsxReportWriter.h"
#include "support/TestEnv.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>

using namespace nimbo;
using namespace nimbo::test;

namespace {

QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QString exportDir()
{
    const QString d = TestEnv::tempDir() + QStringLiteral("/export");
    QDir().mkpath(d);
    return d;
}

// One member of the .xlsx zip.
QString unzipMember(const QString& zip, const QString& member)
{
    QProcess p;
    p.start(QStringLiteral("unzip"), {QStringLiteral("-p"), zip, member});
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

// Decodes the \uN escapes of an RTF body back to text (the fallback byte after each is skipped).
QString rtfText(const QByteArray& rtf)
{
    QString out;
    for (int i = 0; i < rtf.size(); ++i) {
        if (rtf.mid(i, 2) == "\\u" && i + 2 < rtf.size() && (std::isdigit(rtf[i + 2]) || rtf[i + 2] == '-')) {
            int j = i + 2;
            while (j < rtf.size() && (std::isdigit(rtf[j]) || rtf[j] == '-'))
                ++j;
            out += QChar(ushort(rtf.mid(i + 2, j - i - 2).toInt()));
            i = j + 3; // skip \'xx
            continue;
        }
        out += QChar(rtf[i]);
    }
    return out;
}

} // namespace

TEST(Export, RtfIsARealDocumentWithTurkishLetters)
{
    ReportModel m = sampleReport(12);
    m.page.landscape = true;
    m.page.paperMm = {297, 210};
    const QString path = exportDir() + QStringLiteral("/liste.rtf");
    RtfReportWriter::write(m, path);
    const QByteArray rtf = readAll(path);
    ASSERT_TRUE(rtf.startsWith("{\\rtf1\\ansi\\ansicpg1254"));
    EXPECT_TRUE(rtf.trimmed().endsWith('}'));
    EXPECT_EQ(rtf.count('{'), rtf.count('}')); // balanced groups
    for (const char c : rtf)
        ASSERT_LT(uchar(c), 0x80) << "RTF must be 7-bit";
    EXPECT_TRUE(rtf.contains("\\fcharset162"));
    EXPECT_TRUE(rtf.contains("\\landscape"));
    EXPECT_TRUE(rtf.contains("\\paperw16838\\paperh11906"));
    EXPECT_TRUE(rtf.contains("\\trhdr")); // headings repeat on each page
    // "ı" is U+0131 with the Windows-1254 byte FD as fallback.
    EXPECT_TRUE(rtf.contains("\\u305\\'fd"));
    EXPECT_TRUE(rtf.contains("\\u304\\'dd")); // İ
    const QString text = rtfText(rtf);
    EXPECT_TRUE(text.contains(QStringLiteral("Cari Hareket Listesi")));
    EXPECT_TRUE(text.contains(QStringLiteral("120.01.001 ÇAĞDAŞ İNŞAAT ŞTİ.")));
    EXPECT_TRUE(text.contains(QStringLiteral("Açılış Kaydı ğüşıöç")));
    EXPECT_TRUE(text.contains(QStringLiteral("Genel Toplam")));
    EXPECT_TRUE(text.contains(QStringLiteral("YALNIZ ") + m.amountInWords));
    EXPECT_TRUE(text.contains(QStringLiteral("YETKİLİ")));
    EXPECT_TRUE(text.contains(QStringLiteral("1.274,50")));
    // Every row is a table row: headings, 12 rows, the grand total and the signatures.
    EXPECT_EQ(rtf.count("\\row"), 1 + 12 + 1 + 1);
}

TEST(Export, RtfEscapesItsOwnControlCharacters)
{
    EXPECT_EQ(RtfReportWriter::escape(QStringLiteral("a{b}c\\d")), QByteArray("a\\{b\\}c\\\\d"));
    EXPECT_EQ(RtfReportWriter::escape(QStringLiteral("Ş")), QByteArray("\\u350\\'de"));
    EXPECT_EQ(RtfReportWriter::escape(QStringLiteral("€")), QByteArray("\\u8364\\'3f"));
}

TEST(Export, SpreadsheetHoldsNumbersDatesAndTurkishText)
{
    const ReportModel m = sampleReport(10);
    const QString path = exportDir() + QStringLiteral("/liste.xlsx");
    XlsxReportWriter::write(m, path);
    ASSERT_TRUE(readAll(path).startsWith("PK"));
    const QString shared = unzipMember(path, QStringLiteral("xl/sharedStrings.xml"));
    const QString sheet = unzipMember(path, QStringLiteral("xl/worksheets/sheet1.xml"));
    const QString workbook = unzipMember(path, QStringLiteral("xl/workbook.xml"));
    ASSERT_FALSE(sheet.isEmpty()) << "unzip could not read the workbook";
    EXPECT_TRUE(workbook.contains(QStringLiteral("name=\"Cari Hareket Listesi\"")));
    for (const QString& s : {QStringLiteral("Cari Hareket Listesi"), QStringLiteral("Açıklama"), QStringLiteral("Borç"),
                             QStringLiteral("Açılış Kaydı ğüşıöç"), QStringLiteral("Genel Toplam"),
                             QStringLiteral("A001000")})
        EXPECT_TRUE(shared.contains(s)) << s.toStdString();

    // Cells by reference: the column titles stand on row 5 (title, two headings, a blank).
    auto cell = [&](const QString& ref) {
        const QRegularExpression re(QStringLiteral("<c r=\"%1\"[^>]*>(.*?)</c>").arg(ref));
        return re.match(sheet).captured(1);
    };
    EXPECT_TRUE(cell(QStringLiteral("D5")).contains(QStringLiteral("<v>"))); // "Borç" as a shared string
    // First row: a date serial (2026-01-01 is 46023) and the amount as a number.
    EXPECT_EQ(cell(QStringLiteral("A6")), QStringLiteral("<v>46023</v>"));
    EXPECT_EQ(cell(QStringLiteral("D6")), QStringLiteral("<v>1000</v>"));
    EXPECT_EQ(cell(QStringLiteral("E7")), QStringLiteral("<v>510.5</v>"));
    // Grand total row after the ten rows: sums of both columns.
    double borc = 0, alacak = 0;
    for (int r = 0; r < m.rows.size(); ++r) {
        borc += m.number(r, 3);
        alacak += m.number(r, 4);
    }
    EXPECT_EQ(cell(QStringLiteral("D16")), QStringLiteral("<v>%1</v>").arg(QString::number(borc, 'g', 15)));
    EXPECT_EQ(cell(QStringLiteral("E16")), QStringLiteral("<v>%1</v>").arg(QString::number(alacak, 'g', 15)));
}

TEST(Export, TextFileHasAlignedColumns)
{
    const ReportModel m = sampleReport(6);
    const QString path = exportDir() + QStringLiteral("/liste.txt");
    TextReportWriter::write(m, path);
    const QStringList lines = QString::fromUtf8(readAll(path)).split(QLatin1Char('\n'));
    const int headIdx = lines.indexOf(QRegularExpression(QStringLiteral("^Tarih\\s+Belge No\\s+Açıklama\\s+Borç\\s+Alacak$")));
    ASSERT_GE(headIdx, 0) << lines.join('\n').toStdString();
    EXPECT_FALSE(lines.join('\n').contains(QLatin1Char('\f'))); // one continuous listing
    const int alacakEnd = lines[headIdx].size();
    // Every detail line ends its amounts under the right edge of "Alacak"; zeros print as 0,00.
    for (int i = headIdx + 2; i < headIdx + 8; ++i) {
        EXPECT_EQ(lines[i].size(), alacakEnd) << lines[i].toStdString();
        EXPECT_TRUE(lines[i].startsWith(m.cellText(i - headIdx - 2, 0)));
    }
    EXPECT_TRUE(lines[headIdx + 2].contains(QRegularExpression(QStringLiteral("  1\\.000,00 +0,00$"))))
        << lines[headIdx + 2].toStdString();
    const int total = lines.indexOf(QRegularExpression(QStringLiteral("^Genel Toplam\\s.*")));
    ASSERT_GT(total, headIdx) << lines.join('\n').toStdString();
    EXPECT_EQ(lines[total].size(), alacakEnd);
    EXPECT_TRUE(lines.contains(QStringLiteral("YALNIZ ") + m.amountInWords));
}

TEST(Export, UnwritableFileIsReportedAndNothingIsLeft)
{
    const ReportModel m = sampleReport(2);
    const QString path = exportDir() + QStringLiteral("/no/such/folder/x.txt");
    EXPECT_THROW(TextReportWriter::write(m, path), UserError);
    EXPECT_THROW(RtfReportWriter::write(m, path), UserError);
    EXPECT_THROW(XlsxReportWriter::write(m, exportDir() + QStringLiteral("/no/such/x.xlsx")), UserError);
    EXPECT_FALSE(QFile::exists(path));
}
