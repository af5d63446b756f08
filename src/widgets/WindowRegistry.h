#pragma once
#include <QList>
#include <QString>
#include <functional>

class QWidget;

namespace nimbo {

// Every window the main form can open, registered by its caption by the subsystem
// that owns it. The main form's dispatch and "nimbo --shot" look windows up here.
struct WindowEntry {
    QString caption;    // the menu caption, e.g. "Döviz Kurları"
    QString className;  // e.g. "TFormDoviz"
    std::function<QWidget*(QWidget* parent)> create;
    bool modal = false;
    QString rightColumn; // KIMKUL column that guards it (empty: none)
    enum class RightTest { None, ViewOrFull, FullOnly, NotDash } rightTest = RightTest::None;
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
