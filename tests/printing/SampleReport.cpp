#include "SampleReport.h"
#include "printing/AmountInWords.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFileInfo>

namespace nimbo::test {

ReportModel sampleReport(int rows)
{
    static const QStringList words = {QStringLiteral("Satış Faturası"), QStringLiteral("Tahsilat (Çek)"),
                                      QStringLiteral("İade Faturası"), QStringLiteral("Ödeme - Şube Kasası"),
                                      QStringLiteral("Açılış Kaydı ğüşıöç")};
    ReportModel m;
    m.title = QStringLiteral("Cari Hareket Listesi");
    m.headings = {QStringLiteral("120.01.001 ÇAĞDAŞ İNŞAAT ŞTİ."), QStringLiteral("01.01.2026 - 31.12.2026")};
    m.headerLeft = QStringLiteral("NİMBO DEMO TİCARET A.Ş.");
    m.headerRight = QStringLiteral("15.03.2026");
    m.columns = {ReportColumn{QStringLiteral("TARIH"), QStringLiteral("Tarih"), 22, ColumnKind::Date},
                 ReportColumn{QStringLiteral("BELGE_NO"), QStringLiteral("Belge No"), 22, ColumnKind::Text},
                 ReportColumn{QStringLiteral("ACIKLAMA"), QStringLiteral("Açıklama"), 60, ColumnKind::Text},
                 ReportColumn{QStringLiteral("BORC"), QStringLiteral("Borç"), 30, ColumnKind::Amount, 2, true},
                 ReportColumn{QStringLiteral("ALACAK"), QStringLiteral("Alacak"), 30, ColumnKind::Amount, 2, true}};
    double borc = 0, alacak = 0;
    for (int i = 0; i < rows; ++i) {
        const double b = i % 3 == 1 ? 0.0 : 1000.0 + i * 137.25;
        const double a = i % 3 == 1 ? 500.5 + i * 10 : 0.0;
        borc += b;
        alacak += a;
        m.rows << QVariantList{QDate(2026, 1, 1).addDays(i * 3), QStringLiteral("A%1").arg(1000 + i, 6, 10, QLatin1Char('0')),
                               words[i % words.size()], b, a};
    }
    m.summary = {{QStringLiteral("Bakiye"), ReportModel::formatAmount(borc - alacak) + QStringLiteral(" (B)")}};
    m.amountInWords = YaziylaTutar(borc - alacak, true);
    m.signatures = {QStringLiteral("DÜZENLEYEN"), QStringLiteral("KONTROL"), QStringLiteral("YETKİLİ")};
    return m;
}

QString printingFixtureDir()
{
    // This file's folder: absolute, or relative to the build folder the compiler ran in.
    QFileInfo self(QStringLiteral(__FILE__));
    if (self.isRelative())
        self = QFileInfo(QCoreApplication::applicationDirPath() + QStringLiteral("/../") + QStringLiteral(__FILE__));
    QDir dir = self.absoluteDir();
    if (dir.exists(QStringLiteral("../fixtures/printing")))
        return dir.absoluteFilePath(QStringLiteral("../fixtures/printing"));
    // Fall back to walking up from the binary.
    QDir up(QCoreApplication::applicationDirPath());
    for (int i = 0; i < 6; ++i, up.cdUp())
        if (up.exists(QStringLiteral("tests/fixtures/printing")))
            return up.absoluteFilePath(QStringLiteral("tests/fixtures/printing"));
    return {};
}

} // namespace nimbo::test
