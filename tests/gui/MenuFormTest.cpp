#include "db/DbTransaction.h"
#include "demo/DemoData.h"
#include "services/SessionContext.h"
#include "session/Login.h"
#include "session/NimboSettings.h"
#include "session/Shortcuts.h"
#include "session/forms/MainForm.h"
#include "session/forms/TMenuTree.h"
#include "gui/UrlRecorder.h"
#include "support/TestEnv.h"
#include "widgets/WindowRegistry.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>

using namespace nimbo;
using namespace nimbo::test;

namespace {

// The demo menu in a fresh year database, a user, and test windows in a registry of the
// test's own, so that the program's real registrations stay untouched.
class MenuForm : public YearDbTest {
protected:
    void SetUp() override
    {
        YearDbTest::SetUp();
        DbTransaction tx(db);
        demo::fillMenuDemo(db, 2026);
        tx.commit();
        for (const char* c : {"Stok Kayıtları", "Döviz Kurları", "Stok Fişleri", "Cari Kayıtlar",
                              "Perakende Satış İşlemleri", "Finans Hareketleri Listesi", "Personel Listesi"}) {
            const QString caption = QString::fromUtf8(c);
            registry.add({caption, QStringLiteral("T") + caption, [caption](QWidget* p, const WindowArgs&) -> QWidget* {
                              auto* w = new QWidget(p);
                              w->setObjectName(caption);
                              return w;
                          }});
        }
    }
    void TearDown() override
    {
        form.reset();
        YearDbTest::TearDown();
    }
    MainForm& show(const QString& user, const QString& right = QStringLiteral("H"))
    {
        loginAs(user, right);
        DbTransaction tx(db);
        db.exec(QStringLiteral("UPDATE KIMKUL SET PERSON_KOD = 'P001'"));
        tx.commit();
        form = std::make_unique<MainForm>(SessionContext::current());
        form->runner().setRegistry(&registry);
        form->show();
        return *form;
    }
    QStringList entryTexts() const
    {
        QStringList out;
        QListWidget* l = form->menuTree()->entryList();
        for (int i = 0; i < l->count(); ++i)
            out << l->item(i)->text();
        return out;
    }
    // Double-clicks an entry of the visible list; false when it is not listed.
    bool doubleClick(const QString& caption)
    {
        TMenuTree* t = form->menuTree();
        QListWidget* l = t->page() == TMenuTree::TumMenu ? t->entryList() : t->favouriteList();
        const QList<QListWidgetItem*> found = l->findItems(caption, Qt::MatchExactly);
        if (found.isEmpty())
            return false;
        l->scrollToItem(found.first());
        const QRect r = l->visualItemRect(found.first());
        // A real double click starts with a press on the same item.
        QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, r.center());
        QTest::mouseDClick(l->viewport(), Qt::LeftButton, {}, r.center());
        return true;
    }
    bool triggerContext(const QString& text)
    {
        std::unique_ptr<QMenu> m(form->menuTree()->contextMenu());
        for (QAction* a : m->actions())
            if (a->text() == text) {
                a->trigger();
                return true;
            }
        return false;
    }
    // The demo's users as they log in, with the rights the demo gives them.
    MainForm& showDemoUser(const QString& user, const QString& password, int branch)
    {
        SessionContext& s = SessionContext::current();
        s.KullaniciAdi.clear();
        EXPECT_EQ(Login(s, db).tamam(user, password, branch), Login::Outcome::Success) << user.toStdString();
        form.reset();
        form = std::make_unique<MainForm>(s);
        form->runner().setRegistry(&registry);
        form->show();
        return *form;
    }
    QWidget* opened() const { return form->runner().lastOpened(); }
    void closeOpened()
    {
        if (QWidget* w = opened())
            w->close();
        QCoreApplication::processEvents();
    }

    WindowRegistry registry;
    std::unique_ptr<MainForm> form;
};

