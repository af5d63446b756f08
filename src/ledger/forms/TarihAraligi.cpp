#include "ledger/forms/TarihAraligi.h"
#include "services/SessionContext.h"

#include <QDateEdit>
#include <QHBoxLayout>
#include <QLabel>

namespace nimbo {

TarihAraligi::TarihAraligi(QWidget* parent) : QWidget(parent)
{
    auto* lay = new QHBoxLayout(this);
    lay->setContentsMargins(0, 0, 0, 0);
    const int yil = SessionContext::current().CalismaYiliNo > 0 ? SessionContext::current().CalismaYiliNo
                                                                 : QDate::currentDate().year();
    m_bas = new QDateEdit(QDate(yil, 1, 1));
    m_bit = new QDateEdit(QDate(yil, 12, 31));
    for (QDateEdit* e : {m_bas, m_bit}) {
        e->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
        e->setCalendarPopup(true);
    }
    m_bas->setObjectName(QStringLiteral("EditBASTRH"));
    m_bit->setObjectName(QStringLiteral("EditBITTRH"));
    lay->addWidget(new QLabel(QStringLiteral("Başlangıç")));
    lay->addWidget(m_bas);
    lay->addWidget(new QLabel(QStringLiteral("Bitiş")));
    lay->addWidget(m_bit);
}

QDate TarihAraligi::bas() const { return m_bas->date(); }
QDate TarihAraligi::bit() const { return m_bit->date(); }

void TarihAraligi::set(const QDate& bas, const QDate& bit)
{
    m_bas->setDate(bas);
    m_bit->setDate(bit);
}

} // namespace nimbo
