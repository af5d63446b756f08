#pragma once
#include "db/Db.h"
#include "model/AfterCommitStep.h"
#include "model/CheckContext.h"
#include "model/DocumentHeader.h"
#include "model/LineTable.h"

#include <QMap>

namespace nimbo {

class DocumentWriter;

// What a successful save hands back to the window.
struct SaveResult {
    QVariant key;
    QList<AfterCommitStep> steps;
};

// A document: a header, named line tables and the rows it derives in the shared movement
// tables. A concrete document supplies the data and small overrides:
//
//   - defaults() and load(key) fill the header and lines;
//   - recompute() is arithmetic only (line values and totals into the header), run after
//     every setHeader() / setLine();
//   - headerChanged() / lineChanged() react to a field (look-ups such as the rate of the
//     day belong here, not in recompute());
//   - checks() lists the save checks in order; write() writes header, lines and derived
//     rows through the DocumentWriter.
//
// save(): a counter number first for a new document (never inside a transaction), then the
// checks, then one transaction around write(), then the after-commit steps are returned.
// A failed write rolls everything back and leaves the document as it was (DbError escapes).
class DocumentModel {
public:
    inline static const QString kItems = QStringLiteral("ITEMS");

    DocumentModel(const Db& db, const QString& headerTable, const QStringList& keyColumns);
    virtual ~DocumentModel() = default;
    DocumentModel(const DocumentModel&) = delete;
    DocumentModel& operator=(const DocumentModel&) = delete;

    const Db& db() const { return m_db; }

    void newDocument();
    void open(const QVariant& key);
    bool isNew() const { return m_header.isNew(); }
    bool isModified() const;
    QVariant key() const { return m_header.value(m_keyColumns.first()); }

    CardModel& headerModel() { return m_header; }
    // Changes whenever a header value is set (see CardModel::version()).
    quint64 headerVersion() const { return m_header.version(); }
    QVariant header(const QString& column) const { return m_header.value(column); }
    QString headerText(const QString& column) const { return m_header.text(column); }
    double headerNumber(const QString& column) const { return m_header.value(column).toDouble(); }
    void setHeader(const QString& column, const QVariant& v);

    LineTable& lines(const QString& name = kItems);
    const LineTable& lines(const QString& name = kItems) const;
    QStringList lineTableNames() const { return m_lines.keys(); }
    void setLine(const QString& name, int row, const QString& column, const QVariant& v);
    void setLine(int row, const QString& column, const QVariant& v) { setLine(kItems, row, column, v); }
    // A new line with the document's defaults; returns its index.
    int addLine(const QString& name = kItems);
    // Runs the line's removal checks (a refusal or a No throws DocumentError), then removes it.
    void removeLine(const QString& name, int row);

    virtual void recompute() {}
    virtual QList<SaveCheck> checks() = 0;
    SaveResult save();
    // Runs deleteChecks(), then erase() in one transaction.
    void deleteDocument();
    // deleteDocument() as a list runs it: false when a check refused or the answer was No
    // (the message has been shown), true when the document went.
    bool deleteIfAllowed();

protected:
    void addLineTable(const QString& name);
    // Header values as the database holds them (nothing changed afterwards).
    void loadHeader(const QVariantMap& values, bool isNew = false);
    // Sets a header value without the change hooks (for recompute()).
    void putHeader(const QString& column, const QVariant& v) { m_header.setValue(column, v); }

    virtual void defaults() = 0;
    virtual void load(const QVariant& key) = 0;
    virtual void allocateNumber() {}
    virtual void write(DocumentWriter& w) = 0;
    virtual QList<AfterCommitStep> afterCommit() { return {}; }
    virtual void headerChanged(const QString& column) {}
    virtual void lineChanged(const QString& lines, int row, const QString& column) {}
    virtual QVariantMap lineDefaults(const QString& lines) { return {}; }
    virtual void lineRemovalChecks(CheckContext& c, const QString& lines, int row) {}
    virtual QList<SaveCheck> deleteChecks() { return {}; }
    virtual void erase(DocumentWriter& w) {}

private:
    Db m_db;
    DocumentHeader m_header;
    QStringList m_keyColumns;
    QMap<QString, LineTable> m_lines;
};

} // namespace nimbo