int groupId(const Db& db, const QString& tanim)
{
    return db.scalar(QStringLiteral("SELECT ID FROM MENULIST WHERE TANIM = :t AND PARENT = 0"),
                     {{QStringLiteral("t"), tanim}})
        .toInt();
}

} // namespace

// Showing the form creates the access tree: title, log row, status panel, the first group
// chosen, the user's entries listed, the demo shortcuts on their buttons.
TEST_F(MenuForm, ShowBuildsTitleTreeStatusAndShortcuts)
{
    MainForm& f = show(QStringLiteral("YONETICI"));
    EXPECT_EQ(f.windowTitle(), QStringLiteral("NimboSoft (VT : DEMO2026) (KULLANICI : YONETICI)"));
    EXPECT_TRUE(f.statusPanel()->text().startsWith(QStringLiteral("Son Güncelleme ")));
    EXPECT_EQ(f.lbSubekod()->text(), QStringLiteral("1"));
    EXPECT_EQ(toText(db.scalar(QStringLiteral("SELECT ACIKLAMA FROM PROSES"))), QStringLiteral("Programa Giriş P001"));

    TMenuTree* t = f.menuTree();
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(t->tabs()->tabText(0), QStringLiteral("Tüm Menü"));
    EXPECT_EQ(t->tabs()->tabText(1), QStringLiteral("Kullanıcı Seçimleri"));
    EXPECT_EQ(t->groupCaption()->text(), QStringLiteral("Cari Hesaplar"));
    EXPECT_TRUE(entryTexts().contains(QStringLiteral("Cari Kayıtlar")));
    EXPECT_EQ(f.shortcutButton(1)->text(), QStringLiteral("Döviz Kurları"));
    EXPECT_EQ(f.shortcutButton(2)->text(), QStringLiteral("Cari Kayıtlar"));
    EXPECT_EQ(f.shortcutButton(10)->toolTip(),
              QStringLiteral("Kısayol eklemek için erişim ağacında istediğiniz menüde sağ tıklayıp ekleyiniz."));

    QStringList hints;
    for (QAction* a : f.findChild<QToolBar*>(QStringLiteral("tbAna"))->actions())
        if (!a->isSeparator())
            hints << a->toolTip();
    EXPECT_EQ(hints, (QStringList{"Firma Değiştir", "Perakende Satış", "Stok", "Günlük Kurlar", "Müşteriler",
                                  "İşlem Günlüğü", "Liste Raporlar", "Barkod Etiket", "Sistem Yönetimi",
                                  "Hesap Makinesi", "Yardım", "Çıkış"}));
    QStringList menus, dosya;
    for (QAction* a : f.menuBar()->actions())
        menus << a->text();
    EXPECT_EQ(menus, (QStringList{"Dosya", "Düzen", "Araçlar", "Yardım"}));
    for (QAction* a : f.menuBar()->actions().first()->menu()->actions())
        if (!a->isSeparator())
            dosya << a->text();
    EXPECT_EQ(dosya, (QStringList{"Firma Değiştir", "Sistem Yönetimi", "Barkod Etiketleri", "Hesap Makinesi",
                                  "Günlük Döviz Kurları", "Çıkış"}));

    // A second show builds the tree again and logs again.
    f.hide();
    f.show();
    EXPECT_EQ(db.scalar(QStringLiteral("SELECT COUNT(*) FROM PROSES")).toInt(), 2);
}

