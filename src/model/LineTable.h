#pragma once
#include <QList>
#include <QString>
#include <QVariantMap>

namespace nimbo {

// The lines of one table of a document, in order, each with its state since it was loaded.
// Removing a line that came from the database keeps it aside as deleted, so a save can log
// and rewrite what changed ("Düzeltmede Silindi" / "Düzeltmede Eklendi").
class LineTable {
public:
    enum class State { Loaded, Added, Changed };

    explicit LineTable(const QString& name = {}) : m_name(name) {}

    QString name() const { return m_name; }
    int count() const { return int(m_rows.size()); }
    bool isEmpty() const { return m_rows.isEmpty(); }

    QVariant value(int row, const QString& column) const { return m_rows.at(row).values.value(column); }
    double number(int row, const QString& column) const { return value(row, column).toDouble(); }
    QString text(int row, const QString& column) const;
    const QVariantMap& row(int row) const { return m_rows.at(row).values; }
    State state(int row) const { return m_rows.at(row).state; }
    // Changes whenever a value of the line is set; never the same for two different lines, so
    // a cache of values computed from a line can tell whether they still hold.
    quint64 generation(int row) const { return m_rows.at(row).generation; }
    // Values the line had when it was loaded (empty for an added line).
    const QVariantMap& loadedRow(int row) const { return m_rows.at(row).loaded; }

    void set(int row, const QString& column, const QVariant& v);
    // A new line at the end (or before `before`); returns its index.
    int append(const QVariantMap& values = {});
    int insert(int before, const QVariantMap& values);
    void remove(int row);

    // Replaces every line by what the database holds; nothing is changed afterwards.
    void load(const QList<QVariantMap>& rows);
    void clear();
    // After a save: the current lines become the loaded state, deleted ones are forgotten.
    void markClean();

    bool isModified() const;
    // Lines taken out since loading (their loaded values).
    const QList<QVariantMap>& deletedRows() const { return m_deleted; }
    // What the correction log sees: loaded values of deleted and changed lines, and the
    // current values of added and changed lines.
    QList<QVariantMap> removedForLog() const;
    QList<QVariantMap> addedForLog() const;
    QList<QVariantMap> rows() const;
    // One more than the highest number a column holds, lines taken out since loading
    // included: a removed line's number is never given again.
    int nextNumber(const QString& column) const;

private:
    struct Line {
        QVariantMap values;
        QVariantMap loaded;
        State state = State::Added;
        quint64 generation = 0;
    };
    static quint64 nextGeneration();
    QString m_name;
    QList<Line> m_rows;
    QList<QVariantMap> m_deleted;
};

} // namespace nimbo
