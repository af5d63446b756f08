#include "session/forms/TMenuTree.h"
#include "widgets/ErrorPresenter.h"
#include "db/Errors.h"
#include "services/Prompter.h"
#include "services/SessionContext.h"
#include "session/MenuTree.h"
#include "session/Shortcuts.h"
#include "session/forms/MenuIcons.h"
#include "widgets/FormUtil.h"

#include <QHBoxLayout>
#include <QHash>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QSplitter>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace nimbo {

namespace {
constexpr int kIdRole = Qt::UserRole;

QListWidget* entryListWidget(const QString& name)
{
    auto* l = new QListWidget;
    l->setObjectName(name);
    l->setViewMode(QListView::ListMode);
    l->setIconSize(QSize(24, 24));
    l->setSpacing(1);
    l->setContextMenuPolicy(Qt::CustomContextMenu);
    l->setUniformItemSizes(true);
    return l;
}

void fill(QListWidget* list, const QVector<MenuItem>& items, const std::function<bool(const QString&)>& available)
{
    list->clear();
    for (const MenuItem& m : items) {
        auto* it = new QListWidgetItem(MenuIcons::forImage(m.imageId), m.tanim);
        it->setData(kIdRole, m.id);
        if (available && !available(m.tanim.trimmed())) {
            it->setFlags(it->flags() & ~Qt::ItemIsEnabled);
            it->setToolTip(QStringLiteral("Bu bölüm programın bu sürümünde henüz yok."));
        }
        list->addItem(it);
    }
}
} // namespace

TMenuTree::TMenuTree(SessionContext& s, QWidget* parent) : QWidget(parent), m_s(s)
{
    setObjectName(QStringLiteral("TMenuTree"));
    m_tabs = new QTabWidget;
    m_tabs->setObjectName(QStringLiteral("pcMenu"));

    m_groups = new QTreeWidget;
    m_groups->setObjectName(QStringLiteral("tvGruplar"));
    m_groups->setHeaderHidden(true);
    m_groups->setIconSize(QSize(20, 20));
    m_groups->setRootIsDecorated(true);
    m_groupCaption = new QLabel;
    m_groupCaption->setObjectName(QStringLiteral("lbGrup"));
    QFont f = m_groupCaption->font();
    f.setBold(true);
    f.setPointSizeF(f.pointSizeF() * 1.25);
    m_groupCaption->setFont(f);
    m_entries = entryListWidget(QStringLiteral("lvMenu"));

    auto* right = new QWidget;
    auto* rl = new QVBoxLayout(right);
    rl->setContentsMargins(4, 0, 0, 0);
    rl->addWidget(m_groupCaption);
    rl->addWidget(m_entries);
    auto* split = new QSplitter;
    split->addWidget(m_groups);
    split->addWidget(right);
    split->setStretchFactor(0, 2);
    split->setStretchFactor(1, 3);
    m_tabs->addTab(split, QStringLiteral("Tüm Menü"));

    m_favourites = entryListWidget(QStringLiteral("lvSecimler"));
    m_tabs->addTab(m_favourites, QStringLiteral("Kullanıcı Seçimleri"));

    auto* lay = new QVBoxLayout(this);
    lay->setContentsMargins(0, 0, 0, 0);
    lay->addWidget(m_tabs);

    connect(m_groups, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* it) {
        if (!it)
            return;
        m_groupCaption->setText(it->text(0));
        guarded([this, it] { loadEntries(it->data(0, kIdRole).toInt()); });
    });
    for (QListWidget* l : {m_entries, m_favourites}) {
        connect(l, &QListWidget::currentItemChanged, this, [this](QListWidgetItem* it) {
            if (it) {
                m_currentId = it->data(kIdRole).toInt();
                m_currentCaption = it->text();
            }
        });
        connect(l, &QListWidget::itemActivated, this, &TMenuTree::entryChosen);
        connect(l, &QWidget::customContextMenuRequested, this, [this, l](const QPoint& pos) {
            if (!l->itemAt(pos))
                return;
            l->setCurrentItem(l->itemAt(pos));
            std::unique_ptr<QMenu> m(contextMenu());
            m->exec(l->viewport()->mapToGlobal(pos));
        });
    }
    connect(m_tabs, &QTabWidget::currentChanged, this, [this] { pageChanged(); });
}

bool TMenuTree::guarded(const std::function<void()>& f)
{
    return ErrorPresenter::run(f);
}

void TMenuTree::reload()
{
    guarded([this] {
        loadGroups();
        loadFavourites();
        if (!selectGroup(1) && m_groups->topLevelItemCount() > 0)
            m_groups->setCurrentItem(m_groups->topLevelItem(0));
    });
}

