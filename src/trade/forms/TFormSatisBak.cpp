#include "trade/forms/TFormSatisBak.h"
#include "model/DocumentError.h"
#include "services/Prompter.h"
#include "trade/SatisBelgesi.h"
#include "trade/TicariTaraf.h"
#include "trade/forms/TFormSatisA.h"
#include "widgets/FormUtil.h"

#include <QComboBox>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace nimbo {

TFormSatisBak::TFormSatisBak(QWidget* parent) : ListWindow(QStringLiteral("Satış İşlemleri"), parent)
{
    setObjectName(QStringLiteral("TFormSatisBak"));
    resize(1100, 560);
    using K = ListColumn::Kind;
    const TicariTaraf& t = TicariTaraf::satis();
    ListColumn tip{QStringLiteral("TIP"), QStringLiteral("Belge Tipi"), 150};
    tip.display = [&t](const QVariant& v) { return t.tipAdi(toText(v).trimmed()); };
    setColumns({{QStringLiteral("SATIS_NO"), QStringLiteral("Satış No"), 70, K::Integer},
                tip,
                {QStringLiteral("FAT_NO"), QStringLiteral("Fatura No"), 85},
                {QStringLiteral("FATARIH"), QStringLiteral("Fatura Tarihi"), 80, K::Date},
                {QStringLiteral("IRS_NO"), QStringLiteral("İrsaliye No"), 85},
                {QStringLiteral("IRSTARIH"), QStringLiteral("İrs.Tarihi"), 80, K::Date},
                {QStringLiteral("CARIKOD"), QStringLiteral("Cari Kod"), 90},
                {QStringLiteral("FIRMA_ADI"), QStringLiteral("Firma Adı"), 180},
                {QStringLiteral("NETTUT"), QStringLiteral("Genel Toplam"), 100, K::Amount, {}, true},
                {QStringLiteral("NET_USD"), QStringLiteral("Toplam USD"), 90, K::Amount, {}, true},
                {QStringLiteral("NET_EUR"), QStringLiteral("Toplam EUR"), 90, K::Amount, {}, true},
                {QStringLiteral("FIS_NO"), QStringLiteral("Fiş No"), 60, K::Integer},
                {QStringLiteral("ACIKLAMA"), QStringLiteral("Açıklama"), 200}});
    setKeyField(QStringLiteral("SATIS_NO"));

    m_tip = new QComboBox;
    m_tip->setObjectName(QStringLiteral("CmbTIP"));
    m_tip->addItem(QStringLiteral("Tümü"), QString());
    for (const BelgeTipi& b : t.tipler)
        if (!b.ad.isEmpty())
            m_tip->addItem(b.ad, b.harf);
    m_bas = optionalDateEdit(QStringLiteral("EditTARIH1"));
    m_bit = optionalDateEdit(QStringLiteral("EditTARIH2"));
    m_cari = new QLineEdit;
    m_cari->setObjectName(QStringLiteral("EditCARIKOD"));
    m_cari->setMaximumWidth(120);
    m_fatura = new QComboBox;
    m_fatura->setObjectName(QStringLiteral("CmbFATURA"));
    m_fatura->addItem(QStringLiteral("Tümü"), int(SatisListeFiltre::Fatura::Hepsi));
    m_fatura->addItem(QStringLiteral("Faturası Kesilmiş"), int(SatisListeFiltre::Fatura::Kesilmis));
    m_fatura->addItem(QStringLiteral("Faturası Kesilmemiş"), int(SatisListeFiltre::Fatura::Kesilmemis));
    auto* f = new QWidget;
    auto* fl = new QHBoxLayout(f);
    fl->setContentsMargins(0, 0, 0, 0);
    fl->addWidget(new QLabel(QStringLiteral("Tip")));
    fl->addWidget(m_tip);
    fl->addWidget(new QLabel(QStringLiteral("Tarih")));
    fl->addWidget(m_bas);
    fl->addWidget(m_bit);
    fl->addWidget(new QLabel(QStringLiteral("Cari Kod")));
    fl->addWidget(m_cari);
    fl->addWidget(m_fatura);
    addFilterWidget(f);
    setCommands(New | Change | Delete | Print | Export);
    setEditRight(QStringLiteral("SATIS_DUZEL"));
    auto* yazdir = new QPushButton(QStringLiteral("Fatura Yazdır"));
    yazdir->setObjectName(QStringLiteral("BtnFATKES"));
    yazdir->setAutoDefault(false);
    connect(yazdir, &QPushButton::clicked, this, [this] { faturaYazdir(); });
    commandLayout()->addWidget(yazdir);
    refresh();
}

SatisListeFiltre TFormSatisBak::filtre() const
{
    SatisListeFiltre f;
    f.tip = m_tip->currentData().toString();
    f.tarihBas = optionalDate(m_bas);
    f.tarihBit = optionalDate(m_bit);
    f.cariKod = m_cari->text();
    f.fatura = SatisListeFiltre::Fatura(m_fatura->currentData().toInt());
    return f;
}

ListQuery TFormSatisBak::query() const { return SatisListesi::sorgu(filtre()); }

void TFormSatisBak::newRecord()
{
    TFormSatisA f(-1, false, this);
    if (f.exec() == QDialog::Accepted)
        refresh(f.savedKey());
}

void TFormSatisBak::belgeAc(double no)
{
    if (DocumentWindow::openCount(QStringLiteral("TFormSatisA")) >= 3) {
        Prompter::instance().warn(QStringLiteral("3 ten fazla Satış Penceresi ile Çalışılmaz.Lütfen Satış "
                                                 "Pencerelerinden Birini Kapatıp Bu Kaydı yeniden Çağırmayı Deneyin."));
        return;
    }
    bool salt = false;
    if (SatisBelgesi::odemeleriKapanmis(db(), no)) {
        if (!Prompter::instance().ask(QStringLiteral("Bu Hareketin Ödemeleri Kapanmış.Değiştirmek için Önce Ödemeleri "
                                                     "İptal Etmelisiniz. Yine de Satışı Görmek İstiyormusunuz")))
            return;
        salt = true;
    }
    TFormSatisA f(no, salt, this);
    f.exec();
    refresh(no);
}

void TFormSatisBak::changeRecord(const QSqlRecord& row) { belgeAc(row.value(QStringLiteral("SATIS_NO")).toDouble()); }

bool TFormSatisBak::deleteRecord(const QSqlRecord& row)
{
    bool silindi = false;
    guard([&] {
        SatisBelgesi b(db());
        b.open(row.value(QStringLiteral("SATIS_NO")));
        try {
            b.deleteDocument();
            silindi = true;
        } catch (const DocumentError&) {
            // refused or answered No: the document said so already
        }
    });
    return silindi;
}

void TFormSatisBak::faturaYazdir(const QString& output)
{
    const QSqlRecord r = currentRecord();
    if (!r.isEmpty())
        TFormSatisA::yazdir(this, r.value(QStringLiteral("SATIS_NO")).toDouble(), output);
}

} // namespace nimbo
