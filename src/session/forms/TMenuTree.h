#pragma once
#include "db/Db.h"

#include <QWidget>
#include <functional>

class QLabel;
class QListWidget;
class QListWidgetItem;
class QMenu;
class QTabWidget;
class QTreeWidget;

namespace nimbo {

class SessionContext;

// The access tree: the program's real menu. Groups on the left, the user's entries of the
// chosen group on the right ("Tüm Menü"), and the user's favourites ("Kullanıcı Seçimleri").
class TMenuTree : public QWidget {
    Q_OBJECT
public:
    enum Page { TumMenu = 0, KullaniciSecimleri = 1 };

    explicit TMenuTree(SessionContext& s, QWidget* parent = nullptr);

    // Reads the lists again; the group with ID 1 is chosen.
    void reload();
    void setPage(Page p);
    Page page() const;
    // Chooses a group by its ID; false when the list has no such group.
    bool selectGroup(int id);
    // Makes an entry (by ID) current on the visible page; false when it is not listed.
    bool selectEntry(int id);

    // Which entries lead somewhere; the others are listed disabled. Set before reload().
    void setAvailability(std::function<bool(const QString& caption)> available) { m_available = std::move(available); }

    QString currentCaption() const { return m_currentCaption; }
    void setCurrentCaption(const QString& c) { m_currentCaption = c; }
    int currentId() const { return m_currentId; }

    // The context menu of the current entry of the visible page (the caller owns it).
    QMenu* contextMenu();
    // Its commands.
    void runCurrent();
    void addCurrentToFavourites();
    void removeCurrentFromFavourites();
    void addCurrentToShortcut(int slot);

    QTreeWidget* groupTree() const { return m_groups; }
    QListWidget* entryList() const { return m_entries; }
    QListWidget* favouriteList() const { return m_favourites; }
    QTabWidget* tabs() const { return m_tabs; }
    QLabel* groupCaption() const { return m_groupCaption; }

Q_SIGNALS:
    void runRequested(const QString& caption);
    void shortcutsChanged();

private:
    void loadGroups();
    void loadEntries(int groupId);
    void loadFavourites();
    void pageChanged();
    void entryChosen(QListWidgetItem* item);
    QListWidget* visibleList() const;
    bool guarded(const std::function<void()>& f);

    SessionContext& m_s;
    QTabWidget* m_tabs;
    QTreeWidget* m_groups;
    QLabel* m_groupCaption;
    QListWidget* m_entries;
    QListWidget* m_favourites;
    int m_groupId = 0;
    int m_currentId = 0;
    QString m_currentCaption;
    std::function<bool(const QString&)> m_available;
};

} // namespace nimbo
