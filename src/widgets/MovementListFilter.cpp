#include "widgets/MovementListFilter.h"
#include "widgets/FormUtil.h"

#include <QComboBox>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPushButton>

namespace nimbo {

MovementListFilter::MovementListFilter(const QList<PickItem>& tipler, const QVariantList& muhasebeDegerleri,
                                       QWidget* parent)
    : QWidget(parent)
{
    m_tip = new QComboBox;
    m_tip->setObjectName(QStringLiteral("CmbTIP"));
    m_tip->addItem(QStringLiteral("Tümü"), QString());
    for (const PickItem& t : tipler)
        m_tip->addItem(t.text, t.value);
    m_bas = optionalDateEdit(QStringLiteral("EditTARIH1"));
    m_bit = optionalDateEdit(QStringLiteral("EditTARIH2"));
    m_muhasebe = new QComboBox;
    m_muhasebe->setObjectName(QStringLiteral("CmbMUHASEBE"));
    const QStringList adlar{QStringLiteral("Tümü"), QStringLiteral("Muhasebeleşmiş"), QStringLiteral("Muhasebeleşmemiş")};
    for (int i = 0; i < adlar.size() && i < muhasebeDegerleri.size(); ++i)
        m_muhasebe->addItem(adlar.at(i), muhasebeDegerleri.at(i));
    m_lay = new QHBoxLayout(this);
    m_lay->setContentsMargins(0, 0, 0, 0);
    m_lay->addWidget(new QLabel(QStringLiteral("Tür")));
    m_lay->addWidget(m_tip);
    m_lay->addWidget(new QLabel(QStringLiteral("Tarih")));
    m_lay->addWidget(m_bas);
    m_lay->addWidget(m_bit);
    m_lay->addWidget(m_muhasebe);
}

QPushButton* newDocumentButton(QWidget* owner, const QList<PickItem>& kinds, const std::function<void(const QString&)>& open)
{
    auto* yeni = new QPushButton(QStringLiteral("Yeni"));
    yeni->setObjectName(QStringLiteral("BtnYENI"));
    yeni->setAutoDefault(false);
    auto* menu = new QMenu(yeni);
    for (const PickItem& k : kinds) {
        QAction* a = menu->addAction(k.text);
        const QString value = k.value.toString();
        a->setObjectName(QStringLiteral("Yeni") + value);
        QObject::connect(a, &QAction::triggered, owner, [open, value] { open(value); });
    }
    yeni->setMenu(menu);
    return yeni;
}

} // namespace nimbo
