#include "db/DbTransaction.h"
#include "printing/PageSetupStore.h"
#include "printing/PaperSizes.h"
#include "printing/TemplateStore.h"
#include "printing/forms/ListWindowPrinting.h"
#include "printing/forms/ReportMenuButton.h"
#include "printing/forms/ReportOutput.h"
#include "printing/forms/SayfaAyarla.h"
#include "printing/forms/SayfaYazdir.h"
#include "printing/forms/TemplateDesigner.h"
#include "printing/forms/TFormSayfaAyarBr.h"
#include "accounts/forms/TFormCariBr.h"
#include "services/forms/TFormDovizBr.h"
#include "support/TestEnv.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QPageLayout>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStandardItemModel>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

using namespace nimbo;
using namespace nimbo::test;

namespace {

// Replaces the file, preview and printer dialogs for one test and records what they saw.
class PrintingWindows : public YearDbTest {
protected:
    void SetUp() override
    {
        YearDbTest::SetUp();
        loginAs(QStringLiteral("TEST"));
        saved = ReportOutput::hooks();
        dir = TestEnv::tempDir() + QStringLiteral("/out_") +
              QString::fromLatin1(::testing::UnitTest::GetInstance()->current_test_info()->name());
        QDir(dir).removeRecursively();
        QDir().mkpath(dir);
        ReportOutput::hooks().saveFileName = [this](QWidget*, const QString& title, const QString& ext) {
            titles << title;
            extensions << ext;
            return answerFile.isEmpty() ? QString() : dir + QLatin1Char('/') + answerFile;
        };
        ReportOutput::hooks().preview = [this](QPrintPreviewDialog& dlg) {
            auto* w = dlg.findChild<QPrintPreviewWidget*>();
            ASSERT_NE(w, nullptr);
            w->updatePreview();
            previewPages = w->pageCount();
            previewLandscape = dlg.printer()->pageLayout().orientation() == QPageLayout::Landscape;
            previewPaper = dlg.printer()->pageLayout().pageSize().size(QPageSize::Millimeter);
            keep(QStringLiteral("preview.png"), [&](const QString& f) {
                dlg.resize(900, 1000);
                dlg.show();
                QApplication::processEvents();
                dlg.grab().save(f);
                dlg.hide();
            });
        };
        ReportOutput::hooks().choosePrinter = [this](QPrinter& p, QWidget*) {
            printerPaper = p.pageLayout().pageSize().size(QPageSize::Millimeter);
            return false; // no printer on this machine: stop after the paper is set
        };
    }
    void TearDown() override
    {
        ReportOutput::hooks() = saved;
        YearDbTest::TearDown();
    }
    // NIMBO_KEEP_PRINT_OUTPUT=folder keeps a copy of what the test produced, to look at.
    static void keep(const QString& name, const std::function<void(const QString&)>& write)
    {
        const QString to = qEnvironmentVariable("NIMBO_KEEP_PRINT_OUTPUT");
        if (!to.isEmpty()) {
            QDir().mkpath(to);
            write(to + QLatin1Char('/') + name);
        }
    }
    static void keepFile(const QString& path)
    {
        keep(QFileInfo(path).fileName(), [&](const QString& f) {
            QFile::remove(f);
            QFile::copy(path, f);
        });
    }
    void addCurrencies(int n)
    {
        DbTransaction tx(db);
        for (int i = 0; i < n; ++i)
            db.exec(QStringLiteral("INSERT INTO DOVIZ (DOVIZ_KODU, DOVIZ_ADI, AKTIF) VALUES (:K, :A, :F)"),
                    {{"K", QStringLiteral("D%1").arg(i, 3, 10, QLatin1Char('0'))},
                     {"A", QStringLiteral("Döviz %1 ĞÜŞİÖÇ ığüşöç").arg(i)},
                     {"F", i % 4 ? QStringLiteral("E") : QStringLiteral("H")}});
        tx.commit();
    }

