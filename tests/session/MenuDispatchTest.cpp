#include "services/SessionContext.h"
#include "session/MenuDispatch.h"
#include "support/TestEnv.h"

#include <QSet>

using namespace nimbo;
using namespace nimbo::test;

namespace {
class MenuDispatchTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        s.KullaniciAdi = QStringLiteral("SATIS");
        prompter = std::make_unique<PrompterScope>();
    }
    // Every right column holds the same letter.
    void allRights(const QString& v)
    {
        for (const QString& c : {"MUHPRG", "KASARAP", "CHODEKAPAC", "KULRAP", "ISTAT", "STKART", "DIGER01", "STKHRK",
                                 "DEPSTK", "DIGER02", "DIGER03", "DIGER04", "DIGER05", "DIGER06", "DIGER07", "DOVIZ",
                                 "STKFIS", "KASAHRKG", "CHRK", "BHRK", "CEKSEN", "BAKIM"})
            s.setHak(c, v);
    }
    MenuDispatch::Result run(const QString& caption)
    {
        MenuDispatch d(s, {[this](const QString& c, bool modal) {
                               opened << c;
                               if (modal)
                                   modals << c;
                               return !missing.contains(c);
                           },
                           [this](MenuRight::Target t) { programs << t; }});
        return d.run(caption);
    }

    SessionContext s;
    std::unique_ptr<PrompterScope> prompter;
    QStringList opened, modals;
    QSet<QString> missing;
    QList<MenuRight::Target> programs;
};

const QStringList kNotDash = {"Finans Hareketleri Listesi", "Kasa İşlemleri Listesi", "Cari İşlemler Listesi",
                              "Banka İşlemleri Listesi",    "Çek/Senet İşlemleri Listesi",
                              "Cari Hesap Ekstre Listesi",  "Finans Hareketleri"};
} // namespace

// "O" is enough where the table asks for H or O, not where it asks for H alone; a refusal
// opens nothing and shows nothing (the prompter scope fails on any message).
TEST_F(MenuDispatchTest, ViewFlagOpensStockAndRatesButNotStockSlips)
{
    allRights(QStringLiteral("O"));
    EXPECT_EQ(run(QStringLiteral("Stok Kayıtları")), MenuDispatch::Result::Opened);
    EXPECT_EQ(run(QStringLiteral("Döviz Kurları")), MenuDispatch::Result::Opened);
    EXPECT_EQ(run(QStringLiteral("Stok Fişleri")), MenuDispatch::Result::Refused);
    EXPECT_EQ(run(QStringLiteral("Stok Ekstresi")), MenuDispatch::Result::Refused);
    // Only the first of the two statement captions is guarded.
    EXPECT_EQ(run(QStringLiteral("Stok Hareketleri Ekstresi Listesi")), MenuDispatch::Result::Opened);
    for (const char* c : {"Kasa İşlemleri", "Cari İşlemler", "Banka İşlemleri", "Çek/Senet İşlemleri",
                          "Karlılık Analizi", "Carilere Göre Ciro Listesi"})
        EXPECT_EQ(run(QString::fromUtf8(c)), MenuDispatch::Result::Refused) << c;
    EXPECT_EQ(opened, (QStringList{QStringLiteral("Stok Kayıtları"), QStringLiteral("Döviz Kurları"),
                                   QStringLiteral("Stok Hareketleri Ekstresi Listesi")}));

    allRights(QStringLiteral("H"));
    EXPECT_EQ(run(QStringLiteral("Stok Fişleri")), MenuDispatch::Result::Opened);
    allRights(QStringLiteral("E"));
    EXPECT_EQ(run(QStringLiteral("Stok Kayıtları")), MenuDispatch::Result::Refused);
    EXPECT_EQ(run(QStringLiteral("Döviz Kurları")), MenuDispatch::Result::Refused);
}

