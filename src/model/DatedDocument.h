#pragma once
#include "model/DocumentModel.h"

#include <QDateTime>

namespace nimbo {

// A document whose lines follow its header date: a new date goes to every line (into the
// line's own date column, when lines carry one), then the header and each line look their
// rates of the day up again through headerRedated() and lineRedated(). It also offers the
// save checks such documents share: the date lock and the run over every line.
//
//   class XBelgesi : public DatedDocument {
//       XBelgesi(const Db& db) : DatedDocument(db, "XHDR", {"NO"}, "TARIH", "TARIH") {}
//       void lineRedated(int row) override { rateOfTheDay(row); }
//       QList<SaveCheck> checks() override { return {dateLockCheck(), lineCheck(...)}; }
//   };
class DatedDocument : public DocumentModel {
public:
    // The header date, or today while the header has none.
    QDate documentDate() const;
    // The document date as rows store it: the start of its day.
    QDateTime dayStart() const { return QDateTime(documentDate(), QTime(0, 0)); }

protected:
    DatedDocument(const Db& db, const QString& headerTable, const QStringList& keyColumns, const QString& dateColumn,
        const QString& lineDateColumn = {});

    const QString& dateColumn() const { return m_dateColumn; }
    // Subclasses that react to other header columns call this first.
    void headerChanged(const QString& column) override;
    // The header date into every line, then the rates of the day again.
    void redate();
    virtual void headerRedated() { }
    virtual void lineRedated(int row) { }

    // "tarih kilidi": a date outside the firm's open period stops the save (the lock
    // message is shown) with the cursor on the date.
    SaveCheck dateLockCheck() const;
    // "satırlar tamam": the document's own check of one line, run over every line in order.
    SaveCheck lineCheck(std::function<void(CheckContext&, int row)> check);

private:
    QString m_dateColumn;
    QString m_lineDateColumn;
};

} // namespace nimbo
