#include "stock/forms/TFormStokParca.h"
#include "db/Errors.h"
#include "printing/ReportModel.h"
#include "services/Prompter.h"
#include "services/SessionContext.h"
#include "stock/StockEquivalents.h"
#include "model/CardModel.h"
#include "widgets/ErrorPresenter.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace nimbo {

TFormStokParca::TFormStokParca(double stokNo, QWidget* parent)
    : QDialog(parent), m_parts(SessionContext::current().db(), stokNo)
{
    setObjectName(QStringLiteral("TFormStokParca"));
    setWindowTitle(QStringLiteral("İçindeki Parçalar"));
    auto* lay = new QVBoxLayout(this);
    lay->addWidget(new QLabel(StockEquivalents::heading(SessionContext::current().db(), stokNo)));
    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel(QStringLiteral("Parça Stok Kodu")));
    m_kod = new QLineEdit;
    m_kod->setObjectName(QStringLiteral("EditPARCAKOD"));
    top->addWidget(m_kod);
    auto* ekle = new QPushButton(QStringLiteral("Ekle"));
    ekle->setObjectName(QStringLiteral("BtnEKLE"));
    ekle->setAutoDefault(false);
    auto* sil = new QPushButton(QStringLiteral("Sil"));
    sil->setObjectName(QStringLiteral("BtnSIL"));
    sil->setAutoDefault(false);
    top->addWidget(ekle);
    top->addWidget(sil);
    lay->addLayout(top);
    m_grid = new QTableWidget(0, 3);
    m_grid->setObjectName(QStringLiteral("GridPARCA"));
    m_grid->setHorizontalHeaderLabels({QStringLiteral("Stok Kodu"), QStringLiteral("Stok Adı"), QStringLiteral("Miktar")});
    m_grid->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    lay->addWidget(m_grid);
    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    auto* sakla = new QPushButton(QStringLiteral("Sakla"));
    sakla->setObjectName(QStringLiteral("BtnSAKLA"));
    sakla->setAutoDefault(false);
    auto* vazgec = new QPushButton(QStringLiteral("Vazgeç"));
    vazgec->setObjectName(QStringLiteral("BtnVAZGEC"));
    vazgec->setAutoDefault(false);
    bottom->addWidget(sakla);
    bottom->addWidget(vazgec);
    lay->addLayout(bottom);
    connect(ekle, &QPushButton::clicked, this, &TFormStokParca::add);
    connect(m_kod, &QLineEdit::returnPressed, this, &TFormStokParca::add);
    connect(sil, &QPushButton::clicked, this, &TFormStokParca::remove);
    connect(sakla, &QPushButton::clicked, this, &TFormStokParca::save);
    connect(vazgec, &QPushButton::clicked, this, &QDialog::reject);
    resize(560, 380);
    ErrorPresenter::run([this] { m_parts.load(); });
    showRows();
}

void TFormStokParca::showRows()
{
    const auto& rows = m_parts.rows();
    m_grid->setRowCount(rows.size());
    for (int i = 0; i < rows.size(); ++i) {
        for (int c = 0; c < 2; ++c) {
            auto* it = new QTableWidgetItem(c == 0 ? rows[i].kod : rows[i].adi);
            it->setFlags(it->flags() & ~Qt::ItemIsEditable);
            m_grid->setItem(i, c, it);
        }
        auto* q = new QTableWidgetItem(QLocale(QLocale::Turkish).toString(rows[i].miktar, 'g', 12));
        q->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        m_grid->setItem(i, 2, q);
    }
}

void TFormStokParca::readRows()
{
    auto& rows = m_parts.rows();
    for (int i = 0; i < rows.size() && i < m_grid->rowCount(); ++i)
        if (QTableWidgetItem* q = m_grid->item(i, 2))
            rows[i].miktar = ReportModel::parseAmount(q->text());
}

void TFormStokParca::add()
{
    readRows();
    if (ErrorPresenter::run([this] { m_parts.addByCode(m_kod->text()); }))
        m_kod->clear();
    showRows();
}

void TFormStokParca::remove()
{
    const int r = m_grid->currentRow();
    if (r < 0)
        return;
    readRows();
    m_parts.rows().removeAt(r);
    showRows();
}

void TFormStokParca::save()
{
    readRows();
    if (ErrorPresenter::run([this] { m_parts.save(); }))
        accept();
}

} // namespace nimbo
