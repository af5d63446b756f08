#include "accounts/CariGruplar.h"
#include "accounts/forms/TFormCariBr.h"
#include "accounts/forms/TFormCariSakla.h"
#include "app/AllWindows.h"
#include "printing/forms/ReportOutput.h"
#include "db/DbTransaction.h"
#include "printing/ReportModel.h"
#include "services/SessionContext.h"
#include "support/WindowTest.h"
#include "widgets/CodeNameCard.h"
#include "model/CodeNameTable.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QTableWidget>
#include <QFile>
#include <QMenu>
#include <QTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QKeyEvent>
#include <QTest>

using namespace nimbo;
using namespace nimbo::test;

namespace {
class CariWindows : public WindowTest {
};
} // namespace

TEST_F(CariWindows, NewCardIsTypedCheckedSavedAndReadBack)
{
    TFormCariSakla f({});
    f.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&f));
    EXPECT_EQ(f.windowTitle(), QStringLiteral("Cari Kartı"));
    type(&f, QStringLiteral("EditCARI_KOD"), QStringLiteral("120.01.777 ÇİĞ"));
    type(&f, QStringLiteral("EditFIRMA_ADI"), QStringLiteral("Güneş Kırtasiye Ltd. Şti."));

    // The first empty required field stops the save and takes the cursor.
    (*prompter)->expectWarn(QStringLiteral("Lütfen Adres Bilgisini Giriniz."));
    QTest::mouseClick(child<QPushButton>(&f, QStringLiteral("BtnSAKLA")), Qt::LeftButton);
    EXPECT_TRUE(f.isVisible());
    EXPECT_EQ(QApplication::focusWidget(), f.findChild<QLineEdit*>(QStringLiteral("EditADRES_1")));
    type(&f, QStringLiteral("EditADRES_1"), QStringLiteral("Bağdat Cad. No:5"));
    type(&f, QStringLiteral("EditTEL1"), QStringLiteral("0216 111 22 33"));
    (*prompter)->expectWarn(QStringLiteral("Lütfen VD Bilgisini Giriniz."));
    QTest::mouseClick(child<QPushButton>(&f, QStringLiteral("BtnSAKLA")), Qt::LeftButton);
    EXPECT_EQ(QApplication::focusWidget(), f.findChild<QLineEdit*>(QStringLiteral("EditVD")));
    type(&f, QStringLiteral("EditVD"), QStringLiteral("Kadıköy"));
    type(&f, QStringLiteral("EditVN"), QStringLiteral("9876543210"));
    // Over-long text stops at the column's length.
    type(&f, QStringLiteral("EditPOSTAKODU"), QStringLiteral("34710-ÇOK-UZUN-POSTA-KODU"));
    EXPECT_EQ(child<QLineEdit>(&f, QStringLiteral("EditPOSTAKODU"))->text().size(), 15);
    QTest::mouseClick(child<QPushButton>(&f, QStringLiteral("BtnSAKLA")), Qt::LeftButton);
    EXPECT_EQ(f.result(), QDialog::Accepted);
    EXPECT_EQ(f.savedCode(), QStringLiteral("120.01.777 ÇİĞ"));

    const auto rows = db.records(QStringLiteral("SELECT FIRMA_ADI, ADRES_1, TEL1, VD, VN, POSTAKODU, PASIF, AKTARILDI "
                                                "FROM CARI WHERE CARI_KOD = :k"),
                                 {{QStringLiteral("k"), QStringLiteral("120.01.777 ÇİĞ")}});
    ASSERT_EQ(rows.size(), 1);
    EXPECT_EQ(sqlText(rows[0].value(0)), QStringLiteral("Güneş Kırtasiye Ltd. Şti."));
    EXPECT_EQ(sqlText(rows[0].value(1)), QStringLiteral("Bağdat Cad. No:5"));
    EXPECT_EQ(sqlText(rows[0].value(4)), QStringLiteral("9876543210"));
    EXPECT_EQ(sqlText(rows[0].value(5)), QStringLiteral("34710-ÇOK-UZUN-"));
    EXPECT_EQ(sqlText(rows[0].value(6)), QStringLiteral("A"));
    EXPECT_EQ(sqlText(rows[0].value(7)), QStringLiteral("H"));
}

