#include "finance/forms/TFormKasaSakla.h"
#include "services/SessionContext.h"
#include "widgets/FormUtil.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

namespace nimbo {

TFormKasaSakla::TFormKasaSakla(const QString& kod, QWidget* parent)
    : CardWindow(m_kart, parent), m_kart(SessionContext::current().db())
{
    setObjectName(QStringLiteral("TFormKasaSakla"));
    setWindowTitle(QStringLiteral("Kasa Tanım Kayıt"));
    if (kod.isEmpty() || !m_kart.ac(kod))
        m_kart.yeni();

    auto* lay = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    lay->addLayout(form);
    auto edit = [&](const QString& column, const QString& caption) { return addEdit(form, column, caption); };
    m_kod = edit(QStringLiteral("KASAKOD"), QStringLiteral("Kodu"));
    edit(QStringLiteral("ADI"), QStringLiteral("Adı"));
    auto* doviz = new QComboBox;
    doviz->setObjectName(QStringLiteral("CmbDOVIZ_KOD"));
    for (const PickItem& d : SessionContext::current().dovizler)
        doviz->addItem(d.value.toString(), d.value);
    bind(doviz, QStringLiteral("DOVIZ_KOD"));
    form->addRow(QStringLiteral("B/A Döviz Türü"), doviz);
    edit(QStringLiteral("MUH_KOD"), QStringLiteral("Kasa Muhasabe Kodu"));
    edit(QStringLiteral("ACIKLAMA1"), QStringLiteral("Açıklama 1"));
    edit(QStringLiteral("ACIKLAMA2"), QStringLiteral("Açıklama 2"));
    edit(QStringLiteral("ACIKLAMA3"), QStringLiteral("Açıklama 3"));
    if (!m_kart.isNew())
        setColumnsReadOnly({QStringLiteral("KASAKOD")}, true);
    connect(m_kod, &QLineEdit::editingFinished, this, &TFormKasaSakla::kodAyrildi);
    lay->addWidget(buttonRow());
    showModel();
    enterMovesFocus(this);
}

QString TFormKasaSakla::ac(QWidget* parent, const QString& kod)
{
    TFormKasaSakla f(kod, parent);
    return f.exec() == QDialog::Accepted ? f.savedCode() : QString();
}

void TFormKasaSakla::kodAyrildi()
{
    if (!m_kart.isNew())
        return;
    if (!guard([&] { m_kart.kodKontrol(m_kod->text()); })) {
        m_kart.setValue(QStringLiteral("KASAKOD"), QString());
        m_kod->clear();
    }
}

} // namespace nimbo
