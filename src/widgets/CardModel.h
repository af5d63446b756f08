#pragma once
// Qt Core only: domain classes (src/<subsystem>/*.cpp) derive from these; the windows in
// widgets/ bind to them. Nothing here may include Qt Widgets.
#include "db/Db.h"
#include "db/Errors.h"
#include "model/ListQuery.h"

#include <QString>
#include <QVariantMap>

namespace nimbo {

// A check of a card refused the record. The window shows the message with its kind and,
// when a column is named, puts the cursor in the editor bound to it.
class FieldError : public UserError {
public:
    enum class Kind { Warn, Info, Error };
    FieldError(const QString& message, const QString& column = {}, Kind kind = Kind::Warn)
        : UserError(message), m_column(column), m_kind(kind)
    {
    }
    QString column() const { return m_column; }
    Kind kind() const { return m_kind; }

private:
    QString m_column;
    Kind m_kind;
};

// The values of one card by column name, with what was loaded so that a window can tell
// unsaved changes. A domain card derives from it and adds load, defaults, checks and save.
class CardModel {
public:
    virtual ~CardModel() = default;

    // The table the card edits; editors take their maximum length from its declaration.
    virtual QString table() const = 0;
    // Runs the checks in order (throwing FieldError at the first failure), then writes the
    // record in one transaction (DbError escapes for the window to map to a message).
    virtual void save() = 0;

    QVariant value(const QString& column) const { return m_values.value(column); }
    QString text(const QString& column) const { return toText(m_values.value(column)).trimmed(); }
    void setValue(const QString& column, const QVariant& v) { m_values.insert(column, v); }
    const QVariantMap& values() const { return m_values; }

    bool isNew() const { return m_new; }
    // Unsaved changes: a value differs from the loaded one (null and empty text are equal).
    virtual bool isModified() const
    {
        QStringList keys = m_values.keys();
        for (const QString& k : m_loaded.keys())
            if (!keys.contains(k))
                keys << k;
        for (const QString& k : keys)
            if (!same(m_values.value(k), m_loaded.value(k)))
                return true;
        return false;
    }
    // The current values become the unchanged state (after load, defaults and save).
    void markClean() { m_loaded = m_values; }

protected:
    void reset(const QVariantMap& values, bool isNew)
    {
        m_values = values;
        m_new = isNew;
        markClean();
    }
    void setNew(bool n) { m_new = n; }

private:
    static bool isNumber(const QVariant& v)
    {
        switch (v.typeId()) {
        case QMetaType::Double: case QMetaType::Float: case QMetaType::Int: case QMetaType::UInt:
        case QMetaType::LongLong: case QMetaType::ULongLong: case QMetaType::Short:
            return true;
        default:
            return false;
        }
    }
    static bool same(const QVariant& a, const QVariant& b)
    {
        const bool ea = a.isNull() || (a.typeId() == QMetaType::QString && a.toString().isEmpty());
        const bool eb = b.isNull() || (b.typeId() == QMetaType::QString && b.toString().isEmpty());
        if (ea || eb)
            return ea == eb;
        if (isNumber(a) || isNumber(b))
            return qFuzzyCompare(1.0 + a.toDouble(), 1.0 + b.toDouble());
        if (a.typeId() == QMetaType::QDate || b.typeId() == QMetaType::QDate || a.typeId() == QMetaType::QDateTime
            || b.typeId() == QMetaType::QDateTime)
            return toDate(a) == toDate(b);
        return toText(a) == toText(b);
    }

    QVariantMap m_values;
    QVariantMap m_loaded;
    bool m_new = true;
};

} // namespace nimbo