TEST_F(CariWindows, LeavingCodeAndNameFieldsChecksTheCodeSpaceAndTheName)
{
    exec(QStringLiteral("INSERT INTO KASA (KASAKOD, ADI) VALUES ('MERKEZ', 'Merkez Kasa')"));
    exec(QStringLiteral("INSERT INTO CARI (CARI_KOD, FIRMA_ADI) VALUES ('120.01.001', 'Aynı Ad A.Ş.')"));
    TFormCariSakla f({});
    f.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&f));
    (*prompter)->expectWarn(QStringLiteral("Aynı Cari Kodu, Başka Bir Kayda İşlenmiş.!!!"));
    type(&f, QStringLiteral("EditCARI_KOD"), QStringLiteral("MERKEZ"));
    leave(&f, QStringLiteral("EditCARI_KOD"));
    EXPECT_EQ(child<QLineEdit>(&f, QStringLiteral("EditCARI_KOD"))->text(), QString());
    EXPECT_EQ(f.kart().text(QStringLiteral("CARI_KOD")), QString());

    // "Son Cari Kodu Getir" with prefix 120 proposes the greatest existing code.
    type(&f, QStringLiteral("EditCARI_KOD"), QStringLiteral("120"));
    QTest::mouseClick(child<QPushButton>(&f, QStringLiteral("BtnSONKOD")), Qt::LeftButton);
    EXPECT_EQ(child<QLineEdit>(&f, QStringLiteral("EditCARI_KOD"))->text(), QStringLiteral("120.01.001"));
    type(&f, QStringLiteral("EditCARI_KOD"), QStringLiteral("120.01.002"));
    leave(&f, QStringLiteral("EditCARI_KOD"));

    (*prompter)->expectWarn(QStringLiteral("Dikkat Aynı Firma Adı Başka Cari Kodlu bir Kayıda da Verilmiş."));
    type(&f, QStringLiteral("EditFIRMA_ADI"), QStringLiteral("Aynı Ad A.Ş."));
    leave(&f, QStringLiteral("EditFIRMA_ADI"));

    // Closing with unsaved changes asks; No drops them.
    (*prompter)->expectAsk(QStringLiteral("Kaydı Saklamak İstiyormusunuz?"), false);
    f.close();
    EXPECT_FALSE(f.isVisible());
    EXPECT_EQ(db.scalar(QStringLiteral("SELECT COUNT(*) FROM CARI")).toInt(), 1);
}

TEST_F(CariWindows, RetypingTheOwnNameOfACodeWithALeadingBlankIsNoSameNameWarning)
{
    // A code keeps a leading blank as typed; the card's own row is not "another account"
    // when the user types its name again.
    exec(QStringLiteral("INSERT INTO CARI (CARI_KOD, FIRMA_ADI) VALUES (' 320.5', 'Kenar Boşluklu Ltd.')"));
    {
        TFormCariSakla f(QStringLiteral(" 320.5"));
        f.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&f));
        type(&f, QStringLiteral("EditFIRMA_ADI"), QStringLiteral("Kenar Boşluklu Ltd."));
        leave(&f, QStringLiteral("EditFIRMA_ADI"));
        EXPECT_TRUE((*prompter)->shown().isEmpty()) << (*prompter)->shown().join(u'|').toStdString();
    }
    // The same name under the code without the blank is another account: then it warns.
    exec(QStringLiteral("INSERT INTO CARI (CARI_KOD, FIRMA_ADI) VALUES ('320.5', 'Kenar Boşluklu Ltd.')"));
    TFormCariSakla g(QStringLiteral(" 320.5"));
    g.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&g));
    (*prompter)->expectWarn(QStringLiteral("Dikkat Aynı Firma Adı Başka Cari Kodlu bir Kayıda da Verilmiş."));
    type(&g, QStringLiteral("EditFIRMA_ADI"), QStringLiteral("Kenar Boşluklu Ltd."));
    leave(&g, QStringLiteral("EditFIRMA_ADI"));
}

