#pragma once
#include <QHash>
#include <QList>
#include <QWidget>

class QLabel;

namespace nimbo {

class DocumentModel;

// The totals of a document, declared as a list of header fields, shown read-only in rows
// of `perRow` fields.
class TotalsPanel : public QWidget {
    Q_OBJECT
public:
    struct Field {
        QString column;
        QString caption;
        int decimals = 2;
        bool balance = false; // an account balance (credit minus debit): amount with " (A)" / " (B)"
    };
    TotalsPanel(const DocumentModel& doc, const QList<Field>& fields, int perRow = 2, QWidget* parent = nullptr);
    // Debit and credit totals in local currency, USD and EUR ("Toplam TL  Borç" ...), two a row.
    static QList<Field> borcAlacakToplamlari();
    void refresh();
    QString shown(const QString& column) const; // the text of one total (tests)

private:
    const DocumentModel& m_doc;
    QList<Field> m_fields;
    QHash<QString, QLabel*> m_labels;
};

} // namespace nimbo
