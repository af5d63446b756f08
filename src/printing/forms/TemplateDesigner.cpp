#include "printing/forms/TemplateDesigner.h"
#include "db/Errors.h"
#include "printing/TemplateStore.h"
#include "printing/forms/ReportOutput.h"
#include "services/Prompter.h"
#include "widgets/ErrorPresenter.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFontComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace nimbo {

namespace {
enum Col { Shown, Key, Title, Width };

QDoubleSpinBox* sizeBox(double lo, double hi)
{
    auto* s = new QDoubleSpinBox;
    s->setRange(lo, hi);
    s->setDecimals(1);
    return s;
}
} // namespace

TemplateDesigner::TemplateDesigner(const Db& db, const QString& unit, const ReportModel& source,
                                   const QString& templateName, QWidget* parent)
    : QDialog(parent), m_db(db), m_unit(unit), m_source(source)
{
    setWindowTitle(QStringLiteral("Rapor Tasarımı"));
    setObjectName(QStringLiteral("TemplateDesigner"));
    resize(640, 520);
    auto* top = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    m_name = new QComboBox;
    m_name->setEditable(true);
    m_name->addItems(TemplateStore(db).names(unit));
    m_name->setCurrentText(templateName);
    m_title = new QLineEdit;
    form->addRow(QStringLiteral("Şablon Adı"), m_name);
    form->addRow(QStringLiteral("Rapor Başlığı"), m_title);
    top->addLayout(form);

    m_columns = new QTableWidget(0, 4);
    m_columns->setHorizontalHeaderLabels(
        {QStringLiteral("Göster"), QStringLiteral("Alan"), QStringLiteral("Başlık"), QStringLiteral("Genişlik (mm)")});
    m_columns->horizontalHeader()->setSectionResizeMode(Title, QHeaderView::Stretch);
    m_columns->verticalHeader()->hide();
    m_columns->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_columns->setSelectionMode(QAbstractItemView::SingleSelection);
    auto* cols = new QHBoxLayout;
    cols->addWidget(m_columns);
    auto* moves = new QVBoxLayout;
    auto* up = new QPushButton(QStringLiteral("Yukarı"));
    auto* down = new QPushButton(QStringLiteral("Aşağı"));
    moves->addWidget(up);
    moves->addWidget(down);
    moves->addStretch();
    cols->addLayout(moves);
    top->addLayout(cols);
    connect(up, &QPushButton::clicked, this, [this] { move(-1); });
    connect(down, &QPushButton::clicked, this, [this] { move(1); });

    auto* fonts = new QFormLayout;
    m_titleFont = new QFontComboBox;
    m_titleSize = sizeBox(6, 36);
    m_bodyFont = new QFontComboBox;
    m_bodySize = sizeBox(5, 24);
    auto pair = [](QWidget* a, QWidget* b) {
        auto* w = new QWidget;
        auto* l = new QHBoxLayout(w);
        l->setContentsMargins(0, 0, 0, 0);
        l->addWidget(a, 1);
        l->addWidget(b);
        return w;
    };
    fonts->addRow(QStringLiteral("Başlık Yazı Tipi"), pair(m_titleFont, m_titleSize));
    fonts->addRow(QStringLiteral("Satır Yazı Tipi"), pair(m_bodyFont, m_bodySize));
    m_pageTotals = new QCheckBox(QStringLiteral("Sayfa Toplamı"));
    m_carried = new QCheckBox(QStringLiteral("Nakli Yekün"));
    m_grand = new QCheckBox(QStringLiteral("Genel Toplam"));
    auto* bands = new QWidget;
    auto* bl = new QHBoxLayout(bands);
    bl->setContentsMargins(0, 0, 0, 0);
    bl->addWidget(m_pageTotals);
    bl->addWidget(m_carried);
    bl->addWidget(m_grand);
    bl->addStretch();
    fonts->addRow(QStringLiteral("Toplamlar"), bands);
    m_signatures = new QLineEdit;
    m_signatures->setPlaceholderText(QStringLiteral("DÜZENLEYEN, KONTROL, YETKİLİ"));
    fonts->addRow(QStringLiteral("İmza Kutuları"), m_signatures);
    top->addLayout(fonts);

    auto* buttons = new QDialogButtonBox;
    auto* preview = buttons->addButton(QStringLiteral("Önizleme"), QDialogButtonBox::ActionRole);
    auto* save = buttons->addButton(QStringLiteral("Sakla"), QDialogButtonBox::AcceptRole);
    auto* cancel = buttons->addButton(QStringLiteral("İptal"), QDialogButtonBox::RejectRole);
    preview->setObjectName(QStringLiteral("BtnONIZLEME"));
    save->setObjectName(QStringLiteral("BtnSAKLA"));
    top->addWidget(buttons);
    connect(preview, &QPushButton::clicked, this, &TemplateDesigner::BtnONIZLEMEClick);
    connect(save, &QPushButton::clicked, this, &TemplateDesigner::BtnSAKLAClick);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_name, &QComboBox::textActivated, this, &TemplateDesigner::loadNamed);

    loadNamed(templateName);
}

