#include "db/Errors.h"
#include "printing/PageSetupStore.h"
#include "printing/PaperSizes.h"
#include "support/TestEnv.h"

using namespace nimbo;
using namespace nimbo::test;

namespace {
PageSetupRow rowWith(const QString& paper, int w = 0, int h = 0, const QString& orient = QStringLiteral("D"))
{
    PageSetupRow r;
    r.SAYFAISIM = paper;
    r.SAYFAGEN = w;
    r.SAYFAYUK = h;
    r.PRBICIMI = orient;
    r.SOL = 11;
    r.UST = 12;
    r.SAG = 13;
    r.ALT = 14;
    return r;
}
} // namespace

TEST(PaperSizes, EveryPaperNameGivesItsSizeAndPrinterCode)
{
    struct Case {
        QString name;
        QSizeF size;
        int code;
    };
    const QList<Case> cases = {{QStringLiteral("A4   (210mm x 297mm)"), {210, 297}, 9},
                               {QStringLiteral("B5   (182mm x 257mm)"), {182, 257}, 13},
                               {QStringLiteral("Legal    (203,2 mm x 355,6mm)"), {203.2, 355.6}, 5},
                               {QStringLiteral("Mektup (230,2 mm x 274,9 mm)"), {230.2, 274.9}, 45},
                               {QString(), {210, 297}, 9}};
    for (const Case& c : cases) {
        const PrintSettings s = PaperSizes::settingsFor(rowWith(c.name, 50, 60));
        EXPECT_EQ(s.report.paperMm, c.size) << c.name.toStdString();
        EXPECT_EQ(s.printerPaperMm, c.size) << c.name.toStdString();
        EXPECT_EQ(s.printerPaperCode, c.code) << c.name.toStdString();
        EXPECT_FALSE(s.report.landscape);
        EXPECT_EQ(s.report.marginsMm, QMarginsF(11, 12, 13, 14)); // left, top, right, bottom
    }
    EXPECT_EQ(PaperSizes::names().size(), 5);
}

TEST(PaperSizes, UserDefinedPaperHasReportAndPrinterThresholds)
{
    const PrintSettings s = PaperSizes::settingsFor(rowWith(QStringLiteral("Kullanıcı Tanımlasın"), 100, 120));
    EXPECT_EQ(s.report.paperMm, QSizeF(100, 120));
    EXPECT_EQ(s.printerPaperMm, QSizeF(210, 210));
    EXPECT_EQ(s.printerPaperCode, 256);

    const PrintSettings tiny = PaperSizes::settingsFor(rowWith(QStringLiteral("Kullanıcı Tanımlasın"), 14, 15));
    EXPECT_EQ(tiny.report.paperMm, QSizeF(210, 15));

    const PrintSettings big = PaperSizes::settingsFor(rowWith(QStringLiteral("Kullanıcı Tanımlasın"), 150, 149));
    EXPECT_EQ(big.printerPaperMm, QSizeF(150, 210));
    EXPECT_EQ(big.report.paperMm, QSizeF(150, 149));
}

TEST(PaperSizes, LandscapeTurnsTheReportPageButNotThePrinterPaper)
{
    const PrintSettings y = PaperSizes::settingsFor(rowWith(PaperSizes::a4Name(), 0, 0, QStringLiteral("Y")));
    EXPECT_TRUE(y.report.landscape);
    EXPECT_EQ(y.report.paperMm, QSizeF(297, 210));
    EXPECT_EQ(y.printerPaperMm, QSizeF(210, 297));
    // Anything but "D" is landscape.
    EXPECT_TRUE(PaperSizes::settingsFor(rowWith(PaperSizes::a4Name(), 0, 0, QString())).report.landscape);
}

TEST(PaperSizes, DialogFillsSizeFromTheFirstLetter)
{
    EXPECT_EQ(PaperSizes::sizeForName(QStringLiteral("A4   (210mm x 297mm)")), QSize(210, 297));
    EXPECT_EQ(PaperSizes::sizeForName(QStringLiteral("B5   (182mm x 257mm)")), QSize(182, 257));
    EXPECT_EQ(PaperSizes::sizeForName(QStringLiteral("Legal    (203,2 mm x 355,6mm)")), QSize(203, 355));
    EXPECT_EQ(PaperSizes::sizeForName(QStringLiteral("Mektup (230,2 mm x 274,9 mm)")), QSize(230, 274));
    EXPECT_FALSE(PaperSizes::sizeForName(QStringLiteral("Kullanıcı Tanımlasın")).has_value());
}

