#include "SampleReport.h"
#include "db/Errors.h"
#include "printing/ReportTemplate.h"
#include "printing/TemplateStore.h"
#include "support/TestEnv.h"

using namespace nimbo;
using namespace nimbo::test;

// A layout reorders, renames, resizes and hides columns; values move with their columns
// and a column the layout does not know is hidden.
TEST(ReportTemplate, LayoutMovesColumnsWithTheirValues)
{
    ReportModel m = sampleReport(3);
    ReportTemplate t;
    t.title = QStringLiteral("Özet Liste");
    t.columns = {{QStringLiteral("ALACAK"), QStringLiteral("Alacak TL"), 41, true},
                 {QStringLiteral("TARIH"), QStringLiteral("İşlem Tarihi"), 25, true},
                 {QStringLiteral("BELGE_NO"), QStringLiteral("Belge"), 20, false},
                 {QStringLiteral("YOK"), QStringLiteral("Olmayan"), 20, true}};
    t.bodyFont = ReportFont{QStringLiteral("DejaVu Serif"), 11, false, {}};
    t.pageTotals = false;
    t.signatures = {QStringLiteral("TESLİM EDEN")};
    const ReportTemplate back = ReportTemplate::fromJson(t.toJson());
    back.applyTo(m);
    ASSERT_EQ(m.columns.size(), 5);
    EXPECT_EQ(m.title, "Özet Liste");
    EXPECT_EQ(m.columns[0].key, "ALACAK");
    EXPECT_EQ(m.columns[0].title, "Alacak TL");
    EXPECT_DOUBLE_EQ(m.columns[0].widthMm, 41);
    EXPECT_TRUE(m.columns[0].total);
    EXPECT_EQ(m.columns[1].title, "İşlem Tarihi");
    EXPECT_FALSE(m.columns[2].visible); // BELGE_NO, hidden by the layout
    EXPECT_FALSE(m.columns[3].visible); // ACIKLAMA and BORC: not in the layout
    EXPECT_FALSE(m.columns[4].visible);
    EXPECT_EQ(m.visibleColumns(), (QList<int>{0, 1}));
    EXPECT_EQ(m.cellText(1, 0), "510,50");
    EXPECT_EQ(m.cellText(1, 1), "04.01.2026");
    EXPECT_EQ(m.bodyFont.family, "DejaVu Serif");
    EXPECT_FALSE(m.pageTotals);
    EXPECT_EQ(m.signatures, QStringList{"TESLİM EDEN"});
}

TEST(ReportTemplate, BrokenLayoutIsRefused)
{
    EXPECT_THROW(ReportTemplate::fromJson("{not json"), UserError);
}

class TemplateStoreTest : public YearDbTest {};

TEST_F(TemplateStoreTest, LayoutsAreKeptPerWindowAndName)
{
    TemplateStore store(db);
    ReportTemplate t = ReportTemplate::fromReport(sampleReport(1));
    t.columns[2].title = QStringLiteral("Açıklama'lı \"uzun\"");
    store.save(QStringLiteral("CariBr"), QStringLiteral("Cari Hrk.Listesi"), t);
    store.save(QStringLiteral("CariBr"), QStringLiteral("Kısa Liste"), ReportTemplate{});
    store.save(QStringLiteral("StokBr"), QStringLiteral("Cari Hrk.Listesi"), ReportTemplate{});
    EXPECT_EQ(store.names(QStringLiteral("CariBr")), (QStringList{"Cari Hrk.Listesi", "Kısa Liste"}));
    EXPECT_EQ(store.names(QStringLiteral("StokBr")), QStringList{"Cari Hrk.Listesi"});

    auto loaded = store.load(QStringLiteral("CariBr"), QStringLiteral("Cari Hrk.Listesi"));
    ASSERT_TRUE(loaded.has_value());
    EXPECT_EQ(loaded->columns.size(), 5);
    EXPECT_EQ(loaded->columns[2].title, "Açıklama'lı \"uzun\"");

    // Saving under the same name replaces the row.
    t.columns[0].widthMm = 33;
    store.save(QStringLiteral("CariBr"), QStringLiteral("Cari Hrk.Listesi"), t);
    EXPECT_DOUBLE_EQ(store.load(QStringLiteral("CariBr"), QStringLiteral("Cari Hrk.Listesi"))->columns[0].widthMm, 33);
    EXPECT_EQ(db.scalar(QStringLiteral("SELECT COUNT(*) FROM RBSAYFA WHERE PASADI = 'CariBr'")).toInt(), 2);
    EXPECT_FALSE(store.load(QStringLiteral("CariBr"), QStringLiteral("Yok")).has_value());
    EXPECT_THROW(store.save(QStringLiteral("CariBr"), QStringLiteral("  "), t), UserError);
    store.remove(QStringLiteral("CariBr"), QStringLiteral("Kısa Liste"));
    EXPECT_EQ(store.names(QStringLiteral("CariBr")), QStringList{"Cari Hrk.Listesi"});
}
