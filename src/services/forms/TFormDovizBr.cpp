#include "services/forms/TFormDovizBr.h"
#include "printing/forms/ReportMenuButton.h"
#include "db/Errors.h"
#include "services/DovizTanimlari.h"
#include "services/Prompter.h"
#include "services/SessionContext.h"
#include "widgets/ErrorPresenter.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace nimbo {

TFormDovizBr::TFormDovizBr(const Db& db, QWidget* parent) : QDialog(parent), m_db(db)
{
    setWindowTitle(QStringLiteral("Döviz Tanımları"));
    auto* root = new QVBoxLayout(this);
    m_tablo = new QTableWidget(0, 3, this);
    m_tablo->setHorizontalHeaderLabels({QStringLiteral("Döviz Kodu"), QStringLiteral("Döviz Adı"),
                                        QStringLiteral("Aktif")});
    m_tablo->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_tablo->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_tablo->setSelectionMode(QAbstractItemView::SingleSelection);
    m_tablo->verticalHeader()->hide();
    m_tablo->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    root->addWidget(m_tablo, 1);

    auto* form = new QFormLayout;
    m_kod = new QLineEdit(this);
    m_kod->setMaxLength(5);
    m_ad = new QLineEdit(this);
    m_ad->setMaxLength(25);
    m_aktif = new QCheckBox(QStringLiteral("Aktif"), this);
    m_aktif->setChecked(true);
    form->addRow(QStringLiteral("Döviz Kodu"), m_kod);
    form->addRow(QStringLiteral("Döviz Adı"), m_ad);
    form->addRow(QString(), m_aktif);
    root->addLayout(form);

    auto* buttons = new QHBoxLayout;
    m_btnEkle = new QPushButton(QStringLiteral("&Ekle"), this);
    m_btnDegistir = new QPushButton(QStringLiteral("&Değiştir"), this);
    m_btnSil = new QPushButton(QStringLiteral("S&il"), this);
    auto* close = new QPushButton(QStringLiteral("Kapat"), this);
    buttons->addWidget(m_btnEkle);
    buttons->addWidget(m_btnDegistir);
    buttons->addWidget(m_btnSil);
    buttons->addWidget(new ReportMenuButton(QStringLiteral("TFormDovizBr"), windowTitle(), m_tablo, this));
    buttons->addStretch();
    buttons->addWidget(close);
    root->addLayout(buttons);

    const bool viewOnly = SessionContext::current().hak(QStringLiteral("DOVIZ")) == QLatin1String("O");
    for (QPushButton* b : {m_btnEkle, m_btnDegistir, m_btnSil})
        b->setEnabled(!viewOnly);

    connect(m_tablo, &QTableWidget::itemSelectionChanged, this, [this] { satirSecildi(); });
    connect(m_btnEkle, &QPushButton::clicked, this, [this] { BtnEkleClick(); });
    connect(m_btnDegistir, &QPushButton::clicked, this, [this] { BtnDegistirClick(); });
    connect(m_btnSil, &QPushButton::clicked, this, [this] { BtnSilClick(); });
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    resize(460, 420);
    doldur();
}

void TFormDovizBr::doldur()
{
    m_tablo->setRowCount(0);
    QVector<DovizTanimi> list;
    if (!ErrorPresenter::run([&] { list = DovizTanimlari(m_db).liste(); }))
        return;
    m_tablo->setRowCount(list.size());
    for (int r = 0; r < list.size(); ++r) {
        m_tablo->setItem(r, 0, new QTableWidgetItem(list[r].kod));
        m_tablo->setItem(r, 1, new QTableWidgetItem(list[r].ad));
        m_tablo->setItem(r, 2, new QTableWidgetItem(list[r].aktif));
    }
}

void TFormDovizBr::satirSec(const QString& kod)
{
    for (int r = 0; r < m_tablo->rowCount(); ++r)
        if (m_tablo->item(r, 0)->text() == kod) {
            m_tablo->selectRow(r);
            return;
        }
}

QString TFormDovizBr::seciliKod() const
{
    const int r = m_tablo->currentRow();
    return r >= 0 && m_tablo->item(r, 0) ? m_tablo->item(r, 0)->text() : QString();
}

void TFormDovizBr::satirSecildi()
{
    const int r = m_tablo->currentRow();
    if (r < 0)
        return;
    m_kod->setText(m_tablo->item(r, 0)->text());
    m_ad->setText(m_tablo->item(r, 1)->text());
    m_aktif->setChecked(m_tablo->item(r, 2)->text() != QLatin1String("H"));
}

DovizTanimi TFormDovizBr::alanlar() const
{
    return DovizTanimi{m_kod->text(), m_ad->text(), m_aktif->isChecked() ? QStringLiteral("E") : QStringLiteral("H")};
}

bool TFormDovizBr::uygula(const std::function<void(const DovizTanimlari&)>& islem)
{
    if (!ErrorPresenter::run([&] { islem(DovizTanimlari(m_db)); }, ErrorPresenter::Store))
        return false;
    doldur();
    return true;
}

void TFormDovizBr::BtnEkleClick()
{
    const DovizTanimi d = alanlar();
    if (uygula([&](const DovizTanimlari& t) { t.ekle(d); }))
        satirSec(d.kod.trimmed().toUpper());
}

void TFormDovizBr::BtnDegistirClick()
{
    const QString eski = seciliKod();
    if (eski.isEmpty())
        return;
    const DovizTanimi d = alanlar();
    if (uygula([&](const DovizTanimlari& t) { t.degistir(eski, d); }))
        satirSec(d.kod.trimmed().toUpper());
}

void TFormDovizBr::BtnSilClick()
{
    const QString kod = seciliKod();
    if (kod.isEmpty() || !Prompter::instance().ask(QStringLiteral("Kayıt Silinsin mi?")))
        return;
    uygula([&](const DovizTanimlari& t) { t.sil(kod); });
}

} // namespace nimbo
