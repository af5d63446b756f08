#pragma once
// Qt Core only: domain cards (src/<subsystem>/*.cpp) derive from this; the windows in
// widgets/ bind to it. Nothing here may include Qt Widgets.
#include "db/Db.h"
#include "model/EditRight.h"
#include "model/FieldError.h"
#include "model/ListQuery.h"

#include <QString>
#include <QVariantMap>

namespace nimbo {

// The values of one card by column name, with what was loaded so that a window can tell
// unsaved changes and a writer can store only what changed. A domain card derives from it
// and adds open, defaults, checks and the write:
//
//   class XKart : public CardModel {
//       QString table() const override { return "X"; }
//       EditRight right() const override { return {"XRIGHT", EditRight::Policy::Strict}; }
//       void startNew(); void open(key);
//   protected:
//       void store() override { checks...; DbTransaction tx(db); RecordWriter(...)...; tx.commit(); }
//   };
class CardModel {
public:
    virtual ~CardModel() = default;

    // The table the card edits; editors take their maximum length from its declaration.
    virtual QString table() const = 0;
    // The right that guards changing and deleting the card (none by default).
    virtual EditRight right() const { return {}; }
    bool mayChange() const { return right().mayChange(); }

    // Refuses a user who may not change the card (UserError), then store(): the checks in
    // order (FieldError at the first failure) and one transaction (DbError escapes for the
    // window to show). Afterwards the card is no longer new and has no unsaved changes.
    void save();

    QVariant value(const QString& column) const { return m_values.value(column); }
    QString text(const QString& column) const { return toText(m_values.value(column)).trimmed(); }
    void setValue(const QString& column, const QVariant& v)
    {
        m_values.insert(column, v);
        ++m_version;
    }
    // Changes whenever a value is set or the card is reloaded.
    quint64 version() const { return m_version; }
    const QVariantMap& values() const { return m_values; }
    // The values as opened or last saved.
    const QVariantMap& loaded() const { return m_loaded; }

    bool isNew() const { return m_new; }
    // Unsaved changes: a value differs from the loaded one (null and empty text are equal).
    virtual bool isModified() const;
    // The current values become the unchanged state (after load, defaults and save).
    void markClean() { m_loaded = m_values; }

protected:
    virtual void store() = 0;
    void reset(const QVariantMap& values, bool isNew)
    {
        m_values = values;
        ++m_version;
        m_new = isNew;
        markClean();
    }
    void setNew(bool n) { m_new = n; }

private:
    QVariantMap m_values;
    QVariantMap m_loaded;
    bool m_new = true;
    quint64 m_version = 0;
};

} // namespace nimbo