void TMenuTree::loadGroups()
{
    const QVector<MenuItem> groups = MenuTree(m_s.db(), m_s.KullaniciAdi).groups();
    const QSignalBlocker block(m_groups);
    m_groups->clear();
    QHash<int, QTreeWidgetItem*> byId;
    for (const MenuItem& g : groups) {
        auto* it = new QTreeWidgetItem({g.tanim});
        it->setIcon(0, MenuIcons::forImage(g.imageId));
        it->setData(0, kIdRole, g.id);
        byId.insert(g.id, it);
    }
    // Groups may nest; a parent that is not a group itself leaves the child at the top.
    for (const MenuItem& g : groups) {
        QTreeWidgetItem* it = byId.value(g.id);
        if (QTreeWidgetItem* p = g.parent != 0 && g.parent != g.id ? byId.value(g.parent) : nullptr)
            p->addChild(it);
        else
            m_groups->addTopLevelItem(it);
    }
    m_groups->expandAll();
}

void TMenuTree::loadEntries(int groupId)
{
    m_groupId = groupId;
    fill(m_entries, MenuTree(m_s.db(), m_s.KullaniciAdi).entries(groupId), m_available);
}

void TMenuTree::loadFavourites() { fill(m_favourites, MenuTree(m_s.db(), m_s.KullaniciAdi).favourites(), m_available); }

bool TMenuTree::selectGroup(int id)
{
    for (QTreeWidgetItemIterator it(m_groups); *it; ++it)
        if ((*it)->data(0, kIdRole).toInt() == id) {
            if (m_groups->currentItem() == *it)
                guarded([this, id] { loadEntries(id); });
            else
                m_groups->setCurrentItem(*it);
            return true;
        }
    return false;
}

QListWidget* TMenuTree::visibleList() const { return page() == TumMenu ? m_entries : m_favourites; }

bool TMenuTree::selectEntry(int id)
{
    QListWidget* l = visibleList();
    for (int i = 0; i < l->count(); ++i)
        if (l->item(i)->data(kIdRole).toInt() == id) {
            l->setCurrentRow(i);
            return true;
        }
    return false;
}

void TMenuTree::setPage(Page p) { m_tabs->setCurrentIndex(p); }
TMenuTree::Page TMenuTree::page() const { return m_tabs->currentIndex() == 1 ? KullaniciSecimleri : TumMenu; }

void TMenuTree::pageChanged()
{
    const int keep = m_currentId;
    guarded([this] {
        loadFavourites();
        loadEntries(m_groupId);
    });
    if (!selectEntry(keep))
        visibleList()->setCurrentRow(-1);
}

void TMenuTree::entryChosen(QListWidgetItem* item)
{
    if (!item)
        return;
    m_currentId = item->data(kIdRole).toInt();
    m_currentCaption = item->text();
    runCurrent();
}

QMenu* TMenuTree::contextMenu()
{
    auto* m = new QMenu(this);
    m->setObjectName(QStringLiteral("pmMenu"));
    if (page() == KullaniciSecimleri) {
        connect(m->addAction(QStringLiteral("Listeden Çıkar")), &QAction::triggered, this,
                &TMenuTree::removeCurrentFromFavourites);
        return m;
    }
    connect(m->addAction(QStringLiteral("Başlat")), &QAction::triggered, this, &TMenuTree::runCurrent);
    connect(m->addAction(QStringLiteral("Listeme Ekle")), &QAction::triggered, this,
            &TMenuTree::addCurrentToFavourites);
    m->addSeparator();
    for (int slot = 1; slot <= Shortcuts::kSlots; ++slot) {
        const QString text = slot < 10 ? QStringLiteral("%1. Kısayol Ekle").arg(slot) : QStringLiteral("10.Kısayol Ekle");
        connect(m->addAction(text), &QAction::triggered, this, [this, slot] { addCurrentToShortcut(slot); });
    }
    return m;
}

void TMenuTree::runCurrent()
{
    if (!m_currentCaption.isEmpty())
        Q_EMIT runRequested(m_currentCaption);
}

void TMenuTree::addCurrentToFavourites()
{
    if (m_currentId != 0)
        guarded([this] { MenuTree(m_s.db(), m_s.KullaniciAdi).setFavourite(m_currentId, true); });
}

void TMenuTree::removeCurrentFromFavourites()
{
    if (m_currentId == 0)
        return;
    guarded([this] {
        MenuTree(m_s.db(), m_s.KullaniciAdi).setFavourite(m_currentId, false);
        loadFavourites();
    });
}

void TMenuTree::addCurrentToShortcut(int slot)
{
    if (m_currentCaption.isEmpty())
        return;
    bool changed = false;
    guarded([this, slot, &changed] { changed = Shortcuts(m_s.db()).add(slot, m_currentCaption); });
    if (changed)
        Q_EMIT shortcutsChanged();
}

} // namespace nimbo
