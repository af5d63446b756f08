#pragma once
#include "widgets/CardModel.h"

#include <QDialog>
#include <QHash>
#include <QPointer>
#include <functional>

class QCheckBox;
class QComboBox;
class QDateEdit;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace nimbo {

// Base of every card editor ("...Sakla" windows). The card's rules live in its CardModel;
// this window only binds editors to the model's columns and runs the save:
//
//   class TFormXSakla : public CardWindow {
//       XKart m_kart;                                  // derives from CardModel
//       TFormXSakla() : CardWindow(m_kart) { ... bind(edKod, "KOD"); ... showModel(); }
//   };
//
// - bind(): editors write through to the model as the user types; text editors stop at the
//   column's declared length; checks store "E"/"H"; combos store their item data.
// - save() ("Sakla"): runs beforeSave() (a card posts its grids' pending rows there), then
//   calls model.save(); a FieldError shows its message and puts the cursor
//   in the bound editor; a DbError shows "Aynı Kodlu Kayıt Var.", "Gerekli Alanları Lüften
//   Giriniz." or "Diğer Kullanıcı bu kaydı değiştiriyor."; the window stays open on failure.
// - Closing with unsaved changes asks "Kaydı Saklamak İstiyormusunuz?"; "Vazgeç" drops them.
class CardWindow : public QDialog {
    Q_OBJECT
public:
    explicit CardWindow(CardModel& model, QWidget* parent = nullptr);

    void bind(QLineEdit* e, const QString& column);
    void bindNumber(QLineEdit* e, const QString& column, int decimals = 2);
    void bind(QPlainTextEdit* e, const QString& column);
    // Item data is the stored value; an editable combo without matching item stores its text.
    void bind(QComboBox* c, const QString& column);
    void bind(QCheckBox* c, const QString& column, const QString& on = QStringLiteral("E"),
              const QString& off = QStringLiteral("H"));
    void bind(QDateEdit* e, const QString& column);
    QWidget* editorFor(const QString& column) const { return m_editors.value(column); }

    void setColumnsReadOnly(const QStringList& columns, bool readOnly);
    // Every bound editor inside the panel.
    void setPanelReadOnly(QWidget* panel, bool readOnly);

    // Model values into the editors (signals blocked), e.g. after the domain changed them.
    void showModel();
    void showColumn(const QString& column);

    // Runs the save; true when the record was stored (the window then closes with Accepted).
    bool save();
    CardModel& model() { return m_model; }

protected:
    // A row with "Sakla" and "Vazgeç" for the subclass to place at the bottom.
    QWidget* buttonRow();
    QPushButton* saveButton() const { return m_save; }
    // Called first by every save ("Sakla", Yes to the unsaved-changes question, a test calling
    // save()): a card moves what its own editors hold (grid rows, pictures) into the model.
    // Returning false stops the save; the hook shows its own message and the window stays open.
    virtual bool beforeSave() { return true; }
    // Called after a successful save, before the window closes.
    virtual void afterSave() {}
    // Shows the failure of a domain call the way save() does; true when nothing failed.
    bool guard(const std::function<void()>& f);

    void reject() override;

private:
    void write(const QString& column, const QVariant& v);

    CardModel& m_model;
    QHash<QString, QPointer<QWidget>> m_editors;
    QPushButton* m_save = nullptr;
    bool m_closing = false;
    bool m_cancelled = false;
};

} // namespace nimbo