// Windows open from the tree, from a favourite and from a shortcut button; the retail sale
// opens modally; a caption without a window opens nothing and says nothing.
TEST_F(MenuForm, EntriesOpenFromTreeFavouritesAndShortcuts)
{
    MainForm& f = show(QStringLiteral("YONETICI"));
    TMenuTree* t = f.menuTree();
    ASSERT_TRUE(t->selectGroup(groupId(db, QStringLiteral("Stok"))));
    EXPECT_EQ(t->groupCaption()->text(), QStringLiteral("Stok"));
    ASSERT_TRUE(doubleClick(QStringLiteral("Stok Kayıtları")));
    ASSERT_NE(opened(), nullptr);
    EXPECT_EQ(opened()->objectName(), QStringLiteral("Stok Kayıtları"));
    EXPECT_TRUE(opened()->isVisible());
    EXPECT_EQ(opened()->windowModality(), Qt::NonModal);
    int windows = 0; // one double click, one window
    for (QWidget* w : QApplication::topLevelWidgets())
        windows += w->isVisible() && w->objectName() == QStringLiteral("Stok Kayıtları");
    EXPECT_EQ(windows, 1);
    closeOpened();

    ASSERT_TRUE(t->selectGroup(groupId(db, QStringLiteral("Alış / Satış"))));
    ASSERT_TRUE(doubleClick(QStringLiteral("Perakende Satış İşlemleri")));
    ASSERT_NE(opened(), nullptr);
    EXPECT_EQ(opened()->windowModality(), Qt::ApplicationModal);
    closeOpened();

    ASSERT_TRUE(doubleClick(QStringLiteral("Satış İşlemleri"))); // no window registered
    EXPECT_EQ(opened(), nullptr);

    t->setPage(TMenuTree::KullaniciSecimleri);
    ASSERT_TRUE(doubleClick(QStringLiteral("Döviz Kurları")));
    ASSERT_NE(opened(), nullptr);
    EXPECT_EQ(opened()->objectName(), QStringLiteral("Döviz Kurları"));
    closeOpened();

    QTest::mouseClick(f.shortcutButton(2), Qt::LeftButton);
    ASSERT_NE(opened(), nullptr);
    EXPECT_EQ(opened()->objectName(), QStringLiteral("Cari Kayıtlar"));
    EXPECT_EQ(t->currentCaption(), QStringLiteral("Cari Kayıtlar"));
    closeOpened();
    QTest::mouseClick(f.shortcutButton(9), Qt::LeftButton); // empty slot: nothing
    EXPECT_EQ(opened(), nullptr);

    f.findChild<QAction*>(QStringLiteral("btnPerakende"))->trigger();
    ASSERT_NE(opened(), nullptr);
    EXPECT_EQ(opened()->windowModality(), Qt::ApplicationModal);
    closeOpened();
    EXPECT_EQ(f.runEntry(QStringLiteral("Olmayan Menü")), MenuDispatch::Result::Unknown);
}

// Entries whose windows are not built yet are listed, but disabled, in the access tree,
// the favourites, the toolbar and the shortcut bar; companion programs stay enabled.
TEST_F(MenuForm, EntriesWithoutWindowsAreShownDisabled)
{
    registry.add({QStringLiteral("Personel Listesi"), QStringLiteral("TPersonel"), {}}); // listed, nothing built
    MainForm& f = show(QStringLiteral("YONETICI"));
    TMenuTree* t = f.menuTree();
    auto enabled = [&](const QString& caption) {
        QListWidget* l = t->page() == TMenuTree::TumMenu ? t->entryList() : t->favouriteList();
        const auto found = l->findItems(caption, Qt::MatchExactly);
        EXPECT_FALSE(found.isEmpty()) << caption.toStdString();
        return !found.isEmpty() && (found.first()->flags() & Qt::ItemIsEnabled);
    };
    ASSERT_TRUE(t->selectGroup(groupId(db, QStringLiteral("Alış / Satış"))));
    EXPECT_TRUE(enabled(QStringLiteral("Perakende Satış İşlemleri")));
    EXPECT_FALSE(enabled(QStringLiteral("Satış İşlemleri")));
    EXPECT_FALSE(enabled(QStringLiteral("Alış İşlemleri")));
    ASSERT_TRUE(t->selectGroup(groupId(db, QStringLiteral("Stok"))));
    EXPECT_TRUE(enabled(QStringLiteral("Stok Kayıtları")));

    EXPECT_EQ(f.shortcutButton(4)->text(), QStringLiteral("Satış İşlemleri"));
    EXPECT_FALSE(f.shortcutButton(4)->isEnabled());
    EXPECT_EQ(f.shortcutButton(3)->text(), QStringLiteral("Stok Kayıtları"));
    EXPECT_TRUE(f.shortcutButton(3)->isEnabled());
    EXPECT_TRUE(f.shortcutButton(9)->isEnabled()) << "an empty slot keeps its hint";
    EXPECT_FALSE(f.findChild<QAction*>(QStringLiteral("btnListeRaporlar"))->isEnabled());
    EXPECT_TRUE(f.findChild<QAction*>(QStringLiteral("btnMusteriler"))->isEnabled());
    EXPECT_TRUE(f.findChild<QAction*>(QStringLiteral("btnSistemYonetimi"))->isEnabled());
    EXPECT_TRUE(f.runner().available(QStringLiteral("Genel Muhasebe")));
    EXPECT_FALSE(f.runner().available(QStringLiteral("Olmayan Menü")));
}

