#include "printing/forms/SayfaAyarla.h"
#include "db/Errors.h"
#include "printing/PageSetupStore.h"
#include "printing/PaperSizes.h"
#include "services/Prompter.h"
#include "services/SessionContext.h"
#include "widgets/ErrorPresenter.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace nimbo {

namespace {

// A sheet with lines of text, upright or lying.
QPixmap pagePicture(bool landscape)
{
    const QSize size = landscape ? QSize(44, 32) : QSize(32, 44);
    QPixmap pix(48, 48);
    pix.fill(Qt::transparent);
    QPainter p(&pix);
    const QRect sheet(QPoint((48 - size.width()) / 2, (48 - size.height()) / 2), size);
    p.fillRect(sheet, Qt::white);
    p.setPen(QPen(Qt::black, 1));
    p.drawRect(sheet.adjusted(0, 0, -1, -1));
    p.setPen(QPen(Qt::darkGray, 1));
    for (int y = sheet.top() + 6; y < sheet.bottom() - 4; y += 4)
        p.drawLine(sheet.left() + 5, y, sheet.right() - 5, y);
    return pix;
}

QSpinBox* mmBox(int max)
{
    auto* s = new QSpinBox;
    s->setRange(0, max);
    s->setSuffix(QStringLiteral(" mm"));
    return s;
}

} // namespace

SayfaAyarla::SayfaAyarla(const Db& db, const QString& unit, const QString& reportName, const QString& caption1,
                         const QString& caption2, const QString& defaultOrientation, const QMargins& defaultMargins,
                         QWidget* parent)
    : QDialog(parent), m_db(db)
{
    setWindowTitle(QStringLiteral("Sayfa Ayarı"));
    setObjectName(QStringLiteral("SayfaAyarla"));
    m_row = PageSetupStore(db).ensure(unit, reportName, defaultOrientation, defaultMargins);

    auto* top = new QVBoxLayout(this);
    for (const QString& c : {caption1, caption2})
        if (!c.isEmpty()) {
            auto* l = new QLabel(c);
            QFont f = l->font();
            f.setBold(true);
            l->setFont(f);
            top->addWidget(l);
        }

    auto* form = new QFormLayout;
    m_paper = new QComboBox;
    m_paper->addItems(PaperSizes::names());
    m_width = mmBox(2000);
    m_height = mmBox(2000);
    m_left = mmBox(500);
    m_right = mmBox(500);
    m_top = mmBox(500);
    m_bottom = mmBox(500);
    form->addRow(QStringLiteral("Sayfa Boyutu"), m_paper);
    form->addRow(QStringLiteral("Sayfa Genişliği"), m_width);
    form->addRow(QStringLiteral("Sayfa Yüksekliği"), m_height);
    form->addRow(QStringLiteral("Sayfa Solundan Bırakılacak Boşluk"), m_left);
    form->addRow(QStringLiteral("Sayfa Sağından Bırakılacak Boşluk"), m_right);
    form->addRow(QStringLiteral("Sayfa Üstünden Bırakılacak Boşluk"), m_top);
    form->addRow(QStringLiteral("Sayfa Altında Bırakılacak Boşluk"), m_bottom);
    top->addLayout(form);

    auto* orient = new QGroupBox(QStringLiteral("Yazım Yönü"));
    auto* ol = new QHBoxLayout(orient);
    m_portrait = new QRadioButton(QStringLiteral("Dikey"));
    m_landscape = new QRadioButton(QStringLiteral("Yatay"));
    for (auto [button, landscape] : {std::pair{m_portrait, false}, std::pair{m_landscape, true}}) {
        auto* pic = new QLabel;
        pic->setPixmap(pagePicture(landscape));
        ol->addWidget(pic);
        ol->addWidget(button);
    }
    ol->addStretch();
    top->addWidget(orient);

    auto* buttons = new QDialogButtonBox;
    auto* save = buttons->addButton(QStringLiteral("Sakla"), QDialogButtonBox::AcceptRole);
    auto* cancel = buttons->addButton(QStringLiteral("İptal"), QDialogButtonBox::RejectRole);
    save->setObjectName(QStringLiteral("BtnSAKLA"));
    cancel->setObjectName(QStringLiteral("BtnIPTAL"));
    top->addWidget(buttons);
    connect(save, &QPushButton::clicked, this, &SayfaAyarla::BtnSAKLAClick);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    // Show the row; an unknown or empty paper name shows as A4.
    const int idx = m_paper->findText(m_row.SAYFAISIM);
    m_paper->setCurrentIndex(idx >= 0 ? idx : 0);
    m_width->setValue(m_row.SAYFAGEN);
    m_height->setValue(m_row.SAYFAYUK);
    m_left->setValue(m_row.SOL);
    m_right->setValue(m_row.SAG);
    m_top->setValue(m_row.UST);
    m_bottom->setValue(m_row.ALT);
    (m_row.PRBICIMI == QLatin1String("D") ? m_portrait : m_landscape)->setChecked(true);
    connect(m_paper, &QComboBox::textActivated, this, &SayfaAyarla::paperChosen);
}

void SayfaAyarla::paperChosen(const QString& name)
{
    if (const auto size = PaperSizes::sizeForName(name)) {
        m_width->setValue(size->width());
        m_height->setValue(size->height());
    }
}

PageSetupRow SayfaAyarla::row() const
{
    PageSetupRow r = m_row;
    r.SAYFAISIM = m_paper->currentText();
    r.SAYFAGEN = m_width->value();
    r.SAYFAYUK = m_height->value();
    r.SOL = m_left->value();
    r.SAG = m_right->value();
    r.UST = m_top->value();
    r.ALT = m_bottom->value();
    r.PRBICIMI = m_portrait->isChecked() ? QStringLiteral("D") : QStringLiteral("Y");
    return r;
}

void SayfaAyarla::BtnSAKLAClick()
{
    if (ErrorPresenter::run([this] { PageSetupStore(m_db).save(row()); }, ErrorPresenter::Store))
        accept();
}

bool SayfaAyarla::run(const QString& unit, const QString& reportName, const QString& caption1,
                      const QString& caption2, QWidget* parent)
{
    bool accepted = false;
    ErrorPresenter::run([&] {
        SayfaAyarla dlg(SessionContext::current().db(), unit, reportName, caption1, caption2, QStringLiteral("D"),
                        QMargins(10, 10, 10, 10), parent);
        accepted = dlg.exec() == QDialog::Accepted;
    });
    return accepted;
}

} // namespace nimbo
