#include "session/forms/TFormFirmaSec.h"
#include "services/SessionContext.h"
#include "session/forms/TFormVeriTabLogin.h"
#include "widgets/FormUtil.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace nimbo {

TFormFirmaSec::TFormFirmaSec(FirmSelection& selection, QWidget* parent) : QDialog(parent), m_sel(selection)
{
    setObjectName(QStringLiteral("TFormFirmaSec"));
    setWindowTitle(QStringLiteral("Firma Seçimi"));
    setMinimumWidth(360);
    auto* lay = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    m_firm = new QComboBox;
    m_firm->setObjectName(QStringLiteral("cbFirma"));
    m_year = new QComboBox;
    m_year->setObjectName(QStringLiteral("cbYil"));
    form->addRow(QStringLiteral("Firma"), m_firm);
    form->addRow(QStringLiteral("Çalışma Yılı"), m_year);
    lay->addLayout(form);
    auto* buttons = new QDialogButtonBox;
    m_ok = buttons->addButton(QStringLiteral("Tamam"), QDialogButtonBox::AcceptRole);
    buttons->addButton(QStringLiteral("İptal"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &TFormFirmaSec::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &TFormFirmaSec::reject);
    lay->addWidget(buttons);

    const QStringList firms = m_sel.firms();
    m_firm->addItems(firms);
    const QString initial = m_sel.initialFirm();
    if (!initial.isEmpty())
        m_firm->setCurrentText(initial);
    m_ok->setEnabled(!firms.isEmpty());
    connect(m_firm, &QComboBox::currentTextChanged, this, &TFormFirmaSec::loadYears);
    loadYears();
    enterMovesFocus(this);
}

void TFormFirmaSec::loadYears()
{
    m_years = m_sel.years(m_firm->currentText());
    m_year->clear();
    for (const FirmYear& y : m_years)
        m_year->addItem(y.yili);
    if (!m_years.isEmpty())
        m_year->setCurrentIndex(m_years.size() - 1); // the newest year
}

void TFormFirmaSec::accept()
{
    const int i = m_year->currentIndex();
    if (i < 0 || i >= m_years.size())
        return;
    if (m_sel.accept(m_firm->currentText(), m_years.at(i)))
        QDialog::accept();
    else
        QDialog::reject();
}

bool TFormFirmaSec::FirmaSecimi(SessionContext& s, AliasStore& aliases, QWidget* parent)
{
    FirmSelection sel(s, aliases, [parent](int mode, const QString& user, const QString& caption) {
        return TFormVeriTabLogin::VeriTabaniGirisi(mode, user, caption, parent);
    });
    if (!sel.prepare())
        return false;
    TFormFirmaSec dlg(sel, parent);
    const bool ok = dlg.exec() == QDialog::Accepted;
    sel.close();
    return ok;
}

} // namespace nimbo