// View-only rights open the stock list and the rates but not the stock slips; the dashed
// report stays shut; the guarded toolbar buttons follow the flags. Nothing is shown.
TEST_F(MenuForm, RightsDecideSilentlyAndGuardTheButtons)
{
    MainForm& f = show(QStringLiteral("SATIS"), QStringLiteral("O"));
    SessionContext& s = SessionContext::current();
    s.setHak(QStringLiteral("MUHPRG"), QStringLiteral("-"));
    s.setHak(QStringLiteral("BAKIM"), QStringLiteral("E"));
    f.refresh();
    TMenuTree* t = f.menuTree();

    ASSERT_TRUE(t->selectGroup(groupId(db, QStringLiteral("Stok"))));
    EXPECT_EQ(entryTexts(), (QStringList{QStringLiteral("Stok Kayıtları"), QStringLiteral("Stok Fişleri"),
                                         QStringLiteral("Depo Stokları")}));
    ASSERT_TRUE(doubleClick(QStringLiteral("Stok Fişleri")));
    EXPECT_EQ(opened(), nullptr);
    ASSERT_TRUE(doubleClick(QStringLiteral("Stok Kayıtları")));
    ASSERT_NE(opened(), nullptr);
    closeOpened();
    EXPECT_EQ(f.runEntry(QStringLiteral("Döviz Kurları")), MenuDispatch::Result::Opened);
    closeOpened();
    EXPECT_EQ(f.runEntry(QStringLiteral("Finans Hareketleri Listesi")), MenuDispatch::Result::Refused);

    EXPECT_TRUE(f.findChild<QAction*>(QStringLiteral("btnStok"))->isEnabled());
    EXPECT_TRUE(f.findChild<QAction*>(QStringLiteral("btnKurlar"))->isEnabled());
    EXPECT_FALSE(f.findChild<QAction*>(QStringLiteral("btnSistemYonetimi"))->isEnabled());
    s.setHak(QStringLiteral("DOVIZ"), QStringLiteral("E"));
    f.refresh();
    EXPECT_FALSE(f.findChild<QAction*>(QStringLiteral("btnKurlar"))->isEnabled());
}

// A user without menu rows sees every group and no entry.
TEST_F(MenuForm, UserWithoutMenuRowsSeesGroupsOnly)
{
    MainForm& f = show(QStringLiteral("YENI"));
    TMenuTree* t = f.menuTree();
    const int groups = db.scalar(QStringLiteral("SELECT COUNT(*) FROM MENULIST WHERE PARENT = 0")).toInt();
    EXPECT_EQ(t->groupTree()->topLevelItemCount(), groups);
    for (int i = 0; i < t->groupTree()->topLevelItemCount(); ++i) {
        t->groupTree()->setCurrentItem(t->groupTree()->topLevelItem(i));
        EXPECT_EQ(t->entryList()->count(), 0) << t->groupTree()->topLevelItem(i)->text(0).toStdString();
    }
    EXPECT_EQ(t->favouriteList()->count(), 0);
}

