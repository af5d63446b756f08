#include "session/forms/MainForm.h"
#include "db/Errors.h"
#include "services/Prompter.h"
#include "services/SessionContext.h"
#include "session/DesktopCalculator.h"
#include "session/HelpFile.h"
#include "session/MenuRights.h"
#include "session/Shortcuts.h"
#include "session/forms/MenuIcons.h"
#include "session/forms/TFormHakkinda.h"
#include "session/forms/TMenuTree.h"
#include "widgets/ErrorPresenter.h"
#include "widgets/WindowRegistry.h"

#include <QApplication>
#include <QDateTime>
#include <QDesktopServices>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QShortcut>
#include <QShowEvent>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <QUrl>

namespace nimbo {

namespace {
const QString kShortcutHint =
    QStringLiteral("Kısayol eklemek için erişim ağacında istediğiniz menüde sağ tıklayıp ekleyiniz.");

QString emptySlotText(int slot) { return QStringLiteral("Kısayol %1").arg(slot); }

} // namespace

MainForm::MainForm(SessionContext& s, QWidget* parent) : QMainWindow(parent), m_s(s), m_runner(s, this)
{
    setObjectName(QStringLiteral("MainForm"));
    resize(1100, 720);
    buildToolBar();
    buildShortcutBar();
    buildMenus();

    m_lbDurum = new QLabel;
    m_lbDurum->setObjectName(QStringLiteral("stDurum"));
    statusBar()->addWidget(m_lbDurum, 1);
    auto* sube = new QLabel(QStringLiteral("Şube:"));
    statusBar()->addPermanentWidget(sube);
    m_lbSubekod = new QLabel;
    m_lbSubekod->setObjectName(QStringLiteral("lbSubekod"));
    m_lbSubekod->setMinimumWidth(40);
    statusBar()->addPermanentWidget(m_lbSubekod);

    // Until the access tree is created the frame shows an empty area.
    setCentralWidget(new QWidget);
    setWindowTitle(ProgramEntry::mainTitle(m_ekim, m_s));
    m_lbSubekod->setText(m_s.SubeKoduMetni);
}

QAction* MainForm::toolAction(const QString& caption, const QString& name, const QString& symbol,
                              const QColor& colour)
{
    auto* a = new QAction(MenuIcons::glyph(symbol, colour), caption, this);
    a->setObjectName(name);
    QString hint = caption;
    a->setToolTip(hint.remove(QLatin1Char('&')));
    return a;
}

void MainForm::buildToolBar()
{
    QToolBar* tb = addToolBar(QStringLiteral("Ana Araç Çubuğu"));
    tb->setObjectName(QStringLiteral("tbAna"));
    tb->setIconSize(QSize(40, 40));
    tb->setToolButtonStyle(Qt::ToolButtonIconOnly);
    tb->setMovable(false);

    m_firmaDegistir = toolAction(QStringLiteral("&Firma Değiştir"), QStringLiteral("LbFirmaDegistir"),
                                 QStringLiteral("⇄"), QColor(0x1565c0));
    connect(m_firmaDegistir, &QAction::triggered, this, &MainForm::firmaDegistirRequested);
    QAction* perakende = toolAction(QStringLiteral("Perakende Satış"), QStringLiteral("btnPerakende"),
                                    QStringLiteral("₺"), QColor(0xc62828));
    connect(perakende, &QAction::triggered, this,
            [this] { m_runner.run(QStringLiteral("Perakende Satış İşlemleri")); });
    m_stok = toolAction(QStringLiteral("&Stok"), QStringLiteral("btnStok"), QStringLiteral("▦"), QColor(0x2e7d32));
    connect(m_stok, &QAction::triggered, this, [this] { m_runner.run(QStringLiteral("Stok Kayıtları")); });
    m_kurlar = toolAction(QStringLiteral("&Günlük Kurlar"), QStringLiteral("btnKurlar"), QStringLiteral("€"),
                          QColor(0x0277bd));
    connect(m_kurlar, &QAction::triggered, this, [this] { m_runner.run(QStringLiteral("Döviz Kurları")); });
    QAction* hesap = toolAction(QStringLiteral("He&sap Makinesi"), QStringLiteral("btnHesapMakinesi"),
                                QStringLiteral("±"), QColor(0x546e7a));
    connect(hesap, &QAction::triggered, this, [] { DesktopCalculator::start(); });
    QAction* yardim = toolAction(QStringLiteral("Yar&dım"), QStringLiteral("btnYardim"), QStringLiteral("?"),
                                 QColor(0xf9a825));
    connect(yardim, &QAction::triggered, this, &MainForm::showHelp);
    QAction* cikis = toolAction(QStringLiteral("&Çıkış"), QStringLiteral("btnCikis"), QStringLiteral("✕"),
                                QColor(0x616161));
    connect(cikis, &QAction::triggered, this, &QWidget::close);
    QAction* musteri = toolAction(QStringLiteral("&Müşteriler"), QStringLiteral("btnMusteriler"), QStringLiteral("☺"),
                                  QColor(0x1565c0));
    connect(musteri, &QAction::triggered, this, [this] { m_runner.run(QStringLiteral("Cari Kayıtlar")); });
    // No command behind it yet: the button is there, as on every installation.
    QAction* gunluk = toolAction(QStringLiteral("&İşlem Günlüğü"), QStringLiteral("btnIslemGunlugu"),
                                 QStringLiteral("✎"), QColor(0x5d4037));
    QAction* liste = toolAction(QStringLiteral("Liste Raporlar"), QStringLiteral("btnListeRaporlar"),
                                QStringLiteral("☰"), QColor(0x455a64));
    connect(liste, &QAction::triggered, this, [this] { m_runner.run(QStringLiteral("Personel Listesi")); });
    QAction* barkod = toolAction(QStringLiteral("Barkod Etiket"), QStringLiteral("btnBarkod"), QStringLiteral("▥"),
                                 QColor(0x6a1b9a));
    connect(barkod, &QAction::triggered, this,
            [this] { m_runner.startProgram(CompanionProgram::Kind::BarcodeLabel); });
    m_sistem = toolAction(QStringLiteral("Sistem Yönetimi"), QStringLiteral("btnSistemYonetimi"), QStringLiteral("⚙"),
                          QColor(0x424242));
    connect(m_sistem, &QAction::triggered, this, [this] { m_runner.run(QStringLiteral("Sistem Yönetimi")); });

    tb->addAction(m_firmaDegistir);
    tb->addSeparator();
    tb->addActions({perakende, m_stok, m_kurlar, musteri});
    tb->addSeparator();
    tb->addActions({gunluk, liste, barkod, m_sistem});
    tb->addSeparator();
    tb->addActions({hesap, yardim, cikis});
}

void MainForm::buildShortcutBar()
{
    addToolBarBreak();
    QToolBar* tb = addToolBar(QStringLiteral("Kısayollar"));
    tb->setObjectName(QStringLiteral("tbKisayol"));
    tb->setMovable(false);
    for (int slot = 1; slot <= Shortcuts::kSlots; ++slot) {
        auto* b = new QToolButton;
        b->setObjectName(QStringLiteral("btnKisayol%1").arg(slot));
        b->setToolTip(kShortcutHint);
        b->setText(emptySlotText(slot));
        b->setToolButtonStyle(Qt::ToolButtonTextOnly);
        b->setAutoRaise(false);
        b->setMinimumWidth(96);
        connect(b, &QToolButton::clicked, this, [this, slot] { runShortcut(slot); });
        tb->addWidget(b);
        m_shortcuts << b;
    }
}

void MainForm::buildMenus()
{
    QMenu* dosya = menuBar()->addMenu(QStringLiteral("Dosya"));
    auto item = [this](QMenu* m, const QString& text, QAction* same) {
        QAction* a = m->addAction(text);
        connect(a, &QAction::triggered, same, &QAction::trigger);
        return a;
    };
    item(dosya, QStringLiteral("Firma Değiştir"), m_firmaDegistir);
    m_menuSistem = item(dosya, QStringLiteral("Sistem Yönetimi"), findChild<QAction*>(QStringLiteral("btnSistemYonetimi")));
    item(dosya, QStringLiteral("Barkod Etiketleri"), findChild<QAction*>(QStringLiteral("btnBarkod")));
    item(dosya, QStringLiteral("Hesap Makinesi"), findChild<QAction*>(QStringLiteral("btnHesapMakinesi")));
    m_menuKurlar = item(dosya, QStringLiteral("Günlük Döviz Kurları"), m_kurlar);
    dosya->addSeparator();
    item(dosya, QStringLiteral("Çıkış"), findChild<QAction*>(QStringLiteral("btnCikis")));

    QMenu* duzen = menuBar()->addMenu(QStringLiteral("Düzen"));
    const struct { const char* text; const char* slot; QKeySequence key; } edits[] = {
        {"Geri Al", "undo", QKeySequence::Undo},       {"Kes", "cut", QKeySequence::Cut},
        {"Kopyala", "copy", QKeySequence::Copy},       {"Yapıştır", "paste", QKeySequence::Paste},
        {"Tümünü Seç", "selectAll", QKeySequence::SelectAll}};
    for (const auto& e : edits) {
        QAction* a = duzen->addAction(QString::fromUtf8(e.text));
        const char* slot = e.slot;
        connect(a, &QAction::triggered, this, [this, slot] { editCommand(slot); });
    }

    QMenu* araclar = menuBar()->addMenu(QStringLiteral("Araçlar"));
    araclar->addAction(QStringLiteral("Veri Aktarımları"));

    QMenu* yardim = menuBar()->addMenu(QStringLiteral("Yardım"));
    connect(yardim->addAction(QStringLiteral("Yardım")), &QAction::triggered, this, &MainForm::showHelp);
    connect(yardim->addAction(QStringLiteral("Hakkında")), &QAction::triggered, this, &MainForm::showAbout);

    // F1 anywhere in the program, modal cards included, opens the guide's page of its window.
    qApp->installEventFilter(this);
}

void MainForm::editCommand(const char* slot)
{
    // The focused editor has the slot (QLineEdit, QTextEdit, QPlainTextEdit, spin boxes' editors).
    QWidget* w = QApplication::focusWidget();
    if (w && w->metaObject()->indexOfSlot((QByteArray(slot) + "()").constData()) >= 0)
        QMetaObject::invokeMethod(w, slot);
}

QToolButton* MainForm::shortcutButton(int slot) const
{
    return slot >= 1 && slot <= m_shortcuts.size() ? m_shortcuts.at(slot - 1) : nullptr;
}

void MainForm::showEvent(QShowEvent* e)
{
    QMainWindow::showEvent(e);
    if (!e->spontaneous())
        onShow();
}

void MainForm::onShow()
{
    createAccessTree();
    m_lbDurum->setText(QStringLiteral("Son Güncelleme ") + QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy"))
                       + QLatin1Char(' ') + QTime::currentTime().toString(QStringLiteral("HH:mm:ss")));
    applyRights();
    loadShortcuts();
}

void MainForm::refresh()
{
    // After a login (or a firm change) the resident windows are created hidden.
    m_runner.createResidentWindows();
    m_lbSubekod->setText(m_s.SubeKoduMetni);
    setWindowTitle(ProgramEntry::mainTitle(m_ekim, m_s));
    // A hidden form does all of it when it is shown.
    if (isVisible())
        onShow();
}

void MainForm::createAccessTree()
{
    if (!m_s.db().isValid())
        return;
    ErrorPresenter::run([this] {
        m_ekim = ProgramEntry::readInstallation(m_s.db());
        ProgramEntry::enter(m_s.db(), m_s);
    });
    setWindowTitle(ProgramEntry::mainTitle(m_ekim, m_s));
    m_lbSubekod->setText(m_s.SubeKoduMetni);
    m_runner.companions().setProgramPath(m_ekim.prgYolu);

    auto* tree = new TMenuTree(m_s);
    tree->setAvailability([this](const QString& c) { return m_runner.available(c); });
    connect(tree, &TMenuTree::runRequested, this, [this](const QString& c) { runEntry(c); });
    connect(tree, &TMenuTree::shortcutsChanged, this, &MainForm::loadShortcuts);
    setCentralWidget(tree); // the previous tree goes with its lists
    m_tree = tree;

    delete m_ace;
    m_ace = nullptr;
    const QKeySequence key(m_ekim.ace);
    if (!m_ekim.ace.isEmpty() && !key.isEmpty()) {
        // The installation's key brings the access tree forward.
        m_ace = new QShortcut(key, this);
        connect(m_ace, &QShortcut::activated, this, [this] {
            activateWindow();
            raise();
            if (m_tree)
                m_tree->setFocus();
        });
    }
    tree->show();
    tree->reload();
}

void MainForm::applyRights()
{
    // A button opens what its menu entry opens, under the same right test; one whose window
    // is not built yet is greyed like one the user has no right to.
    auto usable = [this](const char* caption) {
        const QString c = QString::fromUtf8(caption);
        return MenuRights::allows(c, m_s) && m_runner.available(c);
    };
    m_stok->setEnabled(usable("Stok Kayıtları"));
    m_kurlar->setEnabled(usable("Döviz Kurları"));
    m_menuKurlar->setEnabled(m_kurlar->isEnabled());
    for (const auto& [name, caption] : {std::pair{"btnPerakende", "Perakende Satış İşlemleri"},
                                        std::pair{"btnMusteriler", "Cari Kayıtlar"},
                                        std::pair{"btnListeRaporlar", "Personel Listesi"}})
        findChild<QAction*>(QLatin1String(name))->setEnabled(usable(caption));
    m_sistem->setEnabled(usable("Sistem Yönetimi"));
    m_menuSistem->setEnabled(m_sistem->isEnabled());
}

void MainForm::loadShortcuts()
{
    QMap<int, QString> rows;
    if (m_s.db().isValid())
        ErrorPresenter::run([&] { rows = Shortcuts(m_s.db()).all(); });
    for (int slot = 1; slot <= m_shortcuts.size(); ++slot) {
        const QString c = rows.value(slot);
        QToolButton* b = m_shortcuts.at(slot - 1);
        b->setText(c.isEmpty() ? emptySlotText(slot) : c);
        // An empty slot stays usable: its hint tells how to fill it.
        b->setEnabled(c.isEmpty() || m_runner.available(c.trimmed()));
    }
}

void MainForm::runShortcut(int slot)
{
    QString caption;
    if (!ErrorPresenter::run([&] { caption = Shortcuts(m_s.db()).caption(slot); }))
        return;
    if (caption.isEmpty())
        return;
    shortcutButton(slot)->setText(caption);
    if (m_tree)
        m_tree->setCurrentCaption(caption);
    runEntry(caption);
}

MenuDispatch::Result MainForm::runEntry(const QString& caption) { return m_runner.run(caption); }

QWidget* MainForm::openWindow(const QString& name) { return m_runner.openWindow(name); }

void MainForm::showHelp() { openHelp(HelpFile::path()); }

bool MainForm::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_F1 &&
        watched->isWidgetType()) {
        showHelpFor(static_cast<QWidget*>(watched)->window());
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainForm::showHelpFor(const QWidget* window)
{
    // Windows opened from the menu are named by their caption; the guide names pages by class.
    QString name = window ? window->objectName() : QString();
    if (const WindowEntry* e = m_runner.registry().find(name))
        name = e->className;
    openHelp(HelpFile::pageFor(name));
}

void MainForm::openHelp(const QString& file)
{
    if (file.isEmpty()) {
        Prompter::instance().warn(QStringLiteral("Yardım dosyası bulunamadı (help/index.html)."));
        return;
    }
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(file)))
        Prompter::instance().warn(QStringLiteral("Yardım dosyası açılamadı: ") + file);
}

void MainForm::showAbout()
{
    TFormHakkinda box(m_s, m_ekim.firmaAdi, this);
    box.exec();
}

} // namespace nimbo
