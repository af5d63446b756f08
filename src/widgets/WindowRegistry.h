#pragma once
#include <QList>
#include <QString>
#include <QVariantMap>
#include <functional>

class QWidget;

namespace nimbo {

// What a window is opened on, by name: "CARI_KOD" for the windows of one account,
// "STOK_NO" for those of one item. Opened from the menu a window gets none.
using WindowArgs = QVariantMap;

// Every window the main form can open, registered by its caption by the subsystem
// that owns it. The main form's dispatch and "nimbo --shot" look windows up here; who
// may open it is decided by the dispatch table (MenuRights), not here.
struct WindowEntry {
    QString caption;    // the menu caption, e.g. "Döviz Kurları"
    QString className;  // e.g. "TFormDoviz"
    std::function<QWidget*(QWidget* parent, const WindowArgs& args)> create;
    bool modal = false;
    // Created hidden after login and kept for the session: opening it again shows the
    // same window (its filters as the user left them), after its invokable refreshRows()
    // when it has one. Closing it hides it.
    bool resident = false;
};

class WindowRegistry {
public:
    static WindowRegistry& instance();
    void add(const WindowEntry& e);
    const WindowEntry* byCaption(const QString& caption) const;
    const WindowEntry* byClassName(const QString& className) const;
    // Either a caption or a class name.
    const WindowEntry* find(const QString& name) const;
    const QList<WindowEntry>& all() const { return m_entries; }

private:
    QList<WindowEntry> m_entries;
};

} // namespace nimbo
