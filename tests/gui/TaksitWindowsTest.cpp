#include "app/AllWindows.h"
#include "finance/forms/TFormTaksit.h"
#include "support/WindowTest.h"
#include "trade/SatisBelgesi.h"
#include "trade/forms/TFormSatisA.h"
#include "widgets/WindowRegistry.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QTableWidget>
#include <QTimer>

using namespace nimbo;
using namespace nimbo::test;

namespace {

// "Taksitlendirme" opened from a sale's instalment button, and on its own.
class TaksitWindows : public WindowTest {
protected:
    const QDate fatarih{2027, 1, 10};

    void SetUp() override
    {
        WindowTest::SetUp();
        SessionContext& s = SessionContext::current();
        s.param.YERELDOVIZ = "TL";
        s.param.RDOVIZ1 = "USD";
        s.param.RDOVIZ2 = "EUR";
        for (const char* d : {"TL", "USD", "EUR"}) {
            exec("INSERT INTO DOVIZ (DOVIZ_KODU, DOVIZ_ADI) VALUES (:d, :d)", {{"d", d}});
            s.dovizler << PickItem{d, d};
        }
        exec("INSERT INTO CARI (CARI_KOD, FIRMA_ADI) VALUES ('120.01.001', 'Güneş Kırtasiye')");
        exec("INSERT INTO DEPO (DEPO_KODU, DEPO_ADI) VALUES (1, 'Merkez Depo')");
        s.depolar << PickItem{"Merkez Depo", 1};
        exec("INSERT INTO STOK (STOK_NO, STOK_KOD_NO, STOK_ADI_TR, BIRIM1, KDV, KDV_DAHIL, DOVIZ_KODU, SAT_SKFYT_TL, "
             "SAT_SKFYT_DOVIZ) VALUES (1, 'DLP-01', 'Dolap', 'ADET', 0, 'H', 'TL', 1000, 1000)");
    }

    // Drives the plan window the instalment button opens, then presses one of its buttons.
    static void planPenceresi(const std::function<void(TFormTaksit*)>& yap)
    {
        QTimer::singleShot(0, [yap] {
            auto* f = qobject_cast<TFormTaksit*>(QApplication::activeModalWidget());
            ASSERT_NE(f, nullptr);
            yap(f);
        });
    }
    static void tarihYaz(QWidget* w, const QString& name, const QDate& d) { child<QDateEdit>(w, name)->setDate(d); }
    static QList<QDate> vadeler(QTableWidget* t)
    {
        QList<QDate> d;
        for (int r = 0; r < t->rowCount(); ++r)
            d << QDate::fromString(t->item(r, 1)->text(), "dd.MM.yyyy");
        return d;
    }
    QList<QDate> kayitliVadeler(double no)
    {
        QList<QDate> d;
        for (const QSqlRecord& r : db.records("SELECT ODE_TRH FROM TAKSITS WHERE SATIS_NO=:N ORDER BY SIRANO", {{"N", no}}))
            d << toDate(r.value(0));
        return d;
    }
};

} // namespace

