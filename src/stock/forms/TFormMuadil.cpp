#include "stock/forms/TFormMuadil.h"
#include "db/Errors.h"
#include "services/Prompter.h"
#include "services/SessionContext.h"
#include "stock/StockEquivalents.h"
#include "widgets/ErrorPresenter.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace nimbo {

TFormMuadil::TFormMuadil(double stokNo, QWidget* parent) : QDialog(parent), m_stokNo(stokNo)
{
    setObjectName(QStringLiteral("TFormMuadil"));
    setWindowTitle(QStringLiteral("Muadil Kayıt"));
    auto* lay = new QVBoxLayout(this);
    lay->addWidget(new QLabel(StockEquivalents::heading(SessionContext::current().db(), stokNo)));
    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel(QStringLiteral("Muadil Stok Kodu")));
    m_kod = new QLineEdit;
    m_kod->setObjectName(QStringLiteral("EditMUADILKOD"));
    top->addWidget(m_kod);
    auto* ekle = new QPushButton(QStringLiteral("Ekle"));
    ekle->setObjectName(QStringLiteral("BtnEKLE"));
    auto* sil = new QPushButton(QStringLiteral("Sil"));
    sil->setObjectName(QStringLiteral("BtnSIL"));
    top->addWidget(ekle);
    top->addWidget(sil);
    lay->addLayout(top);
    m_grid = new QTableWidget(0, 2);
    m_grid->setHorizontalHeaderLabels({QStringLiteral("Stok Kodu"), QStringLiteral("Stok Adı")});
    m_grid->horizontalHeader()->setStretchLastSection(true);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    lay->addWidget(m_grid);
    connect(ekle, &QPushButton::clicked, this, &TFormMuadil::add);
    connect(m_kod, &QLineEdit::returnPressed, this, &TFormMuadil::add);
    connect(sil, &QPushButton::clicked, this, &TFormMuadil::remove);
    resize(520, 360);
    showRows();
}

void TFormMuadil::showRows()
{
    const auto rows = StockEquivalents::of(SessionContext::current().db(), m_stokNo);
    m_grid->setRowCount(rows.size());
    for (int i = 0; i < rows.size(); ++i) {
        auto* k = new QTableWidgetItem(rows[i].kod);
        k->setData(Qt::UserRole, rows[i].stokNo);
        m_grid->setItem(i, 0, k);
        m_grid->setItem(i, 1, new QTableWidgetItem(rows[i].adi));
    }
}

void TFormMuadil::add()
{
    ErrorPresenter::run([&] {
        StockEquivalents::addByCode(SessionContext::current().db(), m_stokNo, m_kod->text());
        m_kod->clear();
        showRows();
    });
}

void TFormMuadil::remove()
{
    const int r = m_grid->currentRow();
    if (r < 0)
        return;
    ErrorPresenter::run([&] {
        if (StockEquivalents::remove(SessionContext::current().db(), m_stokNo,
                                     m_grid->item(r, 0)->data(Qt::UserRole).toDouble()))
            showRows();
    });
}

} // namespace nimbo