void TemplateDesigner::loadNamed(const QString& name)
{
    ReportTemplate t = ReportTemplate::fromReport(m_source);
    if (!name.isEmpty())
        if (const auto stored = TemplateStore(m_db).load(m_unit, name)) {
            ReportModel r = m_source;
            stored->applyTo(r);
            t = ReportTemplate::fromReport(r);
        }
    showLayout(t);
}

void TemplateDesigner::showLayout(const ReportTemplate& t)
{
    m_title->setText(t.title);
    m_columns->setRowCount(0);
    for (const ReportTemplate::Column& c : t.columns) {
        const int r = m_columns->rowCount();
        m_columns->insertRow(r);
        auto* shown = new QTableWidgetItem;
        shown->setFlags(Qt::ItemIsUserCheckable | Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        shown->setCheckState(c.visible ? Qt::Checked : Qt::Unchecked);
        auto* key = new QTableWidgetItem(c.key);
        key->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        auto* width = new QTableWidgetItem;
        width->setData(Qt::EditRole, qRound(c.widthMm * 10) / 10.0);
        m_columns->setItem(r, Shown, shown);
        m_columns->setItem(r, Key, key);
        m_columns->setItem(r, Title, new QTableWidgetItem(c.title));
        m_columns->setItem(r, Width, width);
    }
    m_titleFont->setCurrentFont(QFont(t.titleFont.family));
    m_titleSize->setValue(t.titleFont.pointSize);
    m_bodyFont->setCurrentFont(QFont(t.bodyFont.family));
    m_bodySize->setValue(t.bodyFont.pointSize);
    m_pageTotals->setChecked(t.pageTotals);
    m_carried->setChecked(t.carriedTotals);
    m_grand->setChecked(t.grandTotal);
    m_signatures->setText(t.signatures.join(QStringLiteral(", ")));
}

void TemplateDesigner::move(int delta)
{
    const int r = m_columns->currentRow();
    const int to = r + delta;
    if (r < 0 || to < 0 || to >= m_columns->rowCount())
        return;
    for (int c = 0; c < m_columns->columnCount(); ++c) {
        QTableWidgetItem* a = m_columns->takeItem(r, c);
        QTableWidgetItem* b = m_columns->takeItem(to, c);
        m_columns->setItem(r, c, b);
        m_columns->setItem(to, c, a);
    }
    m_columns->setCurrentCell(to, Title);
}

QString TemplateDesigner::templateName() const { return m_name->currentText().trimmed(); }

ReportTemplate TemplateDesigner::layout() const
{
    ReportTemplate t;
    t.title = m_title->text().trimmed();
    for (int r = 0; r < m_columns->rowCount(); ++r)
        t.columns << ReportTemplate::Column{m_columns->item(r, Key)->text(), m_columns->item(r, Title)->text(),
                                            m_columns->item(r, Width)->data(Qt::EditRole).toDouble(),
                                            m_columns->item(r, Shown)->checkState() == Qt::Checked};
    t.titleFont = ReportFont{m_titleFont->currentFont().family(), m_titleSize->value(), true, {}};
    t.bodyFont = ReportFont{m_bodyFont->currentFont().family(), m_bodySize->value(), false, {}};
    t.pageTotals = m_pageTotals->isChecked();
    t.carriedTotals = m_carried->isChecked();
    t.grandTotal = m_grand->isChecked();
    for (const QString& s : m_signatures->text().split(QLatin1Char(','), Qt::SkipEmptyParts))
        if (!s.trimmed().isEmpty())
            t.signatures << s.trimmed();
    return t;
}

void TemplateDesigner::BtnSAKLAClick()
{
    if (templateName().isEmpty()) {
        Prompter::instance().warn(QStringLiteral("Şablon adını giriniz."));
        return;
    }
    if (ErrorPresenter::run([this] { TemplateStore(m_db).save(m_unit, templateName(), layout()); },
                            ErrorPresenter::Store))
        accept();
}

void TemplateDesigner::BtnONIZLEMEClick()
{
    ReportModel r = m_source;
    layout().applyTo(r);
    ReportOutput::send(r, QStringLiteral("Önizleme"), m_unit, QStringLiteral("Liste"), this);
}

} // namespace nimbo
