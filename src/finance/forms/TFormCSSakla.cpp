#include "finance/forms/TFormCSSakla.h"
#include "finance/BankaHesabi.h"
#include "finance/CekSenetDurumu.h"
#include "services/SessionContext.h"
#include "widgets/FormUtil.h"

#include <QComboBox>
#include <QDateEdit>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace nimbo {

TFormCSSakla::TFormCSSakla(double portfoyNo, CekSenetKart::Giris giris, const QString& csTip, const QString& sahip,
                           QWidget* parent)
    : CardWindow(m_kart, parent), m_kart(SessionContext::current().db())
{
    setObjectName(QStringLiteral("TFormCSSakla"));
    if (portfoyNo <= 0 || !m_kart.ac(portfoyNo))
        m_kart.yeni(giris, csTip, sahip);
    const bool devir = m_kart.giris() == CekSenetKart::Giris::Devir;
    setWindowTitle(devir ? QStringLiteral("Çek/Senet Kartı") : QStringLiteral("Çek Senet Kartı"));
    const Db db = SessionContext::current().db();

    auto* lay = new QVBoxLayout(this);
    auto* baslik = new QLabel(QStringLiteral("<b>%1 - %2</b>")
                                  .arg(CekSenetDurumu::turAdi(m_kart.text(QStringLiteral("CS_TIP"))),
                                       CekSenetDurumu::sahipAdi(m_kart.text(QStringLiteral("SAHIP")))));
    baslik->setObjectName(QStringLiteral("LblTUR"));
    lay->addWidget(baslik);
    auto* form = new QFormLayout;
    lay->addLayout(form);
    auto edit = [&](const QString& column, const QString& caption) {
        auto* e = new QLineEdit;
        e->setObjectName(QStringLiteral("Edit") + column);
        bind(e, column);
        form->addRow(caption, e);
        return e;
    };
    auto date = [&](const QString& column, const QString& caption) {
        auto* e = new QDateEdit;
        e->setObjectName(QStringLiteral("Edit") + column);
        e->setCalendarPopup(true);
        bind(e, column);
        form->addRow(caption, e);
    };
    if (devir) {
        auto* tur = new QComboBox;
        tur->setObjectName(QStringLiteral("CmbCS_TIP"));
        tur->addItem(QStringLiteral("Çek"), CekSenetDurumu::kCek);
        tur->addItem(QStringLiteral("Senet"), CekSenetDurumu::kSenet);
        bind(tur, QStringLiteral("CS_TIP"));
        form->addRow(QStringLiteral("Türü"), tur);
        m_durum = new QComboBox;
        m_durum->setObjectName(QStringLiteral("CmbDURUM"));
        m_durum->addItem(QString());
        for (const DevirDurumu& d : CekSenetKart::devirDurumlari())
            m_durum->addItem(d.etiket);
        connect(m_durum, &QComboBox::currentTextChanged, this, [this](const QString& t) { m_kart.setDevirDurumu(t); });
        form->addRow(QStringLiteral("Durumu"), m_durum);
    }
    auto* portfoy = edit(QStringLiteral("PORTFOYNO"), QStringLiteral("Portföy No"));
    portfoy->setReadOnly(true);
    edit(QStringLiteral("SERI_NO"), QStringLiteral("Seri No"));
    edit(QStringLiteral("NUMKOD"), QStringLiteral("Takip Kodu"));
    auto* son = new QPushButton(QStringLiteral("Son Takip Kodu"));
    son->setObjectName(QStringLiteral("BtnSONNUMKOD"));
    son->setAutoDefault(false);
    connect(son, &QPushButton::clicked, this, &TFormCSSakla::sonTakipKodu);
    form->addRow(QString(), son);
    edit(QStringLiteral("CARIKOD"), QStringLiteral("Cari Kodu"));
    if (devir)
        edit(QStringLiteral("CIRO_CKOD"), QStringLiteral("Cirolandığı Cari Kodu"));
    edit(QStringLiteral("BORCLUSU"), QStringLiteral("Borçlusu"));
    edit(QStringLiteral("KESIDEYER"), QStringLiteral("Keşide Yeri"));
    edit(QStringLiteral("BANKA_ADI"), QStringLiteral("Banka Adı"));
    date(QStringLiteral("TANZIMTARIH"), QStringLiteral("Tanzim/Port.Giriş Tarihi"));
    date(QStringLiteral("VADETARIH"), QStringLiteral("Vade"));
    auto* doviz = new QComboBox;
    doviz->setObjectName(QStringLiteral("CmbDOVIZ_KOD"));
    for (const PickItem& d : SessionContext::current().dovizler)
        doviz->addItem(d.value.toString(), d.value);
    bind(doviz, QStringLiteral("DOVIZ_KOD"));
    form->addRow(QStringLiteral("Döviz"), doviz);
    auto* tutar = new QLineEdit;
    tutar->setObjectName(QStringLiteral("EditTUTAR_DOVIZ"));
    bindNumber(tutar, QStringLiteral("TUTAR_DOVIZ"));
    form->addRow(QStringLiteral("Tutar"), tutar);
    // The bank account: of our own cheque, or the one a paper was handed to.
    m_hesap = new QComboBox;
    m_hesap->setObjectName(QStringLiteral("CmbHESAP"));
    m_hesap->addItem(QString(), QString());
    for (const BankaHesabi& h : BankaHesabi::hepsi(db))
        m_hesap->addItem(QStringLiteral("%1 %2 %3").arg(h.bankaKod, h.hesapNo, h.doviz),
                         h.bankaKod + QLatin1Char('\t') + h.hesapNo);
    m_hesap->setCurrentIndex(qMax(0, m_hesap->findData(m_kart.text(QStringLiteral("BANKA_KOD")) + QLatin1Char('\t')
                                                      + m_kart.text(QStringLiteral("HESAP_NO")))));
    connect(m_hesap, &QComboBox::currentIndexChanged, this, &TFormCSSakla::hesapSecildi);
    form->addRow(QStringLiteral("Banka Hesap Kodu"), m_hesap);
    edit(QStringLiteral("KEFIL_1"), QStringLiteral("Kefil 1"));
    edit(QStringLiteral("ACIKLAMA"), QStringLiteral("Açıklama"));
    lay->addWidget(buttonRow());
    showModel();
    enterMovesFocus(this);
}

double TFormCSSakla::ac(QWidget* parent, double portfoyNo, CekSenetKart::Giris giris, const QString& csTip,
                        const QString& sahip)
{
    TFormCSSakla f(portfoyNo, giris, csTip, sahip, parent);
    return f.exec() == QDialog::Accepted ? f.kart().portfoyNo() : 0;
}

void TFormCSSakla::hesapSecildi()
{
    const QStringList p = m_hesap->currentData().toString().split(QLatin1Char('\t'));
    m_kart.setValue(QStringLiteral("BANKA_KOD"), p.value(0));
    m_kart.setValue(QStringLiteral("HESAP_NO"), p.value(1));
}

void TFormCSSakla::sonTakipKodu()
{
    const QString son = m_kart.sonNumKod(m_kart.text(QStringLiteral("NUMKOD")));
    if (son.isEmpty())
        return;
    m_kart.setValue(QStringLiteral("NUMKOD"), son);
    showColumn(QStringLiteral("NUMKOD"));
}

} // namespace nimbo