// "-" blocks the reports guarded by not-dash; any other value, even an empty one, opens them.
TEST_F(MenuDispatchTest, DashBlocksNotDashReportsAndAnyOtherValueOpensThem)
{
    allRights(QStringLiteral("-"));
    for (const QString& c : kNotDash)
        EXPECT_EQ(run(c), MenuDispatch::Result::Refused) << c.toStdString();
    EXPECT_TRUE(opened.isEmpty());
    for (const QString& v : {QString(), QStringLiteral("E"), QStringLiteral("O"), QStringLiteral("H")}) {
        allRights(v);
        opened.clear();
        for (const QString& c : kNotDash)
            EXPECT_EQ(run(c), MenuDispatch::Result::Opened) << c.toStdString() << " flag '" << v.toStdString() << "'";
        EXPECT_EQ(opened, kNotDash);
    }
}

// Unknown captions and captions without a window do nothing; the retail sale is modal; the
// ledger and maintenance entries start companion programs, the latter only with BAKIM H/O.
TEST_F(MenuDispatchTest, UnknownCaptionsMissingWindowsModalsAndPrograms)
{
    allRights(QStringLiteral("H"));
    EXPECT_EQ(run(QStringLiteral("Olmayan Menü")), MenuDispatch::Result::Unknown);
    EXPECT_EQ(run(QStringLiteral("stok kayıtları")), MenuDispatch::Result::Unknown);
    EXPECT_TRUE(opened.isEmpty());

    missing << QStringLiteral("Taksit Yönetimi");
    EXPECT_EQ(run(QStringLiteral("Taksit Yönetimi")), MenuDispatch::Result::NoWindow);
    // A CHAR(50) caption arrives padded.
    EXPECT_EQ(run(QStringLiteral("Perakende Satış İşlemleri       ")), MenuDispatch::Result::Opened);
    EXPECT_EQ(run(QStringLiteral("Satış İşlemleri")), MenuDispatch::Result::Opened);
    EXPECT_EQ(modals, QStringList{QStringLiteral("Perakende Satış İşlemleri")});

    EXPECT_EQ(run(QStringLiteral("Genel Muhasebe")), MenuDispatch::Result::Opened);
    s.setHak(QStringLiteral("BAKIM"), QStringLiteral("O"));
    EXPECT_EQ(run(QStringLiteral("Sistem Yönetimi")), MenuDispatch::Result::Opened);
    s.setHak(QStringLiteral("BAKIM"), QStringLiteral("E"));
    EXPECT_EQ(run(QStringLiteral("Sistem Yönetimi")), MenuDispatch::Result::Refused);
    EXPECT_EQ(programs,
              (QList<MenuRight::Target>{MenuRight::Target::LedgerProgram, MenuRight::Target::MaintenanceProgram}));
    EXPECT_FALSE(opened.contains(QStringLiteral("Genel Muhasebe")));
}

// After a cancelled login at a firm change no guarded command runs, not even a not-dash one.
TEST_F(MenuDispatchTest, WithoutUserNoGuardedEntryRuns)
{
    s.clearUser();
    allRights(QString());
    for (const QString& c : kNotDash)
        EXPECT_EQ(run(c), MenuDispatch::Result::Refused);
    EXPECT_EQ(run(QStringLiteral("Cari Kayıtlar")), MenuDispatch::Result::Opened);
}

// The first equal row decides, so a caption listed twice would hide the second row's test.
TEST(MenuRightsTable, EveryCaptionOnceAndGuardedRowsNameTheirFlag)
{
    QSet<QString> seen;
    for (const MenuRight& r : MenuRights::table()) {
        EXPECT_FALSE(seen.contains(r.caption)) << r.caption.toStdString();
        seen << r.caption;
        EXPECT_EQ(r.column.isEmpty(), r.test == MenuRight::Test::None) << r.caption.toStdString();
    }
    EXPECT_EQ(seen.size(), 87); // 81 and the six ledger windows
}