TEST_F(CariWindows, OverLongAndOutOfRangeInputStopsInTheEditor)
{
    TFormCariSakla f({});
    f.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&f));
    const QString uzun = QStringLiteral("ÇOKUZUNİŞLEMKODUĞÜŞÖÇ0123456789");
    type(&f, QStringLiteral("EditCARI_KOD"), uzun);
    EXPECT_EQ(f.kart().text(QStringLiteral("CARI_KOD")), uzun.left(22));
    type(&f, QStringLiteral("EditFIRMA_ADI"), uzun + uzun + uzun);
    EXPECT_EQ(f.kart().text(QStringLiteral("FIRMA_ADI")).size(), 65);
    type(&f, QStringLiteral("EditTEL1"), QStringLiteral("0 212 555 12 12 / 104"));
    EXPECT_EQ(f.kart().text(QStringLiteral("TEL1")), QStringLiteral("0 212 555 12 12 /"));
    type(&f, QStringLiteral("EditTCKIMLIKNO"), QStringLiteral("123456789012345"));
    EXPECT_EQ(f.kart().text(QStringLiteral("TCKIMLIKNO")), QStringLiteral("12345678901"));
    // The invoice-bottom discount stays below 100 with two decimals.
    type(&f, QStringLiteral("EditFAT_ISK"), QStringLiteral("150"));
    EXPECT_EQ(f.kart().value(QStringLiteral("FAT_ISK")).toDouble(), 15.0);
    type(&f, QStringLiteral("EditFAT_ISK"), QStringLiteral("99,999"));
    EXPECT_DOUBLE_EQ(f.kart().value(QStringLiteral("FAT_ISK")).toDouble(), 99.99);
    (*prompter)->expectAsk(QStringLiteral("Kaydı Saklamak İstiyormusunuz?"), false);
    f.close();
}

TEST_F(CariWindows, EditModeFixesTheCodeAndRightsMakeFieldsReadOnly)
{
    exec(QStringLiteral("INSERT INTO CARI (CARI_KOD, FIRMA_ADI, MAKSVADEGUN) VALUES ('C1', 'Bir', 30)"));
    SessionContext::current().setHak(QStringLiteral("CRISK"), QStringLiteral("O"));
    {
        TFormCariSakla f(QStringLiteral("C1"));
        f.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&f));
        EXPECT_TRUE(child<QLineEdit>(&f, QStringLiteral("EditCARI_KOD"))->isReadOnly());
        EXPECT_FALSE(child<QPushButton>(&f, QStringLiteral("BtnSONKOD"))->isVisible());
        EXPECT_EQ(QApplication::focusWidget(), f.findChild<QLineEdit*>(QStringLiteral("EditFIRMA_ADI")));
        for (const char* ro : {"EditMAKSVADEGUN", "EditRISK_LIMITI", "EditFAT_ISK"})
            EXPECT_TRUE(child<QLineEdit>(&f, QString::fromLatin1(ro))->isReadOnly()) << ro;
        EXPECT_FALSE(child<QLineEdit>(&f, QStringLiteral("EditFIRMA_ADI"))->isReadOnly());
        EXPECT_EQ(child<QLineEdit>(&f, QStringLiteral("EditMAKSVADEGUN"))->text(), QStringLiteral("30"));
    }
    SessionContext::current().setHak(QStringLiteral("CRISK"), QStringLiteral("H"));
    SessionContext::current().setHak(QStringLiteral("CARIKDUZEL"), QStringLiteral("O"));
    TFormCariSakla f(QStringLiteral("C1"));
    f.show();
    for (const char* ro : {"EditFIRMA_ADI", "EditADRES_1", "EditRISK_LIMITI", "EditMUH_KOD"})
        EXPECT_TRUE(child<QLineEdit>(&f, QString::fromLatin1(ro))->isReadOnly()) << ro;
    EXPECT_FALSE(child<QComboBox>(&f, QStringLiteral("CmbANA_GRUP"))->isEnabled());
}