class PageSetupStoreTest : public YearDbTest {};

TEST_F(PageSetupStoreTest, MissingRowIsCreatedWithDefaultsAndKeptAfterwards)
{
    PageSetupStore store(db);
    EXPECT_FALSE(store.find(QStringLiteral("FisDok"), QStringLiteral("QuickRep1")).has_value());
    const PageSetupRow r =
        store.ensure(QStringLiteral("FisDok"), QStringLiteral("QuickRep1"), QStringLiteral("Y"), QMargins(5, 6, 7, 8));
    EXPECT_EQ(r.SAYFAISIM, PaperSizes::a4Name());
    EXPECT_EQ(r.PRBICIMI, "Y");
    EXPECT_EQ(db.scalar(QStringLiteral("SELECT COUNT(*) FROM MSAYFA")).toInt(), 1);
    const auto rec = db.records(QStringLiteral("SELECT * FROM MSAYFA WHERE PASADI = 'FisDok'")).first();
    EXPECT_EQ(sqlText(rec.value("SAYFAISIM")), "A4   (210mm x 297mm)");
    EXPECT_EQ(rec.value("SOL").toInt(), 5);
    EXPECT_EQ(rec.value("UST").toInt(), 6);
    EXPECT_EQ(rec.value("SAG").toInt(), 7);
    EXPECT_EQ(rec.value("ALT").toInt(), 8);

    // A stored row wins over the defaults of a later call.
    PageSetupRow edited = r;
    edited.SAYFAISIM = PaperSizes::userDefinedName();
    edited.SAYFAGEN = 100;
    edited.SAYFAYUK = 120;
    edited.PRBICIMI = QStringLiteral("D");
    edited.KODBAS = QStringLiteral("120.01'A");
    store.save(edited);
    const PageSetupRow again =
        store.ensure(QStringLiteral("FisDok"), QStringLiteral("QuickRep1"), QStringLiteral("Y"), QMargins(1, 1, 1, 1));
    EXPECT_EQ(again.SAYFAISIM, "Kullanıcı Tanımlasın");
    EXPECT_EQ(again.SAYFAGEN, 100);
    EXPECT_EQ(again.SAYFAYUK, 120);
    EXPECT_EQ(again.PRBICIMI, "D");
    EXPECT_EQ(again.KODBAS, "120.01'A");
    EXPECT_EQ(again.SOL, 5);
    EXPECT_EQ(db.scalar(QStringLiteral("SELECT COUNT(*) FROM MSAYFA")).toInt(), 1);
    // Another report of the same window has its own row.
    EXPECT_FALSE(store.find(QStringLiteral("FisDok"), QStringLiteral("QuickRep2")).has_value());
}

// The list of every setup comes in window and report order; a list that cannot be read is an
// error, not an empty list.
TEST_F(PageSetupStoreTest, ListOfAllSetupsAndItsFailure)
{
    const PageSetupStore store(db);
    store.ensure(QStringLiteral("StokBr"), QStringLiteral("QuickRep2"), QStringLiteral("Y"), QMargins(5, 5, 5, 5));
    store.ensure(QStringLiteral("CariBr"), QStringLiteral("QuickRep1"), QStringLiteral("D"), QMargins(10, 10, 10, 10));
    store.ensure(QStringLiteral("StokBr"), QStringLiteral("QuickRep1"), QStringLiteral("D"), QMargins(10, 10, 10, 10));
    const QList<PageSetupRow> rows = store.all();
    ASSERT_EQ(rows.size(), 3);
    EXPECT_EQ(rows[0].PASADI, QStringLiteral("CariBr"));
    EXPECT_EQ(rows[2].QUIKAD, QStringLiteral("QuickRep2"));
    EXPECT_EQ(rows[2].PRBICIMI, QStringLiteral("Y"));

    db.exec(QStringLiteral("DROP TABLE MSAYFA"));
    EXPECT_THROW(store.all(), DbError);
}
