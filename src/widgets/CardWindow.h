#pragma once
#include "model/CardModel.h"
#include "widgets/FieldBinder.h"
#include "widgets/SaveFlow.h"

#include <QDialog>
#include <functional>

class QCheckBox;
class QComboBox;
class QDateEdit;
class QFormLayout;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace nimbo {

// Base of every card editor ("...Sakla" windows). The card's rules live in its CardModel;
// this window binds editors to the model's columns (FieldBinder) and runs the save:
//
//   class TFormXSakla : public CardWindow {
//       XKart m_kart;                                  // derives from CardModel
//       TFormXSakla() : CardWindow(m_kart) { ... bind(edKod, "KOD"); ... showModel(); }
//   };
//
// - save() ("Sakla"): runs beforeSave() (a card posts its grids' pending rows there), then
//   model.save(); a refusal is shown by the ErrorPresenter with the cursor in the bound
//   editor; a database error shows one of the three store texts; the window stays open.
// - A user who may not change the card (its right is "O") sees it read-only: every editor,
//   every grid, Sakla and the card's own command buttons (except those marked with
//   markViewCommand()) are locked; the model refuses a save all the same.
// - Closing with unsaved changes asks "Kaydı Saklamak İstiyormusunuz?"; "Vazgeç" drops them.
class CardWindow : public QDialog {
    Q_OBJECT
public:
    explicit CardWindow(CardModel& model, QWidget* parent = nullptr);

    void bind(QLineEdit* e, const QString& column) { m_binder.bind(e, column); }
    // A line editor bound to the column, named "Edit" + column, added to the form with its caption.
    QLineEdit* addEdit(QFormLayout* form, const QString& column, const QString& caption);
    void bindNumber(QLineEdit* e, const QString& column, int decimals = 2) { m_binder.bindNumber(e, column, decimals); }
    void bind(QPlainTextEdit* e, const QString& column) { m_binder.bind(e, column); }
    void bind(QComboBox* c, const QString& column) { m_binder.bind(c, column); }
    void bind(QCheckBox* c, const QString& column, const QString& on = QStringLiteral("E"),
              const QString& off = QStringLiteral("H"))
    {
        m_binder.bind(c, column, on, off);
    }
    void bind(QDateEdit* e, const QString& column) { m_binder.bind(e, column); }
    QWidget* editorFor(const QString& column) const { return m_binder.editorFor(column); }
    FieldBinder& binder() { return m_binder; }

    void setColumnsReadOnly(const QStringList& columns, bool readOnly) { m_binder.setColumnsReadOnly(columns, readOnly); }
    void setPanelReadOnly(QWidget* panel, bool readOnly) { m_binder.setPanelReadOnly(panel, readOnly); }
    bool viewOnly() const { return m_binder.viewOnly(); }

    void showModel() { m_binder.showAll(); }
    void showColumn(const QString& column) { m_binder.show(column); }

    // Runs the save; true when the record was stored (the window then closes with Accepted).
    bool save();
    CardModel& model() { return m_model; }

protected:
    // A row with "Sakla" and "Vazgeç" for the subclass to place at the bottom.
    QWidget* buttonRow();
    QPushButton* saveButton() const { return m_save; }
    // A button that only shows something (another window, a history): stays usable when
    // the card is view only.
    static void markViewCommand(QWidget* button);
    // Called first by every save ("Sakla", Yes to the unsaved-changes question, a test calling
    // save()): a card moves what its own editors hold (grid rows, pictures) into the model.
    // Returning false stops the save; the hook shows its own message and the window stays open.
    virtual bool beforeSave() { return true; }
    // Called after a successful save, before the window closes.
    virtual void afterSave() {}
    // Shows the failure of a domain call the way save() does; true when nothing failed.
    bool guard(const std::function<void()>& f);

    void reject() override;
    void showEvent(QShowEvent* e) override;

private:
    void lockForViewing();

    CardModel& m_model;
    FieldBinder m_binder;
    SaveFlow m_flow;
    QPushButton* m_save = nullptr;
    bool m_locked = false;
};

} // namespace nimbo