TEST_F(CariWindows, CardGroupListsNarrowByTheChosenLevel)
{
    exec(QStringLiteral("INSERT INTO CANAGRUP (GRUP_ADI) VALUES ('MÜŞTERİLER')"));
    exec(QStringLiteral("INSERT INTO CANAGRUP (GRUP_ADI) VALUES ('TEDARİKÇİLER')"));
    const int m = db.scalar(QStringLiteral("SELECT KODU FROM CANAGRUP WHERE GRUP_ADI = 'MÜŞTERİLER'")).toInt();
    const int t = db.scalar(QStringLiteral("SELECT KODU FROM CANAGRUP WHERE GRUP_ADI = 'TEDARİKÇİLER'")).toInt();
    exec(QStringLiteral("INSERT INTO CARIGRUP (GRUP_KOD, GRUP_ADI, KODU) VALUES ('PER', 'Perakende', :m), "
                        "('TOP', 'Toptan', :m), ('HAM', 'Hammadde', :t)"),
         {{QStringLiteral("m"), m}, {QStringLiteral("t"), t}});
    exec(QStringLiteral("INSERT INTO CALTGRUP (KODU, GRUP_KOD, GRUP_ADI) VALUES ('P1', 'PER', 'Mağaza'), "
                        "('T1', 'TOP', 'Market')"));
    TFormCariSakla f({});
    f.show();
    auto* ana = child<QComboBox>(&f, QStringLiteral("CmbANA_GRUP"));
    auto* grup = child<QComboBox>(&f, QStringLiteral("CmbCARI_GRP_KOD"));
    auto* alt = child<QComboBox>(&f, QStringLiteral("CmbALT_GRUP"));
    EXPECT_EQ(grup->count(), 4) << "all groups and the empty choice";
    ana->setCurrentIndex(ana->findText(QStringLiteral("MÜŞTERİLER")));
    EXPECT_EQ(grup->count(), 3);
    grup->setCurrentIndex(grup->findText(QStringLiteral("Toptan")));
    EXPECT_EQ(f.kart().text(QStringLiteral("CARI_GRP_KOD")), QStringLiteral("TOP"));
    ASSERT_EQ(alt->count(), 2);
    alt->setCurrentIndex(1);
    EXPECT_EQ(f.kart().text(QStringLiteral("ALT_GRUP")), QStringLiteral("T1"));
    ana->setCurrentIndex(ana->findText(QStringLiteral("TEDARİKÇİLER")));
    EXPECT_EQ(f.kart().value(QStringLiteral("ANA_GRUP")).toInt(), t);
    EXPECT_EQ(f.kart().text(QStringLiteral("CARI_GRP_KOD")), QString());
    EXPECT_EQ(f.kart().text(QStringLiteral("ALT_GRUP")), QString());
    EXPECT_EQ(grup->count(), 2);
    EXPECT_EQ(grup->itemText(1), QStringLiteral("Hammadde"));
    (*prompter)->expectAsk(QStringLiteral("Kaydı Saklamak İstiyormusunuz?"), false);
    f.close();
}

TEST_F(CariWindows, ListFiltersSearchesAndShowsTheRowTotals)
{
    exec(QStringLiteral("INSERT INTO CARI (CARI_KOD, FIRMA_ADI, ILI, PASIF) VALUES ('A1', 'Ankara Ltd', 'ANKARA', 'A'), "
                        "('B1', 'Bursa Ltd', 'BURSA', 'P'), ('B2', 'Bursa İkinci', 'BURSA', 'A')"));
    exec(QStringLiteral("INSERT INTO FINHRK (KODU, BORC, ALACAK, BORC_DVZ, ALACAK_DVZ, DOVIZ_KODU) VALUES "
                        "('B1', 250, 0, 250, 0, 'TL'), ('B1', 0, 20, 0, 1, 'USD')"));
    TFormCariBr w;
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    EXPECT_EQ(w.rowCount(), 3);
    EXPECT_EQ(w.currentKey().toString(), QStringLiteral("A1"));
    EXPECT_EQ(child<QLabel>(&w, QStringLiteral("LblBAKIYE"))->text(), QStringLiteral("---   "));

    auto* grid = child<QTableView>(&w, QStringLiteral("Grid"));
    grid->setCurrentIndex(grid->model()->index(1, 0));
    EXPECT_EQ(w.currentKey().toString(), QStringLiteral("B1"));
    EXPECT_EQ(grid->model()->index(1, 8).data().toString(), QStringLiteral("Pasif"));
    EXPECT_EQ(child<QLabel>(&w, QStringLiteral("LblBORC"))->text(), QStringLiteral("250,00"));
    EXPECT_EQ(child<QLabel>(&w, QStringLiteral("LblBAKIYE"))->text(), QStringLiteral("230,00 (B)"));
    EXPECT_TRUE(child<QLabel>(&w, QStringLiteral("LblDOVIZTOPLAM"))->text().contains(QStringLiteral("USD")));

    auto* durum = child<QComboBox>(&w, QStringLiteral("CmbDURUM"));
    durum->setCurrentIndex(durum->findText(QStringLiteral("Aktif")));
    auto* il = child<QComboBox>(&w, QStringLiteral("CmbIL"));
    exec(QStringLiteral("INSERT INTO SEHIR (SEHIR_KODU, SEHIR_ADI) VALUES (16, 'BURSA')"));
    il->addItem(QStringLiteral("BURSA"), 16);
    il->setCurrentIndex(il->findText(QStringLiteral("BURSA")));
    QTest::mouseClick(child<QPushButton>(&w, QStringLiteral("BtnFILTRELE")), Qt::LeftButton);
    EXPECT_EQ(w.rowCount(), 1);
    EXPECT_EQ(w.currentKey().toString(), QStringLiteral("B2"));

    durum->setCurrentIndex(0);
    il->setCurrentIndex(0);
    auto* field = child<QComboBox>(&w, QStringLiteral("CmbARANAN"));
    field->setCurrentIndex(field->findText(QStringLiteral("Cari Adı")));
    auto* search = child<QLineEdit>(&w, QStringLiteral("EditARANAN"));
    search->setFocus();
    keys(search, QStringLiteral("Bursa"));
    QTest::keyClick(search, Qt::Key_Return);
    EXPECT_EQ(w.rowCount(), 2);
    EXPECT_EQ(w.report().rows.size(), 2) << "the printed list follows the filter";
}

