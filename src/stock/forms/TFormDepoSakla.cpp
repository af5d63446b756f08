#include "stock/forms/TFormDepoSakla.h"
#include "services/SessionContext.h"
#include "widgets/FormUtil.h"

#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

namespace nimbo {

TFormDepoSakla::TFormDepoSakla(int depoKodu, QWidget* parent)
    : CardWindow(m_kart, parent), m_kart(SessionContext::current().db())
{
    setObjectName(QStringLiteral("TFormDepoSakla"));
    setWindowTitle(QStringLiteral("Depo Kartı"));
    if (depoKodu == 0)
        m_kart.startNew();
    else
        m_kart.open(depoKodu);
    auto* lay = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    lay->addLayout(form);
    auto* kod = new QLineEdit;
    kod->setObjectName(QStringLiteral("EditDEPO_KODU"));
    bindNumber(kod, QStringLiteral("DEPO_KODU"), 0);
    auto* ad = new QLineEdit;
    ad->setObjectName(QStringLiteral("EditDEPO_ADI"));
    bind(ad, QStringLiteral("DEPO_ADI"));
    auto* yer = new QLineEdit;
    yer->setObjectName(QStringLiteral("EditDEPO_YERI"));
    bind(yer, QStringLiteral("DEPO_YERI"));
    form->addRow(QStringLiteral("Depo Kodu"), kod);
    form->addRow(QStringLiteral("Depo Adı"), ad);
    form->addRow(QStringLiteral("Depo Yeri"), yer);
    if (depoKodu != 0)
        setColumnsReadOnly({QStringLiteral("DEPO_KODU")}, true);
    lay->addWidget(buttonRow());
    showModel();
    enterMovesFocus(this);
}

} // namespace nimbo