    ReportOutput::Hooks saved;
    QString dir;
    QString answerFile;
    QStringList titles, extensions;
    int previewPages = -1;
    bool previewLandscape = false;
    QSizeF previewPaper, printerPaper;
};

QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

// The dialog creates the missing row with the given defaults, fills the size from the
// paper's first letter, and stores what the user chose only on "Sakla".
TEST_F(PrintingWindows, PageSetupDialogCreatesFillsAndStoresTheRow)
{
    {
        SayfaAyarla dlg(db, QStringLiteral("FisDok"), QStringLiteral("QuickRep1"),
                        QStringLiteral("Fiş Dökümleri Sayfa  Düzeni"), QString(), QStringLiteral("Y"),
                        QMargins(5, 6, 7, 8));
        EXPECT_EQ(dlg.windowTitle(), "Sayfa Ayarı");
        QStringList labels;
        for (QLabel* l : dlg.findChildren<QLabel*>())
            labels << l->text();
        for (const char* caption : {"Fiş Dökümleri Sayfa  Düzeni", "Sayfa Boyutu", "Sayfa Genişliği", "Sayfa Yüksekliği",
                                    "Sayfa Solundan Bırakılacak Boşluk", "Sayfa Sağından Bırakılacak Boşluk",
                                    "Sayfa Üstünden Bırakılacak Boşluk", "Sayfa Altında Bırakılacak Boşluk"})
            EXPECT_TRUE(labels.contains(QString::fromUtf8(caption))) << caption;
        EXPECT_EQ(db.scalar(QStringLiteral("SELECT COUNT(*) FROM MSAYFA")).toInt(), 1);
        EXPECT_EQ(dlg.paperBox()->currentText(), "A4   (210mm x 297mm)");
        EXPECT_TRUE(dlg.landscapeButton()->isChecked());
        EXPECT_EQ(dlg.leftBox()->value(), 5);
        EXPECT_EQ(dlg.bottomBox()->value(), 8);

        dlg.show();
        keep(QStringLiteral("sayfa_ayari.png"), [&](const QString& f) { dlg.grab().save(f); });
        dlg.paperBox()->setFocus();
        QTest::keyClick(dlg.paperBox(), Qt::Key_Down); // B5
        EXPECT_EQ(dlg.widthBox()->value(), 182);
        EXPECT_EQ(dlg.heightBox()->value(), 257);
        QTest::keyClick(dlg.paperBox(), Qt::Key_Down); // Legal
        EXPECT_EQ(dlg.heightBox()->value(), 355);
        QTest::keyClick(dlg.paperBox(), Qt::Key_Down); // Mektup
        EXPECT_EQ(dlg.widthBox()->value(), 230);
        QTest::keyClick(dlg.paperBox(), Qt::Key_Down); // user-defined: the size stays for the user
        EXPECT_EQ(dlg.paperBox()->currentText(), "Kullanıcı Tanımlasın");
        EXPECT_EQ(dlg.widthBox()->value(), 230);
        dlg.widthBox()->setValue(100);
        dlg.heightBox()->setValue(120);
        QTest::mouseClick(dlg.portraitButton(), Qt::LeftButton);
        QTest::mouseClick(dlg.findChild<QPushButton*>(QStringLiteral("BtnSAKLA")), Qt::LeftButton);
        EXPECT_EQ(dlg.result(), QDialog::Accepted);
    }
    const auto rec = db.records(QStringLiteral("SELECT * FROM MSAYFA")).first();
    EXPECT_EQ(sqlText(rec.value("SAYFAISIM")), "Kullanıcı Tanımlasın");
    EXPECT_EQ(rec.value("SAYFAGEN").toInt(), 100);
    EXPECT_EQ(rec.value("SAYFAYUK").toInt(), 120);
    EXPECT_EQ(sqlText(rec.value("PRBICIMI")), "D");
    EXPECT_EQ(rec.value("SAG").toInt(), 7);

    // "İptal" leaves the row as it was.
    SayfaAyarla again(db, QStringLiteral("FisDok"), QStringLiteral("QuickRep1"), QString(), QString());
    EXPECT_EQ(again.paperBox()->currentText(), "Kullanıcı Tanımlasın");
    EXPECT_EQ(again.widthBox()->value(), 100);
    again.widthBox()->setValue(300);
    QTest::mouseClick(again.findChild<QPushButton*>(QStringLiteral("BtnIPTAL")), Qt::LeftButton);
    EXPECT_EQ(db.scalar(QStringLiteral("SELECT SAYFAGEN FROM MSAYFA")).toInt(), 100);
}

// "*" only applies the row; the printer gets 210 x 210 for a 100 x 120 user paper.
TEST_F(PrintingWindows, OutputAppliesThePageSetupRow)
{
    PageSetupRow r;
    r.PASADI = QStringLiteral("Makbuz");
    r.QUIKAD = QStringLiteral("QuickRep1");
    r.SAYFAISIM = PaperSizes::userDefinedName();
    r.SAYFAGEN = 100;
    r.SAYFAYUK = 120;
    r.PRBICIMI = QStringLiteral("D");
    r.SOL = 4;
    r.FONTADI = QStringLiteral("DejaVu Serif");
    r.FONTSIZE = 7;
    PageSetupStore(db).save(r);

    ReportModel rep;
    rep.title = QStringLiteral("Makbuz");
    EXPECT_TRUE(SayfaYazdir(rep, QStringLiteral("Makbuz"), QStringLiteral("QuickRep1"), QStringLiteral("*")));
    EXPECT_EQ(rep.page.paperMm, QSizeF(100, 120));
    EXPECT_EQ(rep.page.marginsMm.left(), 4);
    EXPECT_EQ(rep.bodyFont.family, "DejaVu Serif");
    EXPECT_EQ(rep.bodyFont.pointSize, 7);

    EXPECT_FALSE(SayfaYazdir(rep, QStringLiteral("Makbuz"), QStringLiteral("QuickRep1"), QStringLiteral("Yazıcı")));
    EXPECT_EQ(printerPaper.toSize(), QSize(210, 210));

    // Without a row the report keeps its own page.
    ReportModel own;
    own.page.paperMm = {148, 210};
    SayfaYazdir(own, QStringLiteral("Yok"), QStringLiteral("QuickRep1"), QStringLiteral("Önizleme"));
    EXPECT_EQ(previewPaper.toSize(), QSize(148, 210));
    EXPECT_EQ(previewPages, 1);
}

// The currency list: its "Yazdır" button previews every row on as many pages as needed,
// writes PDF, RTF, XLSX and text after the save dialog, and a cancelled dialog writes nothing.
TEST_F(PrintingWindows, CurrencyListPreviewsAndExportsFromItsWindow)
{
    addCurrencies(120);
    TFormDovizBr w(db);
    w.show();
    auto* button = w.findChild<ReportMenuButton*>();
    ASSERT_NE(button, nullptr);
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(10, button->height() / 2));
    EXPECT_GE(previewPages, 3);

