#include "finance/forms/TFormTaksitTakip.h"
#include "finance/TaksitMakbuzu.h"
#include "printing/forms/ReportOutput.h"
#include "services/Prompter.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace nimbo {

namespace {
QString durumAdi(const QVariant& v)
{
    const QString d = v.toString().trimmed();
    return d == QLatin1String("E") ? QStringLiteral("Ödendi")
           : d == QLatin1String("Y") ? QStringLiteral("Eksik Ödeme")
                                     : QStringLiteral("Ödenmedi");
}
QString turAdi(const QVariant& v)
{
    const QString t = v.toString().trimmed();
    return t == QLatin1String("P") ? QStringLiteral("Perakende Satış")
           : t == QLatin1String("A") ? QStringLiteral("Alış")
                                     : QStringLiteral("Satış");
}
} // namespace

TFormTaksitTakip::TFormTaksitTakip(QWidget* parent) : ListWindow(QStringLiteral("Taksit Takip Formu"), parent)
{
    setObjectName(QStringLiteral("TFormTaksitTakip"));
    resize(1000, 520);
    setColumns({{QStringLiteral("SATIS_NO"), QStringLiteral("Satış No"), 70, ListColumn::Kind::Integer},
                {QStringLiteral("SIRANO"), QStringLiteral("Taksit"), 50, ListColumn::Kind::Integer},
                {QStringLiteral("SAT_TIP"), QStringLiteral("Tür"), 90, ListColumn::Kind::Text, turAdi},
                {QStringLiteral("CARI_KOD"), QStringLiteral("Cari Kodu"), 90},
                {QStringLiteral("ODE_TRH"), QStringLiteral("Vade"), 80, ListColumn::Kind::Date},
                {QStringLiteral("ODEME_TUT"), QStringLiteral("Ödenecek"), 90, ListColumn::Kind::Amount, {}, true},
                {QStringLiteral("TAH_TUTAR"), QStringLiteral("Tahsil Edilen"), 90, ListColumn::Kind::Amount, {}, true},
                {QStringLiteral("TAH_KALAN"), QStringLiteral("Kalan"), 90, ListColumn::Kind::Amount, {}, true},
                {QStringLiteral("TAKSIT_ODENDI"), QStringLiteral("Durum"), 90, ListColumn::Kind::Text, durumAdi},
                {QStringLiteral("TAH_TRH"), QStringLiteral("Tahsil Tarihi"), 80, ListColumn::Kind::Date},
                {QStringLiteral("CEZA_TUTAR"), QStringLiteral("Ceza"), 70, ListColumn::Kind::Amount},
                {QStringLiteral("DOVIZ_KOD"), QStringLiteral("Döviz"), 50}});
    m_durum = new QComboBox;
    m_durum->setObjectName(QStringLiteral("CmbDURUM"));
    m_durum->addItem(QStringLiteral("Tümü"), QString());
    m_durum->addItem(QStringLiteral("Ödendi"), QStringLiteral("E"));
    m_durum->addItem(QStringLiteral("Eksik Ödeme"), QStringLiteral("Y"));
    m_durum->addItem(QStringLiteral("Ödenmedi"), QStringLiteral("H"));
    m_tur = new QComboBox;
    m_tur->setObjectName(QStringLiteral("CmbSAT_TIP"));
    m_tur->addItem(QStringLiteral("Tümü"), QString());
    for (const char* t : {"S", "P", "A"})
        m_tur->addItem(turAdi(QString::fromLatin1(t)), QString::fromLatin1(t));
    m_satis = new QLineEdit;
    m_satis->setObjectName(QStringLiteral("EditSATIS_NO"));
    m_satis->setMaximumWidth(90);
    m_cari = new QLineEdit;
    m_cari->setObjectName(QStringLiteral("EditCARI_KOD"));
    m_cari->setMaximumWidth(110);
    auto* f = new QWidget;
    auto* fl = new QHBoxLayout(f);
    fl->setContentsMargins(0, 0, 0, 0);
    fl->addWidget(new QLabel(QStringLiteral("Durum")));
    fl->addWidget(m_durum);
    fl->addWidget(new QLabel(QStringLiteral("Tür")));
    fl->addWidget(m_tur);
    fl->addWidget(new QLabel(QStringLiteral("Satış No")));
    fl->addWidget(m_satis);
    fl->addWidget(new QLabel(QStringLiteral("Cari")));
    fl->addWidget(m_cari);
    addFilterWidget(f);
    setCommands(Print | Export);
    auto button = [this](const QString& text, const QString& name, auto slot) {
        auto* b = new QPushButton(text);
        b->setObjectName(name);
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, slot);
        commandLayout()->insertWidget(0, b);
    };
    button(QStringLiteral("Makbuz"), QStringLiteral("BtnMAKBUZ"), [this] { makbuz(); });
    button(QStringLiteral("Ödenmedi"), QStringLiteral("BtnODENMEDI"), &TFormTaksitTakip::odenmedi);
    button(QStringLiteral("Tahsil Et"), QStringLiteral("BtnTAHSIL"), &TFormTaksitTakip::tahsilEt);
    refresh();
    basligiYaz();
}

TaksitFiltre TFormTaksitTakip::filtre() const
{
    TaksitFiltre f;
    f.durum = m_durum->currentData().toString();
    f.satTip = m_tur->currentData().toString();
    f.satisNo = m_satis->text().trimmed().toDouble();
    f.cariKod = m_cari->text().trimmed();
    return f;
}

ListQuery TFormTaksitTakip::query() const { return TaksitTakip::sorgu(filtre()); }

void TFormTaksitTakip::basligiYaz()
{
    setWindowTitle(QStringLiteral("Taksit Takip Formu [Listelenmiş kayıt sayısı = %1]").arg(rowCount()));
}

void TFormTaksitTakip::tahsilEt()
{
    const QSqlRecord r = currentRecord();
    if (r.isEmpty())
        return;
    if (guard([&] {
            TaksitTakip(db()).topluTahsil({{r.value(QStringLiteral("SATIS_NO")).toDouble(),
                                            r.value(QStringLiteral("SIRANO")).toInt()}},
                                          QDate::currentDate());
            Prompter::instance().info(QStringLiteral("Kayıt saklandı."));
            Prompter::instance().info(QStringLiteral("Yaptığınız değişiklikler kaydedildi."));
        }))
        refresh(currentKey());
    basligiYaz();
}

void TFormTaksitTakip::odenmedi()
{
    const QSqlRecord r = currentRecord();
    if (r.isEmpty())
        return;
    guard([&] {
        TaksitTakip(db()).odenmediYap(r.value(QStringLiteral("SATIS_NO")).toDouble(), r.value(QStringLiteral("SIRANO")).toInt());
    });
    refresh(currentKey());
    basligiYaz();
}

void TFormTaksitTakip::makbuz(const QString& output)
{
    const QSqlRecord r = currentRecord();
    if (r.isEmpty())
        return;
    ReportModel m;
    if (guard([&] {
            m = TaksitMakbuzu::olustur(db(), r.value(QStringLiteral("SATIS_NO")).toDouble(),
                                       r.value(QStringLiteral("SIRANO")).toInt());
        }))
        ReportOutput::send(m, output, QStringLiteral("TFormTaksitTakip"), QStringLiteral("Makbuz"), this);
}

} // namespace nimbo
