#pragma once
#include "model/CardModel.h"
#include "widgets/ListColumn.h"
#include "widgets/ListGridModel.h"

#include <QDialog>
#include <QSqlRecord>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;
class QVBoxLayout;
class QHBoxLayout;

namespace nimbo {

class ReportModel;

// Base of every list window ("...Br"): a filter area on top, the grid over a query with
// bound values, quick search ("Aranan Değer" in one chosen column), a command row (new,
// change, delete, copy, print, export, and "Seç" in pick mode) and a footer for row totals.
//
// A subclass supplies the query and the commands; the rules sit in domain classes:
//
//   class TFormXBr : public ListWindow {
//       ListQuery query() const override { return XListe(db()).query(filter(), searchField(), searchText()); }
//       void newRecord() override { TFormXSakla f(...); if (f.exec()) refresh(f.savedKey()); }
//       bool deleteRecord(const QSqlRecord& r) override { return guard([&]{ XListe(db()).sil(...); }); }
//   };
//
// Call setColumns() and setKeyField() in the constructor, then refresh() once.
class ListWindow : public QDialog {
    Q_OBJECT
public:
    enum Command { New = 1, Change = 2, Delete = 4, Copy = 8, Print = 16, Export = 32 };

    explicit ListWindow(const QString& caption, QWidget* parent = nullptr);

    void setColumns(const QList<ListColumn>& columns);
    void setKeyField(const QString& field) { m_keyField = field; }
    // Quick-search choices: caption shown, query field searched (the search row shows once
    // a choice exists; the subclass's query reads searchField() and searchText()).
    void addSearchField(const QString& caption, const QString& field);
    void setCommands(int commands);
    // Pick mode: "Seç" (and double-click, Enter) closes with the current row as the result.
    void setPickMode(bool on);
    bool pickMode() const { return m_pick; }
    QSqlRecord selectedRecord() const { return m_selected; }

    // Re-runs the query, then puts the cursor on the row whose key equals keepKey
    // (or on the same row number when the key is gone).
    void refresh(const QVariant& keepKey = {});
    QSqlRecord currentRecord() const;
    QVariant currentKey() const;
    int rowCount() const;
    bool locate(const QVariant& key);

    QTableView* grid() const { return m_grid; }
    ListGridModel* gridModel() const { return m_model; }
    // Filter editors (above the grid): the widget goes left of the "Filtrele" button, which
    // re-runs the query; the area shows once something is added.
    void addFilterWidget(QWidget* w);
    QWidget* filterArea() const { return m_filterArea; }
    // Row totals and other lines go here (below the grid).
    QVBoxLayout* footerLayout() const { return m_footerLay; }
    // Shortcut buttons to related windows go here (beside the commands).
    QHBoxLayout* commandLayout() const { return m_commandLay; }

    QString searchField() const;
    QString searchText() const;
    // The rows of the current query as a report (all rows, not only those fetched).
    virtual ReportModel report();

public Q_SLOTS:
    void runNew() { newRecord(); }
    void runChange();
    void runDelete();
    void runCopy();
    void runPrint();
    void runExport();

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
    bool guard(const std::function<void()>& f);

private:
    void emitCurrent();
    void select();

    QString m_keyField;
    ListGridModel* m_model;
    QTableView* m_grid;
    QWidget* m_filterArea;
    QHBoxLayout* m_filterLay;
    QVBoxLayout* m_footerLay;
    QHBoxLayout* m_commandLay;
    QWidget* m_searchRow;
    QComboBox* m_searchField;
    QLineEdit* m_searchText;
    QList<QPushButton*> m_buttons; // New, Change, Delete, Copy, Print, Export
    QPushButton* m_select;
    bool m_pick = false;
    QSqlRecord m_selected;
};

} // namespace nimbo