    const QString stem = QStringLiteral("dovizler");
    answerFile.clear();
    button->run(QStringLiteral("Excel"));
    EXPECT_EQ(titles, QStringList{"Excele Aktar"});
    EXPECT_TRUE(QDir(dir).entryList(QDir::Files).isEmpty()) << "cancelled export wrote a file";

    answerFile = stem; // no extension typed: the format's own is added
    for (const QString& out : {QStringLiteral("Word"), QStringLiteral("Excel"), QStringLiteral("Text"),
                               QStringLiteral("PDF")})
        button->run(out);
    EXPECT_EQ(titles, (QStringList{"Excele Aktar", "Worde Aktar", "Excele Aktar", "Metin Belgesi Olarak Sakla",
                                   "PDF Olarak Sakla"}));
    EXPECT_EQ(extensions, (QStringList{"xlsx", "rtf", "xlsx", "txt", "pdf"}));

    const QByteArray rtf = readAll(dir + QStringLiteral("/dovizler.rtf"));
    EXPECT_TRUE(rtf.startsWith("{\\rtf1"));
    EXPECT_TRUE(rtf.contains("D119"));
    EXPECT_TRUE(rtf.contains("D\\u246\\'f6viz 7 \\u286\\'d0")); // "Döviz 7 Ğ"
    EXPECT_TRUE(readAll(dir + QStringLiteral("/dovizler.xlsx")).startsWith("PK"));
    const QStringList lines = QString::fromUtf8(readAll(dir + QStringLiteral("/dovizler.txt"))).split('\n');
    EXPECT_TRUE(lines.contains(QStringLiteral("D007        Döviz 7 ĞÜŞİÖÇ ığüşöç    E")))
        << lines.mid(0, 10).join('\n').toStdString();
    EXPECT_EQ(lines.filter(QRegularExpression(QStringLiteral("^D\\d{3} "))).size(), 120);
    const QByteArray pdf = readAll(dir + QStringLiteral("/dovizler.pdf"));
    EXPECT_TRUE(pdf.startsWith("%PDF"));
    EXPECT_EQ(QString::fromLatin1(pdf).count(QRegularExpression(QStringLiteral("/Type\\s*/Page[^s]"))), previewPages);
    for (const QString& f : QDir(dir).entryList(QDir::Files))
        keepFile(dir + QLatin1Char('/') + f);
}

// A ListWindow's "Yazdır" previews with its own page setup (landscape for the account list),
// and "Aktar" offers the printing menu.
TEST_F(PrintingWindows, ListWindowButtonsReachTheReportEngine)
{
    installListWindowPrinting();
    PageSetupRow r;
    r.PASADI = QStringLiteral("TFormCariBr");
    r.QUIKAD = QStringLiteral("Liste");
    r.SAYFAISIM = PaperSizes::a4Name();
    r.PRBICIMI = QStringLiteral("Y");
    PageSetupStore(db).save(r);
    DbTransaction tx(db);
    for (int i = 0; i < 3; ++i)
        db.exec(QStringLiteral("INSERT INTO CARI (CARI_KOD, FIRMA_ADI) VALUES (:K, :A)"),
                {{"K", QStringLiteral("120.%1").arg(i)}, {"A", QStringLiteral("Şahin Ticaret %1").arg(i)}});
    tx.commit();

    TFormCariBr w;
    w.show();
    QTest::mouseClick(w.findChild<QPushButton*>(QStringLiteral("BtnYAZDIR")), Qt::LeftButton);
    EXPECT_EQ(previewPages, 1);
    EXPECT_TRUE(previewLandscape);

    answerFile = QStringLiteral("cariler.txt");
    QTimer::singleShot(0, [] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr);
        for (QAction* a : menu->actions())
            if (a->data().toString() == QLatin1String("Text"))
                menu->setActiveAction(a);
        QTest::keyClick(menu, Qt::Key_Return);
    });
    QTest::mouseClick(w.findChild<QPushButton*>(QStringLiteral("BtnAKTAR")), Qt::LeftButton);
    EXPECT_EQ(titles, QStringList{"Metin Belgesi Olarak Sakla"});
    const QString text = QString::fromUtf8(readAll(dir + QStringLiteral("/cariler.txt")));
    EXPECT_TRUE(text.contains(QStringLiteral("Şahin Ticaret 2"))) << text.toStdString();
}

