#include "SlipTestUtil.h"
#include "printing/ReportTextRenderer.h"
#include "stock/StokFisDokumu.h"

#include <QFile>

using namespace nimbo;
using namespace nimbo::test;

namespace {

// Compares with the reviewed file; NIMBO_UPDATE_GOLDEN=1 rewrites it for review.
void expectGolden(const QString& name, const QString& actual)
{
    const QString path = QStringLiteral(NIMBO_FIXTURES_DIR "/stock/") + name;
    if (qEnvironmentVariableIntValue("NIMBO_UPDATE_GOLDEN") == 1) {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(actual.toUtf8());
    }
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << path.toStdString();
    EXPECT_EQ(actual.toStdString(), QString::fromUtf8(f.readAll()).toStdString()) << "golden file " << path.toStdString();
}

class StokFisDokumuTest : public SlipTest {};

} // namespace

// A transfer prints its warehouses and state, no warehouse column, one row per line with the
// unit value and amount, "Fiş Toplamı", VAT and net, and the hand-over signatures; an
// opening slip prints each line's warehouse instead.
TEST_F(StokFisDokumuTest, TransferAndOpeningSlipMatchGoldenFile)
{
    db.exec("INSERT INTO CALISAN (ISCI_KOD, ISCI_ADI) VALUES ('P1', 'Ayşe Depocu')");
    const double a = saveItem(db, "VİDA-4", {{"STOK_ADI_TR", "Vida 4x40"}, {"KDV", 20}});
    const double b = saveItem(db, "SOMUN-8", {{"STOK_ADI_TR", "Somun M8"}, {"KDV", 20}});
    StokFisi t(db, "O");
    t.setHeader("TARIH", QDate(2026, 3, 12));
    t.setHeader("CIKDEPO", 1);
    t.setHeader("GIRDEPO", 2);
    t.setHeader("HRKDURUM", "T");
    t.setHeader("ACIKLAMA1", "Şubeye sevk");
    t.setLine(t.satirEkle(a, 120), "FYT_DOVIZ", 2.5);
    t.setLine(t.satirEkle(b, 40), "FYT_DOVIZ", 1.25);
    t.save();
    const double opening = slip("D", {{a, 10, 2.5}}, 2, QDate(2026, 1, 2));

    const QString text = ReportTextRenderer(StokFisDokumu::olustur(db, t.hrkNo())).render()
                         + QStringLiteral("\n=====\n")
                         + ReportTextRenderer(StokFisDokumu::olustur(db, opening)).render();
    // A fresh year numbers its slips alike on every engine.
    expectGolden(QStringLiteral("stok_fisi.txt"), text);
    EXPECT_THROW(StokFisDokumu::olustur(db, 999999), UserError);
}