TEST_F(CariWindows, GroupCardsRunTheirChecksInOrder)
{
    exec(QStringLiteral("INSERT INTO CANAGRUP (GRUP_ADI) VALUES ('MÜŞTERİLER')"));
    exec(QStringLiteral("INSERT INTO CARIGRUP (GRUP_KOD, GRUP_ADI, KODU) VALUES ('TOP', 'Toptan', 1)"));
    const CodeNameTable groups(db, cariGrupDef());
    CodeNameCard c(groups, {});
    c.show();
    (*prompter)->expectWarn(QStringLiteral("Ana Grup Adı Bilgisini Vermeden Kayıt Saklanamaz."));
    QTest::mouseClick(child<QPushButton>(&c, QStringLiteral("BtnSAKLA")), Qt::LeftButton);
    auto* ana = c.findChild<QComboBox*>();
    ASSERT_NE(ana, nullptr);
    ana->setCurrentIndex(1);
    (*prompter)->expectWarn(QStringLiteral("Grup Kodu Bilgisini Vermeden Kayıt Saklanamaz."));
    QTest::mouseClick(child<QPushButton>(&c, QStringLiteral("BtnSAKLA")), Qt::LeftButton);
    type(&c, QStringLiteral("EditGRUP_KOD"), QStringLiteral("TOPXXXX"));
    EXPECT_EQ(child<QLineEdit>(&c, QStringLiteral("EditGRUP_KOD"))->text(), QStringLiteral("TOPXX"));
    type(&c, QStringLiteral("EditGRUP_KOD"), QStringLiteral("TOP"));
    (*prompter)->expectWarn(QStringLiteral("Grup Adı Bilgisini Vermeden Kayıt Saklanamaz."));
    QTest::mouseClick(child<QPushButton>(&c, QStringLiteral("BtnSAKLA")), Qt::LeftButton);
    type(&c, QStringLiteral("EditGRUP_ADI"), QStringLiteral("Toptan 2"));
    (*prompter)->expectWarn(QStringLiteral("Aynı Kodlu Kayıt Bulunmakta."));
    QTest::mouseClick(child<QPushButton>(&c, QStringLiteral("BtnSAKLA")), Qt::LeftButton);
    type(&c, QStringLiteral("EditGRUP_KOD"), QStringLiteral("TO2"));
    QTest::mouseClick(child<QPushButton>(&c, QStringLiteral("BtnSAKLA")), Qt::LeftButton);
    EXPECT_EQ(c.result(), QDialog::Accepted);
    EXPECT_EQ(sqlText(db.scalar(QStringLiteral("SELECT GRUP_ADI FROM CARIGRUP WHERE GRUP_KOD = 'TO2'"))),
              QStringLiteral("Toptan 2"));

    // A subgroup: main group (only narrows), group, code, name.
    const CodeNameTable subs(db, cariAltGrupDef());
    CodeNameCard s(subs, {});
    s.show();
    (*prompter)->expectWarn(QStringLiteral("Ana Grup Seçmeden Kayıt Saklanamaz."));
    QTest::mouseClick(child<QPushButton>(&s, QStringLiteral("BtnSAKLA")), Qt::LeftButton);
    const QList<QComboBox*> boxes = s.findChildren<QComboBox*>();
    ASSERT_EQ(boxes.size(), 2);
    boxes[0]->setCurrentIndex(1);
    EXPECT_EQ(boxes[1]->count(), 3) << "the two groups of that main group";
    (*prompter)->expectWarn(QStringLiteral("Grup Adı Bilgisini Vermeden Kayıt Saklanamaz."));
    QTest::mouseClick(child<QPushButton>(&s, QStringLiteral("BtnSAKLA")), Qt::LeftButton);
    boxes[1]->setCurrentIndex(boxes[1]->findText(QStringLiteral("Toptan 2")));
    (*prompter)->expectWarn(QStringLiteral("Alt Grup Kodu Bilgisini Vermeden Kayıt Saklanamaz."));
    QTest::mouseClick(child<QPushButton>(&s, QStringLiteral("BtnSAKLA")), Qt::LeftButton);
    type(&s, QStringLiteral("EditKODU"), QStringLiteral("T21"));
    (*prompter)->expectWarn(QStringLiteral("Alt Grup Adı Bilgisini Vermeden Kayıt Saklanamaz."));
    QTest::mouseClick(child<QPushButton>(&s, QStringLiteral("BtnSAKLA")), Qt::LeftButton);
    type(&s, QStringLiteral("EditGRUP_ADI"), QStringLiteral("Zincir"));
    QTest::mouseClick(child<QPushButton>(&s, QStringLiteral("BtnSAKLA")), Qt::LeftButton);
    EXPECT_EQ(sqlText(db.scalar(QStringLiteral("SELECT GRUP_KOD FROM CALTGRUP WHERE KODU = 'T21'"))),
              QStringLiteral("TO2"));
}