// The context menus, favourites added and removed, and shortcuts: a free slot takes the entry
// at once, an occupied one asks and No keeps it.
TEST_F(MenuForm, ContextMenusFavouritesAndShortcutSlots)
{
    MainForm& f = show(QStringLiteral("YONETICI"));
    TMenuTree* t = f.menuTree();
    ASSERT_TRUE(t->selectGroup(groupId(db, QStringLiteral("Stok"))));
    t->entryList()->setCurrentItem(t->entryList()->findItems(QStringLiteral("Stok Fişleri"), Qt::MatchExactly).first());
    {
        std::unique_ptr<QMenu> m(t->contextMenu());
        QStringList texts;
        for (QAction* a : m->actions())
            if (!a->isSeparator())
                texts << a->text();
        QStringList expected = {QStringLiteral("Başlat"), QStringLiteral("Listeme Ekle")};
        for (int i = 1; i <= 9; ++i)
            expected << QStringLiteral("%1. Kısayol Ekle").arg(i);
        expected << QStringLiteral("10.Kısayol Ekle");
        EXPECT_EQ(texts, expected);
    }
    ASSERT_TRUE(triggerContext(QStringLiteral("Listeme Ekle")));
    ASSERT_TRUE(triggerContext(QStringLiteral("5. Kısayol Ekle")));
    EXPECT_EQ(f.shortcutButton(5)->text(), QStringLiteral("Stok Fişleri"));

    (*prompter)->expectAsk(QStringLiteral("Döviz Kurları Kısayolu Eklenmiş. Değiştirmek İstiyormusunuz ?"), false);
    ASSERT_TRUE(triggerContext(QStringLiteral("1. Kısayol Ekle")));
    EXPECT_EQ(f.shortcutButton(1)->text(), QStringLiteral("Döviz Kurları"));
    EXPECT_EQ(Shortcuts(db).caption(1), QStringLiteral("Döviz Kurları"));

    // The page change keeps the chosen entry, which is now a favourite.
    t->setPage(TMenuTree::KullaniciSecimleri);
    ASSERT_NE(t->favouriteList()->currentItem(), nullptr);
    EXPECT_EQ(t->favouriteList()->currentItem()->text(), QStringLiteral("Stok Fişleri"));
    {
        std::unique_ptr<QMenu> m(t->contextMenu());
        ASSERT_EQ(m->actions().size(), 1);
        EXPECT_EQ(m->actions().first()->text(), QStringLiteral("Listeden Çıkar"));
    }
    ASSERT_TRUE(triggerContext(QStringLiteral("Listeden Çıkar")));
    EXPECT_TRUE(t->favouriteList()->findItems(QStringLiteral("Stok Fişleri"), Qt::MatchExactly).isEmpty());
    EXPECT_EQ(db.scalar(QStringLiteral("SELECT COUNT(*) FROM KIMKULMENU WHERE USRMN = 1 AND KULLANICI = 'YONETICI'"))
                  .toInt(),
              4);
}

// A shortcut another workstation adds appears after the main form is shown again.
TEST_F(MenuForm, ShortcutFromAnotherConnectionShowsAfterTheNextShow)
{
    MainForm& f = show(QStringLiteral("YONETICI"));
    EXPECT_EQ(f.shortcutButton(6)->text(), QStringLiteral("Kısayol 6"));
    const QString other = QStringLiteral("DIGER_ISTASYON");
    {
        const Db second = Db::open(other, db.params());
        ASSERT_TRUE(Shortcuts(second).add(6, QStringLiteral("Stok Kayıtları")));
    }
    Db::close(other);
    EXPECT_EQ(f.shortcutButton(6)->text(), QStringLiteral("Kısayol 6"));
    f.hide();
    f.show();
    EXPECT_EQ(f.shortcutButton(6)->text(), QStringLiteral("Stok Kayıtları"));
    QTest::mouseClick(f.shortcutButton(6), Qt::LeftButton);
    ASSERT_NE(opened(), nullptr);
    EXPECT_EQ(opened()->objectName(), QStringLiteral("Stok Kayıtları"));
    closeOpened();
}