// The designer stores a layout; the list then prints in that layout.
TEST_F(PrintingWindows, TemplateDesignerStoresTheLayoutTheListPrintsWith)
{
    QStandardItemModel model(2, 3);
    model.setHorizontalHeaderLabels({QStringLiteral("Kod"), QStringLiteral("Ad"), QStringLiteral("Tutar")});
    for (int r = 0; r < 2; ++r) {
        model.setItem(r, 0, new QStandardItem(QStringLiteral("K%1").arg(r)));
        model.setItem(r, 1, new QStandardItem(QStringLiteral("Ürün %1").arg(r)));
        auto* amount = new QStandardItem;
        amount->setData(1250.5 * (r + 1), Qt::EditRole);
        model.setItem(r, 2, amount);
    }
    QTableView view;
    view.setModel(&model);
    ReportMenuButton button(QStringLiteral("DenemeBr"), QStringLiteral("Deneme Listesi"), &view);
    const ReportModel plain = button.reportMenu()->report();
    ASSERT_EQ(plain.columns.size(), 3);
    EXPECT_TRUE(plain.columns[2].total); // floating-point columns are summed

    {
        TemplateDesigner d(db, QStringLiteral("DenemeBr"), plain, QString());
        d.nameBox()->setCurrentText(QStringLiteral("Kısa"));
        QTableWidget* t = d.columnTable();
        t->item(0, 0)->setCheckState(Qt::Unchecked);         // hide "Kod"
        t->item(1, 2)->setText(QStringLiteral("Ürün Adı"));  // retitle "Ad"
        t->item(2, 3)->setData(Qt::EditRole, 44.0);          // widen "Tutar"
        d.bodySizeBox()->setValue(11);
        keep(QStringLiteral("sablon_tasarimi.png"), [&](const QString& f) {
            d.show();
            QApplication::processEvents();
            d.grab().save(f);
        });
        QTest::mouseClick(d.findChild<QPushButton*>(QStringLiteral("BtnSAKLA")), Qt::LeftButton);
        EXPECT_EQ(d.result(), QDialog::Accepted);
    }
    const auto stored = TemplateStore(db).load(QStringLiteral("DenemeBr"), QStringLiteral("Kısa"));
    ASSERT_TRUE(stored.has_value());
    EXPECT_FALSE(stored->columns[0].visible);
    EXPECT_EQ(stored->columns[1].title, "Ürün Adı");

    button.reportMenu()->setTemplateName(QStringLiteral("Kısa"));
    answerFile = QStringLiteral("kisa.txt");
    button.run(QStringLiteral("Text"));
    const QStringList lines = QString::fromUtf8(readAll(dir + QStringLiteral("/kisa.txt"))).split('\n');
    EXPECT_TRUE(lines.contains(QStringLiteral("Ürün Adı                                       Tutar")) ||
                !lines.filter(QRegularExpression(QStringLiteral("^Ürün Adı\\s+Tutar$"))).isEmpty())
        << lines.join('\n').toStdString();
    EXPECT_FALSE(lines.join('\n').contains(QStringLiteral("K0")));
    EXPECT_FALSE(lines.filter(QRegularExpression(QStringLiteral("^Genel Toplam\\s+3\\.751,50$"))).isEmpty());
    button.reportMenu()->setTemplateName(QString());
}

TEST_F(PrintingWindows, PageSetupListShowsTheStoredRows)
{
    PageSetupStore(db).ensure(QStringLiteral("FisDok"), QStringLiteral("QuickRep1"), QStringLiteral("D"),
                              QMargins(10, 10, 10, 10));
    TFormSayfaAyarBr w;
    EXPECT_EQ(w.grid()->model()->rowCount(), 1);
    EXPECT_EQ(w.grid()->model()->data(w.grid()->model()->index(0, 2)).toString(), "A4   (210mm x 297mm)");
    EXPECT_EQ(w.grid()->model()->headerData(2, Qt::Horizontal).toString(), "Sayfa Boyutu");
}
