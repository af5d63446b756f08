#include "ledger/forms/TFormHesap.h"
#include "services/SessionContext.h"
#include "widgets/FormUtil.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace nimbo {

TFormHesap::TFormHesap(const QString& kod, bool yeni, QWidget* parent)
    : CardWindow(m_kart, parent), m_kart(SessionContext::current().db())
{
    setObjectName(QStringLiteral("TFormHesap"));
    setWindowTitle(QStringLiteral("Hesap Kodları Tanımı"));
    if (yeni || !m_kart.ac(kod))
        m_kart.yeni(kod);

    auto* lay = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    lay->addLayout(form);
    const auto edit = [&](const QString& col, const QString& caption) {
        auto* e = new QLineEdit;
        e->setObjectName(QStringLiteral("Edit") + col);
        bind(e, col);
        form->addRow(caption, e);
        return e;
    };
    m_kod = edit(QStringLiteral("HKOD"), QStringLiteral("Hesap Kodu"));
    m_ana = new QLabel;
    m_ana->setObjectName(QStringLiteral("LblANAHESAP"));
    form->addRow(QStringLiteral("Ana Hesap"), m_ana);
    m_sonAlt = new QLabel;
    m_sonAlt->setObjectName(QStringLiteral("LblSONALT"));
    form->addRow(QStringLiteral("Son Alt Hesap"), m_sonAlt);
    edit(QStringLiteral("HESAP_ADI"), QStringLiteral("Hesap Adı"));
    edit(QStringLiteral("ACIKLAMA"), QStringLiteral("Açıklama"));

    auto* bakiye = new QComboBox;
    bakiye->setObjectName(QStringLiteral("CmbBAKIYETIP"));
    bakiye->addItem(QStringLiteral("Borç"), QStringLiteral("B"));
    bakiye->addItem(QStringLiteral("Alacak"), QStringLiteral("A"));
    bakiye->addItem(QStringLiteral("Her İkisi"), QStringLiteral("I"));
    bind(bakiye, QStringLiteral("BAKIYETIP"));
    form->addRow(QStringLiteral("Bakiye Tipi"), bakiye);
    auto* bilanco = new QComboBox;
    bilanco->setObjectName(QStringLiteral("CmbBILANCOTIP"));
    bilanco->addItem(QStringLiteral("Aktif"), QStringLiteral("A"));
    bilanco->addItem(QStringLiteral("Pasif"), QStringLiteral("P"));
    bilanco->addItem(QStringLiteral("-"), QStringLiteral("-"));
    bind(bilanco, QStringLiteral("BILANCOTIP"));
    form->addRow(QStringLiteral("Bilanço Tipi"), bilanco);

    edit(QStringLiteral("KURFHSP_KOD"), QStringLiteral("Kur Farkı Hesabı"));
    edit(QStringLiteral("ENFARK_HSP"), QStringLiteral("Enflasyon Farkı Hesabı"));
    edit(QStringLiteral("BAGLI_HSP"), QStringLiteral("Bağlı Hesap"));
    edit(QStringLiteral("MASRAFM_KOD"), QStringLiteral("Masraf Merkezi"));
    edit(QStringLiteral("BIRIM"), QStringLiteral("Birim"));
    bindNumber(edit(QStringLiteral("HSINIF"), QStringLiteral("Hesap Sınıfı")), QStringLiteral("HSINIF"), 0);
    bindNumber(edit(QStringLiteral("HGRUBU"), QStringLiteral("Hesap Grubu")), QStringLiteral("HGRUBU"), 0);
    edit(QStringLiteral("MUAVIN"), QStringLiteral("Muavin"));
    edit(QStringLiteral("TALI"), QStringLiteral("Tali"));
    edit(QStringLiteral("DETAY"), QStringLiteral("Detay"));

    setColumnsReadOnly({QStringLiteral("HKOD")}, !m_kart.isNew());
    connect(m_kod, &QLineEdit::editingFinished, this, &TFormHesap::kodBirakildi);
    lay->addWidget(buttonRow());
    showModel();
    kodBirakildi();
    enterMovesFocus(this);
    resize(460, 560);
}

void TFormHesap::kodBirakildi()
{
    if (m_kart.isNew()) {
        m_kart.kebirDegisti();
        showColumn(QStringLiteral("BILANCOTIP"));
    }
    m_ana->setText(m_kart.anaHesap());
    m_sonAlt->setText(m_kart.sonAltHesap());
}

bool TFormHesap::beforeSave()
{
    // The checks first, so that nobody is asked about moving lines of a card that is refused.
    return guard([this] { m_kart.kontrolEt(); }) && m_kart.tasimaSor();
}

void TFormHesap::afterSave() { m_kaydedilen = m_kart.text(QStringLiteral("HKOD")); }

} // namespace nimbo