// "Genel Muhasebe" in the tree starts the ledger program with the parameter string.
TEST_F(MenuForm, LedgerEntryStartsTheCompanionWithParameters)
{
    const QString prog = QDir(TestEnv::tempDir()).filePath(QStringLiteral("muhasebe-gui"));
    {
        QFile file(prog);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("#!/bin/sh\n");
        file.close();
        file.setPermissions(file.permissions() | QFileDevice::ExeOwner);
    }
    NimboSettings::setValue(QStringLiteral("PROGRAMLAR"), QStringLiteral("Muhasebe"), prog);
    SessionContext::current().YilAliasi = QStringLiteral("DEMO2026");
    MainForm& f = show(QStringLiteral("YONETICI"));
    QStringList started;
    f.runner().companions().setActivator([](const QString&) { return false; });
    f.runner().companions().setStarter([&started](const QString& p, const QStringList& args) {
        started << p << args;
        return true;
    });
    ASSERT_TRUE(f.menuTree()->selectGroup(groupId(db, QStringLiteral("Muhasebe"))));
    ASSERT_TRUE(doubleClick(QStringLiteral("Genel Muhasebe")));
    ASSERT_EQ(started.size(), 7);
    EXPECT_EQ(started.first(), prog);
    EXPECT_EQ(started.at(1), QStringLiteral("DEMO2026"));
    EXPECT_EQ(started.at(2), QStringLiteral("YONETICI"));
    EXPECT_EQ(started.at(6), QStringLiteral("2026"));
}

// "Yardım" opens the guide's index; F1 in any window, a modal one too, opens the page of that
// window (found by class name or by the caption the menu names it with), else the index.
TEST_F(MenuForm, HelpOpensTheGuideAndF1ThePageOfTheWindowInFront)
{
    MainForm& f = show(QStringLiteral("YONETICI"));
    UrlRecorder desktop(QStringLiteral("file"));
    const auto lastPage = [&desktop] {
        return desktop.opened.isEmpty() ? QString() : desktop.opened.last().toLocalFile().section(QLatin1Char('/'), -2);
    };
    f.findChild<QAction*>(QStringLiteral("btnYardim"))->trigger();
    EXPECT_EQ(lastPage(), QStringLiteral("help/index.html"));

    QTest::keyClick(f.menuTree(), Qt::Key_F1);
    EXPECT_EQ(lastPage(), QStringLiteral("help/MainForm.html"));

    registry.add({QStringLiteral("Günlük Kurlar"), QStringLiteral("TFormDoviz"), nullptr});
    QWidget rates;
    rates.setObjectName(QStringLiteral("Günlük Kurlar"));
    auto* edit = new QLineEdit(&rates);
    rates.show();
    QTest::keyClick(edit, Qt::Key_F1);
    EXPECT_EQ(lastPage(), QStringLiteral("help/TFormDoviz.html"));

    QDialog card;
    card.setObjectName(QStringLiteral("TFormCariSakla"));
    card.setModal(true);
    card.show();
    QTest::keyClick(&card, Qt::Key_F1);
    EXPECT_EQ(lastPage(), QStringLiteral("help/TFormCariSakla.html"));
    card.close();

    QWidget unknown;
    unknown.setObjectName(QStringLiteral("TFormYardimiYok"));
    unknown.show();
    QTest::keyClick(&unknown, Qt::Key_F1);
    EXPECT_EQ(lastPage(), QStringLiteral("help/index.html"));
    EXPECT_EQ(desktop.opened.size(), 5);
}

