#pragma once
#include "model/DocumentModel.h"
#include "widgets/LineGrid.h"
#include "widgets/TotalsPanel.h"

#include <QDialog>
#include <QHash>
#include <QPointer>
#include <memory>

class QCheckBox;
class QComboBox;
class QDateEdit;
class QLineEdit;
class QPushButton;

namespace nimbo {

// Base of every document window: header editors bound to the document's header columns,
// one or more LineGrids, a TotalsPanel and the Sakla / İptal / Yazdır buttons.
//
//   class TFormX : public DocumentWindow {
//       TFormX() : DocumentWindow(std::make_unique<XBelgesi>(...), "Caption") {
//           bindHeader(edTarih, "TARIH"); addLineGrid(DocumentModel::kItems, columns);
//           addTotals({...}); layout->addWidget(buttonRow()); showDocument(); }
//   };
//
// A header edit goes to DocumentModel::setHeader(), a cell edit to setLine(); the grids and
// totals are shown again after each. save(): a refusal (already shown by the document's
// checks) puts the cursor on its field or cell; a failed write shows "Hata:" with the error
// text and the document stays open and unchanged; after the commit the document's steps
// run (ledger question, print ...). Closing with unsaved changes asks
// "Kaydı Saklamak İstiyormusunuz?".
class DocumentWindow : public QDialog {
    Q_OBJECT
public:
    // The window owns the document: its grids go before it.
    DocumentWindow(std::unique_ptr<DocumentModel> doc, const QString& caption, QWidget* parent = nullptr);
    ~DocumentWindow() override;

    DocumentModel& document() { return *m_doc; }

    void bindHeader(QLineEdit* e, const QString& column);
    void bindHeaderNumber(QLineEdit* e, const QString& column, int decimals = 2);
    void bindHeader(QDateEdit* e, const QString& column);
    void bindHeader(QComboBox* c, const QString& column);
    QWidget* headerEditor(const QString& column) const { return m_editors.value(column); }

    LineGrid* addLineGrid(const QString& lines, const QList<LineColumn>& columns);
    LineGrid* lineGrid(const QString& lines = DocumentModel::kItems) const { return m_grids.value(lines); }
    TotalsPanel* addTotals(const QList<TotalsPanel::Field>& fields, int perRow = 2);
    TotalsPanel* totals() const { return m_totals; }

    // Header editors, grids and totals from the document.
    void showDocument();
    // Runs the save; true when the document was stored.
    bool save();
    QVariant savedKey() const { return m_savedKey; }

    // How many windows of this class are open (for windows a caller opens only so often).
    static int openCount(const QString& className);

protected:
    // A row with "Sakla", "İptal" and, when printable, "Yazdır".
    QWidget* buttonRow(bool printable = true);
    virtual bool beforeSave() { return true; }
    virtual void afterSave(const SaveResult&) {}
    virtual void print() {}
    // Runs a domain call; a refusal focuses its field or cell, a database error shows "Hata:".
    bool guard(const std::function<void()>& f);
    void reject() override;

private:
    void headerEdited(const QString& column, const QVariant& v);
    // Shows the header's values in their editors, all but the one being edited.
    void showHeader(const QString& except = {});

    std::unique_ptr<DocumentModel> m_doc;
    QHash<QString, QPointer<QWidget>> m_editors;
    QHash<QString, LineGrid*> m_grids;
    TotalsPanel* m_totals = nullptr;
    QVariant m_savedKey;
    bool m_closing = false;
    bool m_filling = false;
};

} // namespace nimbo