TEST_F(CariWindows, ListPreviewsAndExportsThroughTheReportEngine)
{
    registerAllWindows(); // the printing subsystem routes list printing to the report engine
    exec(QStringLiteral("INSERT INTO CARI (CARI_KOD, FIRMA_ADI, ILI, PASIF) VALUES ('A1', 'Ankara Ltd', 'ANKARA', 'A'), "
                        "('B1', 'Bursa Ltd', 'BURSA', 'P')"));
    const ReportOutput::Hooks saved = ReportOutput::hooks();
    int previews = 0;
    const QString file = TestEnv::tempDir() + QStringLiteral("/cari-liste.txt");
    QFile::remove(file);
    ReportOutput::hooks().preview = [&](QPrintPreviewDialog&) { ++previews; };
    ReportOutput::hooks().saveFileName = [&](QWidget*, const QString&, const QString&) { return file; };

    TFormCariBr w;
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    QTest::mouseClick(child<QPushButton>(&w, QStringLiteral("BtnYAZDIR")), Qt::LeftButton);
    EXPECT_EQ(previews, 1);

    // "Aktar" offers the outputs in a menu; the user picks the text file.
    QTimer::singleShot(0, [] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr);
        for (QAction* a : menu->actions())
            if (a->data().toString() == QLatin1String("Text")) {
                menu->close();
                a->trigger();
                return;
            }
        ADD_FAILURE() << "no text output in the menu";
        menu->close();
    });
    QTest::mouseClick(child<QPushButton>(&w, QStringLiteral("BtnAKTAR")), Qt::LeftButton);
    ReportOutput::hooks() = saved;
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << "nothing was exported";
    const QString text = QString::fromUtf8(f.readAll());
    EXPECT_TRUE(text.contains(QStringLiteral("Cari Kayıtlar")));
    EXPECT_TRUE(text.contains(QStringLiteral("Bursa Ltd")));
    EXPECT_TRUE(text.contains(QStringLiteral("Pasif"))) << "the list shows the state as text";
}