// The demo's sales clerk is refused what his rights deny however the entry is reached: a
// double click in the tree, a shortcut the manager shared, the dispatch by caption, or a
// toolbar button or another window opening it by name. The lists no right guards (code
// groups, warehouses, cash desks, banks, the chart) open for him as for the manager, who
// opens everything.
TEST_F(MenuForm, DemoClerkIsRefusedWhatHisRightsDenyHoweverTheEntryIsReached)
{
    const QStringList denied = {"Stok Fişleri", "Kasa İşlemleri", "Banka İşlemleri", "Çek/Senet İşlemleri",
                                "Finans Hareketleri Listesi", "Stok Fiyat Listesi", "Karlılık Analizi"};
    const QStringList free = {"Cari İşlemler",  "Stok Kayıtları",          "Döviz Kurları", "Kasa Tanımları",
                              "Banka",          "Depo Tanımları",          "Cari Ana Grup Tanımları",
                              "Hesap Planı",    "Stok Ana Grup Tanımları"};
    for (const QString& caption : denied + free)
        if (!registry.byCaption(caption))
            registry.add({caption, QStringLiteral("T") + caption, [caption](QWidget* p, const WindowArgs&) -> QWidget* {
                              auto* w = new QWidget(p);
                              w->setObjectName(caption);
                              return w;
                          }});
    {
        DbTransaction tx(db);
        demo::fillSessionDemo(db, 2026);
        tx.commit();
    }
    auto opens = [this](const std::function<void()>& reach) {
        closeOpened();
        reach();
        const bool ok = opened() != nullptr;
        closeOpened();
        return ok;
    };

    for (const auto& [user, password, branch] : {std::tuple{"SATIS", "5678", 2}, std::tuple{"YONETICI", "1234", 1}}) {
        MainForm& f = showDemoUser(QString::fromLatin1(user), QString::fromLatin1(password), branch);
        const bool manager = QLatin1String(user) == QLatin1String("YONETICI");
        for (const QString& caption : denied + free) {
            const bool expected = manager || free.contains(caption);
            const std::string what = std::string(user) + " " + caption.toStdString();
            // The manager puts the entry on a shared shortcut; whoever clicks it runs it.
            (*prompter)->expectAsk(Shortcuts(db).caption(4) + QStringLiteral(" Kısayolu Eklenmiş. Değiştirmek İstiyormusunuz ?"),
                                   true);
            ASSERT_TRUE(Shortcuts(db).add(4, caption)) << what;
            f.loadShortcuts(); // as at the next show of his main form
            EXPECT_EQ(opens([&] { QTest::mouseClick(f.shortcutButton(4), Qt::LeftButton); }), expected) << what;
            EXPECT_EQ(opens([&] { f.runEntry(caption); }), expected) << what;
            EXPECT_EQ(opens([&] { f.runner().openWindow(caption); }), expected) << what;
        }
        // In the tree, where his menu lists it.
        TMenuTree* t = f.menuTree();
        ASSERT_TRUE(t->selectGroup(groupId(db, QStringLiteral("Stok"))));
        EXPECT_EQ(opens([&] { ASSERT_TRUE(doubleClick(QStringLiteral("Stok Fişleri"))); }), manager) << user;
        EXPECT_TRUE(opens([&] { ASSERT_TRUE(doubleClick(QStringLiteral("Stok Kayıtları"))); })) << user;
        // The toolbar's stock button opens what its entry opens, under the same test.
        EXPECT_TRUE(opens([&] { f.findChild<QAction*>(QStringLiteral("btnStok"))->trigger(); })) << user;
        EXPECT_EQ(f.findChild<QAction*>(QStringLiteral("btnSistemYonetimi"))->isEnabled(), manager) << user;
    }
}