TEST_F(TaksitWindows, SaleInstalmentButtonBuildsThePlanAndTheSaveWritesIt)
{
    auto f = std::make_unique<TFormSatisA>();
    f->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(f.get()));
    auto* tip = child<QComboBox>(f.get(), "CmbTIP");
    tip->setCurrentIndex(tip->findData("F"));
    type(f.get(), "EditCARIKOD", "120.01.001");
    leave(f.get(), "EditCARIKOD");
    type(f.get(), "EditFAT_NO", "T000001");
    leave(f.get(), "EditFAT_NO");
    tarihYaz(f.get(), "EditFATARIH", fatarih);
    auto* odeme = child<QComboBox>(f.get(), "CmbODE_TIP");
    odeme->setCurrentIndex(odeme->findData("T"));
    type(f.get(), "EditSTOKGIR", "DLP-01");
    QTest::keyClick(child<QLineEdit>(f.get(), "EditSTOKGIR"), Qt::Key_Return);
    ASSERT_EQ(f->lineGrid()->lineModel()->rowCount(), 1);

    // 1000 in four from 31 January, month-end: the grid shows the plan as it is typed.
    planPenceresi([this](TFormTaksit* t) {
        EXPECT_EQ(child<QLineEdit>(t, "EditSATIS_TUTARI")->text(), QStringLiteral("1.000,00"));
        EXPECT_TRUE(child<QLineEdit>(t, "EditSATIS_TUTARI")->isReadOnly());
        EXPECT_EQ(child<QDateEdit>(t, "EditPESINAT_TRH")->date(), fatarih);
        tarihYaz(t, "EditILK_VADE", {2027, 1, 31});
        child<QCheckBox>(t, "ChkAY_SONU")->setChecked(true);
        type(t, "EditTAKSIT_SAYISI", "4");
        EXPECT_EQ(child<QLineEdit>(t, "EditTAKSIT_TUTARI")->text(), QStringLiteral("250,00"));
        EXPECT_EQ(vadeler(child<QTableWidget>(t, "GrdTAKSIT")),
                  (QList<QDate>{{2027, 1, 31}, {2027, 2, 28}, {2027, 3, 31}, {2027, 4, 30}}));
        click(t, "BtnTAMAM");
    });
    click(f.get(), "BitBtnTAKSIT");
    EXPECT_EQ(f->belge().header("TAKSITSAY").toInt(), 4);

    (*prompter)->expectWarn("Farklı Tarih de İşlem Yapıyorsunuz !");
    (*prompter)->expectAsk("Muhasebe Kaydı Yapılsın mı?", false);
    (*prompter)->expectAsk("Fatura Kesilsin mi?", false);
    click(f.get(), "BtnSAKLA");
    const double no = db.scalar("SELECT MAX(SATIS_NO) FROM SATIS").toDouble();
    ASSERT_GT(no, 0);
    EXPECT_EQ(kayitliVadeler(no), (QList<QDate>{{2027, 1, 31}, {2027, 2, 28}, {2027, 3, 31}, {2027, 4, 30}}));
    EXPECT_DOUBLE_EQ(db.scalar("SELECT SUM(ODEME_TUT) FROM TAKSITS WHERE SATIS_NO=:N", {{"N", no}}).toDouble(), 1000);
    f.reset();

    // Reopened: the window starts from the stored plan; 300 down and two instalments replace it.
    auto g = std::make_unique<TFormSatisA>(no);
    g->show();
    planPenceresi([](TFormTaksit* t) {
        EXPECT_EQ(child<QLineEdit>(t, "EditTAKSIT_SAYISI")->text(), QStringLiteral("4"));
        EXPECT_TRUE(child<QCheckBox>(t, "ChkAY_SONU")->isChecked());
        EXPECT_EQ(child<QTableWidget>(t, "GrdTAKSIT")->rowCount(), 4);
        type(t, "EditPESINAT", "300");
        type(t, "EditTAKSIT_SAYISI", "2");
        EXPECT_EQ(child<QLineEdit>(t, "EditKALAN")->text(), QStringLiteral("700,00"));
        click(t, "BtnTAMAM");
    });
    click(g.get(), "BitBtnTAKSIT");
    (*prompter)->expectWarn("Farklı Tarih de İşlem Yapıyorsunuz !");
    (*prompter)->expectAsk("Muhasebe Kaydı Yapılsın mı?", false);
    (*prompter)->expectAsk("Fatura Kesilsin mi?", false);
    click(g.get(), "BtnSAKLA");
    EXPECT_EQ(kayitliVadeler(no), (QList<QDate>{{2027, 1, 31}, {2027, 2, 28}}));
    EXPECT_DOUBLE_EQ(db.scalar("SELECT SUM(ODEME_TUT) FROM TAKSITS WHERE SATIS_NO=:N", {{"N", no}}).toDouble(), 700);
    EXPECT_EQ(db.scalar("SELECT TAKSITSAY FROM SATIS WHERE SATIS_NO=:N", {{"N", no}}).toInt(), 2);
    g.reset();

    // By name alone the window shows the latest plan and changes nothing.
    registerAllWindows();
    const WindowEntry* e = WindowRegistry::instance().byCaption("Taksitlendirme");
    ASSERT_NE(e, nullptr);
    std::unique_ptr<QWidget> w(e->create(nullptr, {}));
    auto* goster = qobject_cast<TFormTaksit*>(w.get());
    ASSERT_NE(goster, nullptr);
    EXPECT_EQ(child<QTableWidget>(goster, "GrdTAKSIT")->rowCount(), 2);
    EXPECT_FALSE(child<QPushButton>(goster, "BtnTAMAM")->isVisibleTo(goster));
    EXPECT_FALSE(child<QLineEdit>(goster, "EditPESINAT")->isEnabled());
}

