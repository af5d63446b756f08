#include "widgets/ListWindow.h"
#include "widgets/GridColumnFit.h"
#include "printing/ListPrintColumns.h"
#include "printing/ReportModel.h"
#include "services/MoneyFormat.h"
#include "widgets/ErrorPresenter.h"
#include "services/Prompter.h"
#include "services/SessionContext.h"
#include "widgets/FormUtil.h"
#include "widgets/ListColumnChooser.h"
#include "widgets/ListReport.h"

#include <QComboBox>
#include <QDoubleValidator>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

namespace nimbo {

ListWindow::ListWindow(const QString& caption, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(caption);
    resize(1000, 620);
    auto* lay = new QVBoxLayout(this);

    m_filterArea = new QWidget;
    m_filterArea->setObjectName(QStringLiteral("PanelFiltre"));
    m_filterLay = new QHBoxLayout(m_filterArea);
    m_filterLay->setContentsMargins(0, 0, 0, 0);
    auto* filtrele = new QPushButton(QStringLiteral("&Filtrele"));
    filtrele->setObjectName(QStringLiteral("BtnFILTRELE"));
    filtrele->setAutoDefault(false);
    m_filterLay->addStretch();
    m_filterLay->addWidget(filtrele, 0, Qt::AlignBottom);
    connect(filtrele, &QPushButton::clicked, this, [this] { refresh(); });
    m_filterArea->hide();
    lay->addWidget(m_filterArea);

    m_searchRow = new QWidget;
    auto* searchRow = new QHBoxLayout(m_searchRow);
    searchRow->setContentsMargins(0, 0, 0, 0);
    searchRow->addWidget(new QLabel(QStringLiteral("Aranan Değer")));
    m_searchText = new QLineEdit;
    m_searchText->setObjectName(QStringLiteral("EditARANAN"));
    searchRow->addWidget(m_searchText, 1);
    m_searchField = new QComboBox;
    m_searchField->setObjectName(QStringLiteral("CmbARANAN"));
    searchRow->addWidget(m_searchField);
    m_searchRow->hide();
    lay->addWidget(m_searchRow);

    m_model = new ListGridModel(this);
    m_grid = new QTableView;
    m_grid->setObjectName(QStringLiteral("Grid"));
    m_grid->setModel(m_model);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setAlternatingRowColors(true);
    m_grid->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    m_grid->verticalHeader()->setDefaultSectionSize(22);
    m_grid->verticalHeader()->hide();
    m_grid->horizontalHeader()->setSectionsClickable(true);
    m_grid->horizontalHeader()->setSortIndicatorShown(false);
    lay->addWidget(m_grid, 1);
    // A list started at a located row reads the rows before it when scrolled to the top.
    connect(m_grid->verticalScrollBar(), &QScrollBar::valueChanged, this, [this](int v) {
        if (v == m_grid->verticalScrollBar()->minimum())
            fetchBeforeAtTop();
    });
    connect(m_grid->horizontalHeader(), &QHeaderView::sectionClicked, this, [this](int section) {
        if (section < 0 || section >= m_model->columns().size())
            return;
        const QString field = m_model->columns().at(section).field;
        // A second click on the same heading turns the order round.
        m_headerDescending = field == m_headerField ? !m_headerDescending : false;
        m_headerField = field;
        sortByColumn(field, m_headerDescending);
    });

    auto* footer = new QWidget;
    m_footerLay = new QVBoxLayout(footer);
    m_footerLay->setContentsMargins(0, 0, 0, 0);
    lay->addWidget(footer);

    m_commandLay = new QHBoxLayout;
    const QList<QPair<QString, QString>> cmds = {
        {QStringLiteral("BtnYENI"), QStringLiteral("&Yeni")},       {QStringLiteral("BtnDEGISTIR"), QStringLiteral("&Değiştir")},
        {QStringLiteral("BtnSIL"), QStringLiteral("&Sil")},         {QStringLiteral("BtnKOPYALA"), QStringLiteral("&Kopyala")},
        {QStringLiteral("BtnYAZDIR"), QStringLiteral("&Yazdır")},   {QStringLiteral("BtnAKTAR"), QStringLiteral("&Aktar")}};
    for (const auto& c : cmds) {
        auto* b = new QPushButton(c.second);
        b->setObjectName(c.first);
        b->setAutoDefault(false);
        m_commandLay->addWidget(b);
        m_buttons << b;
    }
    m_columnsButton = new QPushButton(QStringLiteral("K&olonlar"));
    m_columnsButton->setObjectName(QStringLiteral("BtnKOLONLAR"));
    m_columnsButton->setToolTip(QStringLiteral("Yazdırılacak kolonları seçin"));
    m_columnsButton->setAutoDefault(false);
    m_commandLay->addWidget(m_columnsButton);
    m_commandLay->addStretch();
    m_select = new QPushButton(QStringLiteral("Seç"));
    m_select->setObjectName(QStringLiteral("BtnSEC"));
    m_select->setAutoDefault(false);
    m_select->hide();
    m_commandLay->addWidget(m_select);
    auto* close = new QPushButton(QStringLiteral("Kapat"));
    close->setObjectName(QStringLiteral("BtnKAPAT"));
    close->setAutoDefault(false);
    m_commandLay->addWidget(close);
    lay->addLayout(m_commandLay);

    connect(m_buttons[0], &QPushButton::clicked, this, &ListWindow::runNew);
    connect(m_buttons[1], &QPushButton::clicked, this, &ListWindow::runChange);
    connect(m_buttons[2], &QPushButton::clicked, this, &ListWindow::runDelete);
    connect(m_buttons[3], &QPushButton::clicked, this, &ListWindow::runCopy);
    connect(m_buttons[4], &QPushButton::clicked, this, &ListWindow::runPrint);
    connect(m_buttons[5], &QPushButton::clicked, this, &ListWindow::runExport);
    connect(m_columnsButton, &QPushButton::clicked, this, &ListWindow::chooseColumns);
    connect(m_select, &QPushButton::clicked, this, &ListWindow::select);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    // Double-click opens the row; on a view-only list the card opens to be looked at.
    connect(m_grid, &QTableView::doubleClicked, this, [this] {
        if (m_pick) {
            select();
        } else {
            const QSqlRecord r = currentRecord();
            if (!r.isEmpty())
                changeRecord(r);
        }
    });

    // Typing filters after a short pause; Enter at once.
    m_typingDelay = new QTimer(this);
    m_typingDelay->setSingleShot(true);
    m_typingDelay->setInterval(300);
    connect(m_typingDelay, &QTimer::timeout, this, [this] { refresh(); });
    connect(m_searchText, &QLineEdit::textEdited, m_typingDelay, qOverload<>(&QTimer::start));
    connect(m_searchText, &QLineEdit::returnPressed, this, [this] {
        m_typingDelay->stop();
        refresh();
    });
    connect(m_searchField, &QComboBox::currentIndexChanged, this, [this] {
        if (!m_searchText->text().isEmpty())
            refresh();
    });
}

void ListWindow::setColumns(const QList<ListColumn>& columns)
{
    m_model->setColumns(columns);
    for (int i = 0; i < columns.size(); ++i)
        m_grid->setColumnWidth(i, columns.at(i).width);
    GridColumnFit::fitHeadings(m_grid);
    m_valuesFitted = false;
}

void ListWindow::addFilterWidget(QWidget* w)
{
    m_filterLay->insertWidget(m_filterLay->count() - 2, w);
    m_filterArea->show();
}

void ListWindow::addFilterFields(const QList<FilterField>& fields, int perColumn)
{
    if (!m_fieldGrid) {
        auto* box = new QGroupBox(QStringLiteral("Filtre"));
        box->setObjectName(QStringLiteral("GroupFILTRE"));
        m_fieldGrid = new QGridLayout(box);
        addFilterWidget(box);
    }
    for (const FilterField& f : fields) {
        QWidget* editor;
        if (f.kind == FilterField::Kind::Choice) {
            auto* c = new QComboBox;
            c->setObjectName(QStringLiteral("Cmb") + f.name);
            c->setMinimumWidth(110);
            for (const auto& ch : f.choices)
                c->addItem(ch.first, ch.second);
            connect(c, &QComboBox::currentIndexChanged, this, [this, name = f.name] {
                Q_EMIT filterEdited(name);
                m_typingDelay->stop();
                refresh();
            });
            editor = c;
        } else {
            auto* e = new QLineEdit;
            e->setObjectName(QStringLiteral("Edit") + f.name);
            if (f.maxLength > 0)
                e->setMaxLength(f.maxLength);
            e->setPlaceholderText(f.placeholder);
            if (f.kind == FilterField::Kind::Number)
                e->setValidator(new QDoubleValidator(e));
            connect(e, &QLineEdit::textEdited, this, [this, name = f.name] {
                Q_EMIT filterEdited(name);
                m_typingDelay->start();
            });
            connect(e, &QLineEdit::returnPressed, this, [this] {
                m_typingDelay->stop();
                refresh();
            });
            editor = e;
        }
        const int row = m_fieldCount % perColumn, col = m_fieldCount / perColumn;
        auto* label = new QLabel(f.caption);
        label->setBuddy(editor);
        m_fieldGrid->addWidget(label, row, col * 2);
        m_fieldGrid->addWidget(editor, row, col * 2 + 1);
        m_filterEditors.insert(f.name, editor);
        m_filterKinds.insert(f.name, f.kind);
        ++m_fieldCount;
    }
}

QVariant ListWindow::filterValue(const QString& name) const
{
    QWidget* w = m_filterEditors.value(name);
    if (auto* c = qobject_cast<QComboBox*>(w)) {
        const QVariant v = c->currentData();
        return v.isNull() || toText(v).isEmpty() ? QVariant() : v;
    }
    auto* e = qobject_cast<QLineEdit*>(w);
    const QString t = e ? e->text().trimmed() : QString();
    if (t.isEmpty())
        return {};
    if (m_filterKinds.value(name) == FilterField::Kind::Number) {
        bool ok = false;
        const double d = MoneyFormat::parse(t, &ok);
        return ok ? QVariant(d) : QVariant();
    }
    return t;
}

void ListWindow::setFilterChoices(const QString& name, const FilterField::Choices& choices)
{
    auto* c = qobject_cast<QComboBox*>(m_filterEditors.value(name));
    if (!c)
        return;
    const QVariant keep = c->currentData();
    const bool was = c->blockSignals(true);
    c->clear();
    for (const auto& ch : choices)
        c->addItem(ch.first, ch.second);
    const int i = keep.isValid() ? c->findData(keep) : -1;
    c->setCurrentIndex(i < 0 ? 0 : i);
    c->blockSignals(was);
}

void ListWindow::addSearchField(const QString& caption, const QString& field)
{
    m_searchField->addItem(caption, field);
    m_searchRow->show();
}

void ListWindow::setCommands(int commands)
{
    m_commands = commands;
    const int shown = m_viewOnly ? commands & ~kEditCommands : commands;
    for (int i = 0; i < m_buttons.size(); ++i)
        m_buttons[i]->setVisible(shown & (1 << i));
    m_columnsButton->setVisible(shown & (Print | Export));
}

void ListWindow::setEditRight(const QString& rightColumn)
{
    setEditRight(EditRight(rightColumn, EditRight::Policy::Strict));
}

void ListWindow::setEditRight(const EditRight& right)
{
    m_viewOnly = !right.mayChange();
    setCommands(m_commands);
}

void ListWindow::setPickMode(bool on, bool multi)
{
    m_pick = on;
    m_select->setVisible(on);
    m_grid->setSelectionMode(on && multi ? QAbstractItemView::ExtendedSelection : QAbstractItemView::SingleSelection);
}

QString ListWindow::searchField() const { return m_searchField->currentData().toString(); }
QString ListWindow::searchText() const { return m_searchText->text(); }

Db ListWindow::db() const { return SessionContext::current().db(); }

bool ListWindow::guard(const std::function<void()>& f) const { return ErrorPresenter::run(f); }

bool ListWindow::deleteGuarded(const std::function<bool()>& remove) const
{
    bool deleted = false;
    guard([&] { deleted = remove(); });
    return deleted;
}

void ListWindow::refresh(const QVariant& keepKey)
{
    const QVariant key = keepKey.isValid() ? keepKey : currentKey();
    const int oldRow = m_grid->currentIndex().row();
    m_seeking = true;
    const bool ok = guard([this] {
        ListQuery q = query();
        if (!m_sortField.isEmpty() && !q.sortBy(m_sortField, m_sortDescending))
            m_sortField.clear();
        m_model->run(db(), q);
    });
    m_seeking = false;
    // The first rows shown set the widths; later lists keep what the user may have dragged.
    if (ok && !m_valuesFitted && m_model->rowCount() > 0) {
        GridColumnFit::fitValues(m_grid);
        m_valuesFitted = true;
    }
    if (ok && !(key.isValid() && locate(key)) && m_model->rowCount() > 0) {
        const int row = qBound(0, oldRow, m_model->rowCount() - 1);
        m_grid->setCurrentIndex(m_model->index(row, 0));
    }
    // The selection model is new after every reset: follow it again.
    connect(m_grid->selectionModel(), &QItemSelectionModel::currentRowChanged, this, &ListWindow::emitCurrent,
            Qt::UniqueConnection);
    emitCurrent();
}

void ListWindow::sortByColumn(const QString& field, bool descending)
{
    m_sortField = field;
    m_sortDescending = descending;
    refresh();
}

bool ListWindow::locate(const QVariant& key)
{
    int row = -1;
    // A seek resets the grid to the top of its new window: no reading back until it is placed.
    m_seeking = true;
    guard([&] { row = m_model->locate(key); });
    m_seeking = false;
    if (row < 0)
        return false;
    m_grid->setCurrentIndex(m_model->index(row, 0));
    m_grid->scrollTo(m_model->index(row, 0), QAbstractItemView::PositionAtCenter);
    return true;
}

void ListWindow::fetchBeforeAtTop()
{
    if (m_seeking || !m_model->canFetchBefore())
        return;
    int added = 0;
    guard([&] { added = m_model->fetchBefore(); });
    if (added <= 0)
        return;
    // Keep the rows in view where they were: the new ones sit above.
    // (The cursor and the selection move down with their rows by themselves.)
    QScrollBar* bar = m_grid->verticalScrollBar();
    const bool was = bar->blockSignals(true);
    bar->setValue(bar->value() + added);
    bar->blockSignals(was);
}

QSqlRecord ListWindow::currentRecord() const
{
    const QModelIndex i = m_grid->currentIndex();
    return i.isValid() ? m_model->record(i.row()) : QSqlRecord();
}

QVariant ListWindow::currentKey() const
{
    const QSqlRecord r = currentRecord();
    return r.isEmpty() || m_keyField.isEmpty() ? QVariant() : r.value(m_keyField);
}

int ListWindow::rowCount() const
{
    m_model->fetchAll(); // rows read in at the top move the cursor down with its row
    return m_model->rowCount();
}

void ListWindow::emitCurrent() { currentChanged(currentRecord()); }

void ListWindow::runNew()
{
    if (!m_viewOnly)
        newRecord();
}

void ListWindow::runChange()
{
    // A view-only list still opens the row: its card shows read-only (the card's own right).
    const QSqlRecord r = currentRecord();
    if (!r.isEmpty())
        changeRecord(r);
}

void ListWindow::runDelete()
{
    const QSqlRecord r = currentRecord();
    if (!r.isEmpty() && !m_viewOnly && deleteRecord(r))
        refresh();
}

void ListWindow::runCopy()
{
    const QSqlRecord r = currentRecord();
    if (!r.isEmpty() && !m_viewOnly)
        copyRecord(r);
}

void ListWindow::select()
{
    m_selected.clear();
    QList<int> rows;
    for (const QModelIndex& i : m_grid->selectionModel()->selectedRows())
        rows << i.row();
    if (rows.isEmpty() && m_grid->currentIndex().isValid())
        rows << m_grid->currentIndex().row();
    std::sort(rows.begin(), rows.end());
    for (int r : rows)
        m_selected << m_model->record(r);
    if (!m_selected.isEmpty())
        accept();
}

QString ListWindow::printUnit() const { return objectName().isEmpty() ? windowTitle() : objectName(); }

QList<int> ListWindow::printColumns() const
{
    const QList<ListColumn>& cols = m_model->columns();
    QList<int> out;
    const QStringList chosen = ListPrintColumns::load(printUnit());
    for (const QString& f : chosen)
        for (int i = 0; i < cols.size(); ++i)
            if (cols.at(i).field == f)
                out << i;
    if (!out.isEmpty())
        return out;
    // The grid as the user sees it: its order, without hidden columns.
    const QHeaderView* h = m_grid->horizontalHeader();
    for (int v = 0; v < h->count(); ++v) {
        const int logical = h->logicalIndex(v);
        if (logical < cols.size() && !m_grid->isColumnHidden(logical))
            out << logical;
    }
    return out;
}

void ListWindow::setPrintColumns(const QList<int>& columns)
{
    QStringList fields;
    for (int c : columns)
        if (c >= 0 && c < m_model->columns().size())
            fields << m_model->columns().at(c).field;
    ListPrintColumns::save(printUnit(), fields);
}

void ListWindow::chooseColumns()
{
    ListColumnChooser dlg(m_model->columns(), printColumns(), this);
    if (dlg.exec() == QDialog::Accepted)
        guard([&] { setPrintColumns(dlg.chosen()); });
}

ReportModel ListWindow::report()
{
    ReportModel m;
    m.title = windowTitle();
    m.headerLeft = SessionContext::current().FirmaAdi;
    m.headerRight = QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy"));
    m.pageTotals = m.carriedTotals = m.grandTotal = false;
    const QList<ListColumn>& all = m_model->columns();
    const QList<int> cols = printColumns();
    const double pxPerMm = m_grid->logicalDpiX() / 25.4;
    for (int i : cols) {
        const ListColumn& c = all.at(i);
        ReportColumn rc;
        rc.key = c.field;
        rc.title = c.title;
        rc.widthMm = qMax(8.0, m_grid->columnWidth(i) / pxPerMm);
        rc.kind = c.display ? ColumnKind::Text
                  : c.kind == ListColumn::Kind::Amount  ? ColumnKind::Amount
                  : c.kind == ListColumn::Kind::Date    ? ColumnKind::Date
                  : c.kind == ListColumn::Kind::Integer ? ColumnKind::Number
                                                        : ColumnKind::Text;
        rc.decimals = MoneyFormat::current().decimals();
        rc.total = c.total;
        rc.noCut = c.code || c.field == m_keyField;
        m.grandTotal = m.grandTotal || c.total;
        m.columns << rc;
    }
    // Every row, by a query of its own: the grid holds only the pages read so far.
    guard([&] {
        for (const QSqlRecord& r : m_model->pager().all()) {
            QVariantList row;
            for (int i : cols) {
                const ListColumn& c = all.at(i);
                const QVariant v = r.value(c.field);
                row << (c.display || c.kind == ListColumn::Kind::Text ? QVariant(ListGridModel::displayText(c, v)) : v);
            }
            m.rows << row;
        }
    });
    return m;
}

void ListWindow::runPrint() { runListReport(this, report(), ListOutput::Preview); }
void ListWindow::runExport() { runListReport(this, report(), ListOutput::Export); }

} // namespace nimbo
