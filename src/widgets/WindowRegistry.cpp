#include "widgets/WindowRegistry.h"

namespace nimbo {

WindowRegistry& WindowRegistry::instance()
{
    static WindowRegistry r;
    return r;
}

void WindowRegistry::add(const WindowEntry& e)
{
    for (WindowEntry& x : m_entries)
        if (x.caption == e.caption) {
            x = e;
            return;
        }
    m_entries.append(e);
}

const WindowEntry* WindowRegistry::byCaption(const QString& caption) const
{
    for (const WindowEntry& e : m_entries)
        if (e.caption == caption)
            return &e;
    return nullptr;
}

const WindowEntry* WindowRegistry::byClassName(const QString& className) const
{
    for (const WindowEntry& e : m_entries)
        if (e.className.compare(className, Qt::CaseInsensitive) == 0)
            return &e;
    return nullptr;
}

const WindowEntry* WindowRegistry::find(const QString& name) const
{
    const WindowEntry* e = byClassName(name);
    return e ? e : byCaption(name);
}

} // namespace nimbo