// "Riski Uyar" is stored in RISKRITER as "E"/"H" and the criterion list follows it; a bank row
// whose date cannot be read stops the save with a message instead of losing the date.
TEST_F(CariWindows, RiskWarningBoxAndBankRowsAreStoredOrRefused)
{
    TFormCariSakla f({});
    f.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&f));
    type(&f, QStringLiteral("EditCARI_KOD"), QStringLiteral("R1"));
    type(&f, QStringLiteral("EditFIRMA_ADI"), QStringLiteral("Riskli Ticaret"));
    type(&f, QStringLiteral("EditADRES_1"), QStringLiteral("Adres"));
    type(&f, QStringLiteral("EditTEL1"), QStringLiteral("1"));
    type(&f, QStringLiteral("EditVD"), QStringLiteral("Konak"));
    type(&f, QStringLiteral("EditVN"), QStringLiteral("2"));
    auto* uyar = child<QCheckBox>(&f, QStringLiteral("ChkRISKIUYAR"));
    auto* kriter = child<QComboBox>(&f, QStringLiteral("CmbRISKRITER"));
    EXPECT_FALSE(uyar->isChecked()); // a new card starts on "Kontrol Yok"
    uyar->click();
    EXPECT_EQ(f.kart().text(QStringLiteral("RISKRITER")), QStringLiteral("E"));
    EXPECT_EQ(kriter->currentIndex(), -1);

    QTest::mouseClick(child<QPushButton>(&f, QStringLiteral("BtnBANKAEKLE")), Qt::LeftButton);
    auto* grid = child<QTableWidget>(&f, QStringLiteral("GridBANKA"));
    ASSERT_EQ(grid->rowCount(), 1);
    grid->setItem(0, 0, new QTableWidgetItem(QStringLiteral("ZİRAAT")));
    grid->setItem(0, 2, new QTableWidgetItem(QStringLiteral("1.500,25")));
    (*prompter)->expectWarn(QStringLiteral("Bankalar 1. satır: Vade tarihi (gg.aa.yyyy) okunamadı (\"31.02.2026\")."));
    grid->setItem(0, 3, new QTableWidgetItem(QStringLiteral("31.02.2026")));
    (*prompter)->expectWarn(QStringLiteral("Bankalar 1. satır: Vade tarihi (gg.aa.yyyy) okunamadı (\"31.02.2026\")."));
    QTest::mouseClick(child<QPushButton>(&f, QStringLiteral("BtnSAKLA")), Qt::LeftButton);
    EXPECT_TRUE(f.isVisible());
    EXPECT_FALSE(db.any(QStringLiteral("SELECT 1 FROM CARI WHERE CARI_KOD = 'R1'")));

    grid->item(0, 3)->setText(QStringLiteral("28.2.2026"));
    QTest::mouseClick(child<QPushButton>(&f, QStringLiteral("BtnSAKLA")), Qt::LeftButton);
    EXPECT_EQ(f.result(), QDialog::Accepted);
    EXPECT_EQ(sqlText(db.scalar(QStringLiteral("SELECT RISKRITER FROM CARI WHERE CARI_KOD = 'R1'"))), QStringLiteral("E"));
    const auto banks = db.records(QStringLiteral("SELECT BANKA_KOD, TEM_TUTAR, VADE_TAR FROM CARIBANKA WHERE CARI_KOD = 'R1'"));
    ASSERT_EQ(banks.size(), 1);
    EXPECT_DOUBLE_EQ(banks[0].value(1).toDouble(), 1500.25);
    EXPECT_EQ(toDate(banks[0].value(2)), QDate(2026, 2, 28));

    // Reopened, the box is ticked; choosing a criterion unticks it.
    TFormCariSakla g(QStringLiteral("R1"));
    auto* uyar2 = child<QCheckBox>(&g, QStringLiteral("ChkRISKIUYAR"));
    EXPECT_TRUE(uyar2->isChecked());
    child<QComboBox>(&g, QStringLiteral("CmbRISKRITER"))->setCurrentIndex(1);
    EXPECT_EQ(g.kart().text(QStringLiteral("RISKRITER")), QStringLiteral("B"));
    EXPECT_FALSE(uyar2->isChecked());
    uyar2->click();
    uyar2->click();
    EXPECT_EQ(g.kart().text(QStringLiteral("RISKRITER")), QStringLiteral("H"));
}
