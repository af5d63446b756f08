#include "SlipTestUtil.h"
#include "stock/CsvSheetReader.h"
#include "stock/SpreadsheetReader.h"
#include "stock/StokFisAktarimi.h"

using namespace nimbo;
using namespace nimbo::test;

namespace {

QString fixture(const char* name) { return QStringLiteral(NIMBO_FIXTURES_DIR "/stock/") + QLatin1String(name); }

class StokFisAktarimiTest : public SlipTest {
protected:
    void SetUp() override
    {
        SlipTest::SetUp();
        a = saveItem(db, "IMP-A");
        b = saveItem(db, "IMP-B");
        c = saveItem(db, "İMP-Ç");
    }
    double a = 0, b = 0, c = 0;
};

} // namespace

// The same sheet as .csv, .xlsx and .xls: good rows become lines with their quantity and
// cost, every bad row is listed with its row and reason, and nothing is written before the
// slip is saved.
TEST_F(StokFisAktarimiTest, GoodRowsBecomeLinesBadRowsAreListed)
{
    for (const char* file : {"slip_lines.csv", "slip_lines.xlsx", "slip_lines.xls"}) {
        StokFisi f(db, "D");
        (*prompter)->expectWarn("Hatalı okunan stoklar mevcut!");
        const auto r = StokFisAktarimi(db).satirlaraAktar(f, fixture(file), 2);
        ASSERT_EQ(f.lines().count(), 3) << file;
        EXPECT_DOUBLE_EQ(f.lines().number(0, "STOK_NO"), a);
        EXPECT_DOUBLE_EQ(f.lines().number(0, "MIKTAR"), 10);
        EXPECT_DOUBLE_EQ(f.lines().number(0, "FIYAT"), 2.5) << file;
        EXPECT_EQ(f.lines().value(0, "DEPO_KODU").toInt(), 2);
        EXPECT_DOUBLE_EQ(f.lines().number(1, "STOK_NO"), b);
        EXPECT_DOUBLE_EQ(f.lines().number(1, "FIYAT"), 12);
        EXPECT_DOUBLE_EQ(f.lines().number(2, "STOK_NO"), c) << file;
        EXPECT_DOUBLE_EQ(f.lines().number(2, "MIKTAR"), 1234.5);
        EXPECT_DOUBLE_EQ(f.headerNumber("BRUTTUT"), 25 + 36);

        QStringList bad;
        for (const auto& h : r.hatali)
            bad << QStringLiteral("%1 %2 %3").arg(h.satirNo).arg(h.kod, h.neden);
        EXPECT_EQ(bad, QStringList({"4  Stok kodu boş", "5 IMP-X Stok kodu bulunamadı", "6 IMP-A Miktar sayı değil",
                                    "8 IMP-B Birim maliyet sayı değil", "9 IMP-B Miktar yok"}))
            << file;
        EXPECT_FALSE(db.any("SELECT 1 FROM FISTK"));
        EXPECT_FALSE(db.any("SELECT 1 FROM STOKHRK"));
    }
}

// A damaged archive, a text file named .xlsx, a missing file and an unknown extension are
// refused with a message naming the file; nothing is added.
TEST_F(StokFisAktarimiTest, UnreadableFilesAreRefused)
{
    for (const char* file : {"damaged.xlsx", "not_a_sheet.xlsx", "missing.xlsx", "make_fixtures.py",
                             "not_a_sheet.xls"}) {
        StokFisi f(db, "D");
        try {
            StokFisAktarimi(db).satirlaraAktar(f, fixture(file), 1);
            ADD_FAILURE() << file << " was read";
        } catch (const UserError& e) {
            EXPECT_TRUE(e.message().startsWith("Dosya okunamadı: ")) << file << e.message().toStdString();
        }
        EXPECT_TRUE(f.lines().isEmpty());
    }
}

// Quoted fields keep their separators and doubled quotes; comma files and CRLF line ends read.
TEST(CsvSheetReader, QuotesSeparatorsAndLineEnds)
{
    const auto rows = CsvSheetReader::parse("\"A;1\",2,\"say \"\"x\"\"\"\r\n\r\nB,3\r\n");
    ASSERT_EQ(rows.size(), 3);
    EXPECT_EQ(rows[0], QStringList({"A;1", "2", "say \"x\""}));
    EXPECT_TRUE(rows[1].isEmpty());
    EXPECT_EQ(rows[2], QStringList({"B", "3"}));
    double v = 0;
    EXPECT_TRUE(StokFisAktarimi::sayi("1.234,5", &v));
    EXPECT_DOUBLE_EQ(v, 1234.5);
    EXPECT_TRUE(StokFisAktarimi::sayi("1,234.5", &v));
    EXPECT_DOUBLE_EQ(v, 1234.5);
    EXPECT_FALSE(StokFisAktarimi::sayi("12a", &v));
}

// A count for one warehouse: an increase slip takes what was counted above the books, a
// decrease slip what was counted below; without a warehouse or anything to take, it says so.
TEST_F(StokFisAktarimiTest, CountImport)
{
    const double ca = saveItem(db, "CNT-A");
    const double cb = saveItem(db, "CNT-B");
    const double cc = saveItem(db, "CNT-C");
    slip("D", {{ca, 10, 1}, {cb, 5, 1}, {cc, 5, 1}}, 1);
    StokFisAktarimi imp(db);

    StokFisi f(db, "T");
    (*prompter)->expectWarn("Depo seçiniz!");
    EXPECT_EQ(imp.sayimAktar(f, fixture("count.csv"), 0), 0);

    (*prompter)->expectWarn("Hatalı okunan stoklar mevcut!");
    (*prompter)->expectInfo("1 adet sayım aktarımı tamamlandı");
    EXPECT_EQ(imp.sayimAktar(f, fixture("count.csv"), 1), 1);
    ASSERT_EQ(f.lines().count(), 1);
    EXPECT_DOUBLE_EQ(f.lines().number(0, "STOK_NO"), ca);
    EXPECT_DOUBLE_EQ(f.lines().number(0, "MIKTAR"), 2);

    StokFisi z(db, "Z");
    (*prompter)->expectWarn("Hatalı okunan stoklar mevcut!");
    (*prompter)->expectInfo("1 adet sayım aktarımı tamamlandı");
    EXPECT_EQ(imp.sayimAktar(z, fixture("count.csv"), 1), 1);
    EXPECT_DOUBLE_EQ(z.lines().number(0, "STOK_NO"), cb);
    EXPECT_DOUBLE_EQ(z.lines().number(0, "MIKTAR"), 2);

    StokFisi empty(db, "Z");
    (*prompter)->expectWarn("Hatalı okunan stoklar mevcut!");
    (*prompter)->expectWarn("Aktarılacak sayım mevcut değil!");
    EXPECT_EQ(imp.sayimAktar(empty, fixture("count.csv"), 2), 0); // nothing below the books in warehouse 2
    EXPECT_TRUE(empty.lines().isEmpty());
}
