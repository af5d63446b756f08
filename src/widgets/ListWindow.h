#pragma once
#include "model/EditRight.h"
#include "model/ListQuery.h"
#include "widgets/FilterField.h"
#include "widgets/ListColumn.h"
#include "widgets/ListGridModel.h"

#include <QDialog>
#include <QHash>
#include <QSqlRecord>

class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;
class QTimer;
class QVBoxLayout;
class QHBoxLayout;

namespace nimbo {

class ReportModel;

// Base of every list window ("...Br"): a filter area on top, the grid over a keyed query
// read in pages, quick search ("Aranan Değer" in one chosen column), a command row (new,
// change, delete, copy, print, export, and "Seç" in pick mode) and a footer for row totals.
//
// A subclass supplies the query and the commands; the rules sit in domain classes:
//
//   class TFormXBr : public ListWindow {
//       ListQuery query() const override { return XListe(db()).query(filter(), searchField(), searchText()); }
//       void newRecord() override { TFormXSakla f(...); if (f.exec()) refresh(f.savedKey()); }
//       bool deleteRecord(const QSqlRecord& r) override { return deleteGuarded([&] { return XListe(db()).sil(...); }); }
//   };
//
// Call setColumns(), setKeyField(), setEditRight() and addFilterFields() in the constructor,
// then refresh() once.
class ListWindow : public QDialog {
    Q_OBJECT
public:
    enum Command { New = 1, Change = 2, Delete = 4, Copy = 8, Print = 16, Export = 32 };
    static constexpr int kEditCommands = New | Change | Delete | Copy;

    explicit ListWindow(const QString& caption, QWidget* parent = nullptr);

    void setColumns(const QList<ListColumn>& columns);
    void setKeyField(const QString& field) { m_keyField = field; }
    // Quick-search choices: caption shown, query field searched (the search row shows once
    // a choice exists; the subclass's query reads searchField() and searchText()).
    void addSearchField(const QString& caption, const QString& field);
    void setCommands(int commands);
    // The right flag that guards changes: unless it is "H" the list is view only and offers
    // none of Yeni, Değiştir, Sil and Kopyala.
    void setEditRight(const QString& rightColumn);
    // The same by a card's right (a list of code/name rows follows its cards' rule).
    void setEditRight(const EditRight& right);
    bool viewOnly() const { return m_viewOnly; }
    // Pick mode: "Seç" (and double-click, Enter) closes with the current row as the result;
    // with multi, every selected row in list order.
    void setPickMode(bool on, bool multi = false);
    bool pickMode() const { return m_pick; }
    QSqlRecord selectedRecord() const { return m_selected.value(0); }
    QList<QSqlRecord> selectedRecords() const { return m_selected; }

    // Re-runs the query, then puts the cursor on the row whose key equals keepKey (seeking
    // it in the list), or on the same row number when the key is gone.
    void refresh(const QVariant& keepKey = {});
    QSqlRecord currentRecord() const;
    QVariant currentKey() const;
    // Every row of the list (reads the rest of it).
    int rowCount() const;
    bool locate(const QVariant& key);
    // Orders the list by a column (clicking its heading does the same).
    virtual void sortByColumn(const QString& field, bool descending);

    QTableView* grid() const { return m_grid; }
    ListGridModel* gridModel() const { return m_model; }
    // Declared filter fields, laid out in a box above the grid, perColumn fields a column.
    void addFilterFields(const QList<FilterField>& fields, int perColumn = 4);
    // A field's value: trimmed text, number, or the choice's value; invalid when empty.
    QVariant filterValue(const QString& name) const;
    QString filterText(const QString& name) const { return filterValue(name).toString(); }
    // New choices for a choice field, keeping the chosen value when it is still offered.
    void setFilterChoices(const QString& name, const FilterField::Choices& choices);
    QWidget* filterEditor(const QString& name) const { return m_filterEditors.value(name); }
    // Other filter editors (above the grid): the widget goes left of the "Filtrele" button.
    void addFilterWidget(QWidget* w);
    QWidget* filterArea() const { return m_filterArea; }
    // Row totals and other lines go here (below the grid).
    QVBoxLayout* footerLayout() const { return m_footerLay; }
    // Shortcut buttons to related windows go here (beside the commands).
    QHBoxLayout* commandLayout() const { return m_commandLay; }

    QString searchField() const;
    QString searchText() const;
    // The columns printed: the chosen ones (remembered per window), else those shown.
    QList<int> printColumns() const;
    void setPrintColumns(const QList<int>& columns);
    // Every row of the list as a report, read by a query of its own.
    virtual ReportModel report();

Q_SIGNALS:
    // A filter field changed (before the list follows): narrow dependent choices here.
    void filterEdited(const QString& name);

public Q_SLOTS:
    void runNew();
    void runChange();
    void runDelete();
    void runCopy();
    void runPrint();
    void runExport();
    void chooseColumns();

protected:
    virtual ListQuery query() const = 0;
    virtual void newRecord() {}
    virtual void changeRecord(const QSqlRecord& row) {}
    // Returns true when the row was deleted (the list then refreshes).
    virtual bool deleteRecord(const QSqlRecord& row) { return false; }
    virtual void copyRecord(const QSqlRecord& row) {}
    // The cursor moved (or the list was reloaded): show the row's totals.
    virtual void currentChanged(const QSqlRecord& row) {}
    virtual Db db() const;
    // Runs a domain call and shows its failure (UserError text, or the database message).
    bool guard(const std::function<void()>& f) const;
    // A deletion through a domain call that answers whether the row went; a failure is shown
    // and leaves the row.
    bool deleteGuarded(const std::function<bool()>& remove) const;
    // Opens the row's document and deletes it as every list does: the document asks "Kayıt
    // Silinsin mi?" and refuses with its own message; true when it went.
    template <class Document, class... Args>
    bool deleteDocument(const QVariant& key, const Args&... args) const
    {
        return deleteGuarded([&] {
            Document d(db(), args...);
            d.open(key);
            return d.deleteIfAllowed();
        });
    }

private:
    void emitCurrent();
    void select();
    void fetchBeforeAtTop();
    QString printUnit() const;

    QString m_keyField;
    ListGridModel* m_model;
    QTableView* m_grid;
    QWidget* m_filterArea;
    QHBoxLayout* m_filterLay;
    QGridLayout* m_fieldGrid = nullptr;
    int m_fieldCount = 0;
    QHash<QString, QWidget*> m_filterEditors;
    QHash<QString, FilterField::Kind> m_filterKinds;
    QTimer* m_typingDelay;
    QVBoxLayout* m_footerLay;
    QHBoxLayout* m_commandLay;
    bool m_valuesFitted = false;
    QWidget* m_searchRow;
    QComboBox* m_searchField;
    QLineEdit* m_searchText;
    QList<QPushButton*> m_buttons; // New, Change, Delete, Copy, Print, Export
    QPushButton* m_columnsButton;
    QPushButton* m_select;
    int m_commands = New | Change | Delete | Copy | Print | Export;
    bool m_viewOnly = false;
    bool m_pick = false;
    bool m_seeking = false;
    QList<QSqlRecord> m_selected;
    QString m_sortField;
    bool m_sortDescending = false;
    QString m_headerField; // the heading clicked last and its order
    bool m_headerDescending = false;
};

} // namespace nimbo