TEST_F(TaksitWindows, BadPlansStayInTheWindowWithTheirMessageAndAHandMadePlanIsTaken)
{
    SatisBelgesi b(db);
    b.setHeader("CARIKOD", "120.01.001");
    b.setHeader("FATARIH", fatarih);
    b.setLine(b.stokEkle(1), "MIKTAR", 1.0);
    ASSERT_NEAR(b.headerNumber("NETTUT"), 1000, 1e-9);
    TFormTaksit t(b.taksit(), b.taksitGirdisi(),
                  [&b](const TaksitPlanGirdisi& g, const QList<QVariantMap>& r) { b.setTaksitPlani(g, r); });
    t.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&t));

    (*prompter)->expectWarn("Taksit Sayısı Sıfırdan Büyük Olmalı!");
    click(&t, "BtnTAMAM");
    EXPECT_NE(t.result(), int(QDialog::Accepted));
    type(&t, "EditTAKSIT_SAYISI", "2");
    type(&t, "EditPESINAT", "-100");
    (*prompter)->expectWarn("Peşinat Tutarı Sıfırdan Küçük Olamaz!");
    click(&t, "BtnTAMAM");
    EXPECT_TRUE(b.taksit().taksitler().isEmpty());

    // By hand: 400 and 600 after a down payment of 0, the second a week later than planned.
    type(&t, "EditPESINAT", "0");
    auto* tip = child<QComboBox>(&t, "CmbTAKSIT_TIPI");
    tip->setCurrentIndex(tip->findText("Manuel"));
    auto* grid = child<QTableWidget>(&t, "GrdTAKSIT");
    ASSERT_EQ(grid->rowCount(), 2);
    grid->item(0, 2)->setText("400");
    (*prompter)->expectWarn("Taksitten Sonra Kalan Tutar Olmamalı!");
    click(&t, "BtnTAMAM");
    EXPECT_TRUE(b.taksit().taksitler().isEmpty());
    grid->item(1, 2)->setText("600,00");
    grid->item(1, 1)->setText("17.03.2027");
    click(&t, "BtnTAMAM");
    EXPECT_EQ(t.result(), int(QDialog::Accepted));
    const QList<QVariantMap>& plan = b.taksit().taksitler();
    ASSERT_EQ(plan.size(), 2);
    EXPECT_DOUBLE_EQ(plan[0].value("ODEME_TUT").toDouble(), 400);
    EXPECT_DOUBLE_EQ(plan[1].value("ODEME_TUT").toDouble(), 600);
    EXPECT_EQ(toDate(plan[1].value("ODE_TRH")), QDate(2027, 3, 17));
    EXPECT_EQ(b.headerText("ODE_TIP"), QStringLiteral("T"));
    EXPECT_EQ(b.header("TAKSITSAY").toInt(), 2);
}
