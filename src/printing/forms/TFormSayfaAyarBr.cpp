#include "printing/forms/TFormSayfaAyarBr.h"
#include "db/Db.h"
#include "printing/forms/ReportMenuButton.h"
#include "printing/forms/SayfaAyarla.h"
#include "services/SessionContext.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include "db/Errors.h"
#include "printing/PageSetupStore.h"
#include "services/Prompter.h"
#include "widgets/ErrorPresenter.h"

#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>

namespace nimbo {

TFormSayfaAyarBr::TFormSayfaAyarBr(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TFormSayfaAyarBr"));
    setWindowTitle(QStringLiteral("Sayfa Ayarları"));
    resize(900, 480);
    m_model = new QStandardItemModel(this);
    m_grid = new QTableView;
    m_grid->setModel(m_model);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->verticalHeader()->hide();
    m_grid->horizontalHeader()->setStretchLastSection(true);

    auto* change = new QPushButton(QStringLiteral("Değiştir"));
    change->setObjectName(QStringLiteral("BtnDEGISTIR"));
    m_print = new ReportMenuButton(objectName(), windowTitle(), m_grid, this);
    auto* close = new QPushButton(QStringLiteral("Kapat"));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(change);
    buttons->addWidget(m_print);
    buttons->addStretch();
    buttons->addWidget(close);
    auto* top = new QVBoxLayout(this);
    top->addWidget(m_grid);
    top->addLayout(buttons);
    connect(change, &QPushButton::clicked, this, &TFormSayfaAyarBr::BtnDEGISTIRClick);
    connect(m_grid, &QTableView::doubleClicked, this, &TFormSayfaAyarBr::BtnDEGISTIRClick);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    refresh();
}

void TFormSayfaAyarBr::refresh()
{
    const Db db = SessionContext::current().db();
    if (!db.isValid())
        return;
    QList<PageSetupRow> rows;
    // An empty list would look like "nothing stored": say what went wrong instead.
    ErrorPresenter::run([&] { rows = PageSetupStore(db).all(); });
    m_model->clear();
    m_model->setHorizontalHeaderLabels({QStringLiteral("Pencere"), QStringLiteral("Rapor"),
                                        QStringLiteral("Sayfa Boyutu"), QStringLiteral("Yön"),
                                        QStringLiteral("Genişlik"), QStringLiteral("Yükseklik"), QStringLiteral("Sol"),
                                        QStringLiteral("Sağ"), QStringLiteral("Üst"), QStringLiteral("Alt")});
    for (const PageSetupRow& r : rows) {
        QList<QStandardItem*> items;
        for (const QVariant& v : QVariantList{r.PASADI, r.QUIKAD, r.SAYFAISIM, r.PRBICIMI, r.SAYFAGEN, r.SAYFAYUK,
                                              r.SOL, r.SAG, r.UST, r.ALT}) {
            auto* it = new QStandardItem;
            it->setData(v, Qt::DisplayRole);
            items << it;
        }
        m_model->appendRow(items);
    }
    m_grid->resizeColumnsToContents();
}

void TFormSayfaAyarBr::BtnDEGISTIRClick()
{
    const int row = m_grid->currentIndex().row();
    if (row < 0)
        return;
    const QString unit = toText(m_model->data(m_model->index(row, 0)));
    const QString report = toText(m_model->data(m_model->index(row, 1)));
    if (SayfaAyarla::run(unit, report, unit + QStringLiteral(" / ") + report, QString(), this))
        refresh();
}

} // namespace nimbo
