#include "widgets/ListWindow.h"
#include "widgets/ErrorPresenter.h"
#include "services/Prompter.h"
#include "services/SessionContext.h"
#include "widgets/ListGridModel.h"
#include "widgets/ListReport.h"

#include "widgets/FormUtil.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
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
    m_grid->verticalHeader()->setDefaultSectionSize(22);
    m_grid->verticalHeader()->hide();
    lay->addWidget(m_grid, 1);

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
    connect(m_select, &QPushButton::clicked, this, &ListWindow::select);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_grid, &QTableView::doubleClicked, this, [this] { m_pick ? select() : runChange(); });

    // Quick search: Enter searches at once, typing after a short pause.
    auto* delay = new QTimer(this);
    delay->setSingleShot(true);
    delay->setInterval(300);
    connect(delay, &QTimer::timeout, this, [this] { refresh(); });
    connect(m_searchText, &QLineEdit::textEdited, delay, qOverload<>(&QTimer::start));
    connect(m_searchText, &QLineEdit::returnPressed, this, [this, delay] {
        delay->stop();
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
}

void ListWindow::addFilterWidget(QWidget* w)
{
    m_filterLay->insertWidget(m_filterLay->count() - 2, w);
    m_filterArea->show();
}

void ListWindow::addSearchField(const QString& caption, const QString& field)
{
    m_searchField->addItem(caption, field);
    m_searchRow->show();
}

void ListWindow::setCommands(int commands)
{
    for (int i = 0; i < m_buttons.size(); ++i)
        m_buttons[i]->setVisible(commands & (1 << i));
}

void ListWindow::setPickMode(bool on)
{
    m_pick = on;
    m_select->setVisible(on);
}

QString ListWindow::searchField() const { return m_searchField->currentData().toString(); }
QString ListWindow::searchText() const { return m_searchText->text(); }

Db ListWindow::db() const { return SessionContext::current().db(); }

bool ListWindow::guard(const std::function<void()>& f)
{
    return ErrorPresenter::run(f);
}

void ListWindow::refresh(const QVariant& keepKey)
{
    const QVariant key = keepKey.isValid() ? keepKey : currentKey();
    const int oldRow = m_grid->currentIndex().row();
    const bool ok = guard([this] { m_model->run(db(), query()); });
    if (ok && !(key.isValid() && locate(key)) && m_model->rowCount() > 0) {
        const int row = qBound(0, oldRow, m_model->rowCount() - 1);
        m_grid->setCurrentIndex(m_model->index(row, 0));
    }
    // The selection model is new after every reset: follow it again.
    connect(m_grid->selectionModel(), &QItemSelectionModel::currentRowChanged, this, &ListWindow::emitCurrent,
            Qt::UniqueConnection);
    emitCurrent();
}

bool ListWindow::locate(const QVariant& key)
{
    if (m_keyField.isEmpty() || !key.isValid())
        return false;
    const QString k = toText(key);
    for (int r = 0;; ++r) {
        while (r >= m_model->rowCount() && m_model->canFetchMore())
            m_model->fetchMore();
        if (r >= m_model->rowCount())
            return false;
        if (toText(m_model->fieldValue(r, m_keyField)) == k) {
            m_grid->setCurrentIndex(m_model->index(r, 0));
            m_grid->scrollTo(m_model->index(r, 0));
            return true;
        }
    }
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
    while (m_model->canFetchMore())
        m_model->fetchMore();
    return m_model->rowCount();
}

void ListWindow::emitCurrent() { currentChanged(currentRecord()); }

void ListWindow::runChange()
{
    const QSqlRecord r = currentRecord();
    if (!r.isEmpty())
        changeRecord(r);
}

void ListWindow::runDelete()
{
    const QSqlRecord r = currentRecord();
    if (!r.isEmpty() && deleteRecord(r))
        refresh();
}

void ListWindow::runCopy()
{
    const QSqlRecord r = currentRecord();
    if (!r.isEmpty())
        copyRecord(r);
}

void ListWindow::select()
{
    m_selected = currentRecord();
    if (!m_selected.isEmpty())
        accept();
}

ReportModel ListWindow::report()
{
    ReportModel m;
    m.title = windowTitle();
    m.headerLeft = SessionContext::current().FirmaAdi;
    m.headerRight = QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy"));
    const QList<ListColumn>& cols = m_model->columns();
    for (const ListColumn& c : cols) {
        ReportColumn rc;
        rc.key = c.field;
        rc.title = c.title;
        rc.widthMm = c.width / 4.0;
        rc.kind = c.kind == ListColumn::Kind::Amount ? ColumnKind::Amount
                  : c.kind == ListColumn::Kind::Date  ? ColumnKind::Date
                  : c.kind == ListColumn::Kind::Integer ? ColumnKind::Number
                                                        : ColumnKind::Text;
        rc.total = c.total;
        m.columns << rc;
    }
    m.pageTotals = m.carriedTotals = m.grandTotal = false;
    for (const ListColumn& c : cols)
        if (c.total)
            m.grandTotal = true;
    const int n = rowCount();
    for (int r = 0; r < n; ++r) {
        QVariantList row;
        for (int c = 0; c < cols.size(); ++c) {
            if (cols.at(c).display || cols.at(c).kind == ListColumn::Kind::Text)
                row << m_model->displayText(r, c);
            else
                row << m_model->fieldValue(r, cols.at(c).field);
        }
        m.rows << row;
    }
    return m;
}

void ListWindow::runPrint() { runListReport(this, report(), ListOutput::Preview); }
void ListWindow::runExport() { runListReport(this, report(), ListOutput::Export); }

} // namespace nimbo
