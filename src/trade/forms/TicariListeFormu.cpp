#include "trade/forms/TicariListeFormu.h"
#include "accounts/CariKapamaKontrol.h"
#include "services/Prompter.h"
#include "trade/TicariTaraf.h"
#include "widgets/DocumentWindow.h"
#include "widgets/ErrorPresenter.h"
#include "widgets/FormUtil.h"
#include "widgets/RowPrintCommand.h"

#include <QComboBox>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

namespace nimbo {

TicariListeFormu::TicariListeFormu(const TicariTaraf& taraf, const Metinler& metinler, QWidget* parent)
    : ListWindow(metinler.baslik, parent), m_taraf(taraf), m_metinler(metinler)
{
    resize(1100, 560);
    using K = ListColumn::Kind;
    const TicariTaraf& t = taraf;
    ListColumn tip{QStringLiteral("TIP"), QStringLiteral("Belge Tipi"), 150};
    tip.display = [&t](const QVariant& v) { return t.tipAdi(toText(v).trimmed()); };
    setColumns({{t.anahtar, QStringLiteral("Belge No"), 70, K::Integer},
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
    setKeyField(t.anahtar);
    addSearchField(QStringLiteral("Cari Adı"), QStringLiteral("FIRMA_ADI"));

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
    setEditRight(metinler.duzeltmeHakki);
    m_yazdir = new RowPrintCommand(this, QStringLiteral("Fatura Yazdır"), QStringLiteral("BtnFATKES"),
                                   [this](const QSqlRecord& r, const QString& output) {
                                       yazdir(r.value(m_taraf.anahtar).toDouble(), output);
                                   });
    refresh();
}

SatisListeFiltre TicariListeFormu::filtre() const
{
    SatisListeFiltre f;
    f.tip = m_tip->currentData().toString();
    f.tarihBas = optionalDate(m_bas);
    f.tarihBit = optionalDate(m_bit);
    f.cariKod = m_cari->text();
    if (searchField() == QLatin1String("FIRMA_ADI"))
        f.cariAdi = searchText();
    f.fatura = SatisListeFiltre::Fatura(m_fatura->currentData().toInt());
    return f;
}

ListQuery TicariListeFormu::query() const { return SatisListesi::sorgu(db(), filtre(), m_taraf); }

void TicariListeFormu::newRecord()
{
    std::unique_ptr<DocumentWindow> f;
    if (!ErrorPresenter::run([&] { f.reset(pencere(-1, false)); }) || !f)
        return;
    if (f->exec() == QDialog::Accepted)
        refresh(f->savedKey());
}

void TicariListeFormu::belgeAc(double no)
{
    if (DocumentWindow::openCount(pencereSinifi()) >= 3) {
        Prompter::instance().warn(m_metinler.pencereSiniri);
        return;
    }
    {
        std::unique_ptr<TicariBelge> b = belgeModeli();
        b->open(no);
        const QString engel = SatisListesi::duzeltmeEngeli(*b);
        if (!engel.isEmpty()) {
            Prompter::instance().warn(engel);
            return;
        }
    }
    bool salt = false;
    if (CariKapamaKontrol::belgeEslesmis(db(), no, m_taraf.yazan)) {
        if (!Prompter::instance().ask(m_metinler.salt))
            return;
        salt = true;
    }
    std::unique_ptr<DocumentWindow> f;
    if (!ErrorPresenter::run([&] { f.reset(pencere(no, salt)); }) || !f)
        return;
    f->exec();
    refresh(no);
}

void TicariListeFormu::refreshRows()
{
    const QSqlRecord r = currentRecord();
    refresh(r.isEmpty() ? QVariant() : r.value(m_taraf.anahtar));
}

void TicariListeFormu::changeRecord(const QSqlRecord& row) { belgeAc(row.value(m_taraf.anahtar).toDouble()); }

bool TicariListeFormu::deleteRecord(const QSqlRecord& row)
{
    return deleteGuarded([&] {
        std::unique_ptr<TicariBelge> b = belgeModeli();
        b->open(row.value(m_taraf.anahtar));
        return SatisListesi::sil(*b);
    });
}

void TicariListeFormu::faturaYazdir(const QString& output) { m_yazdir->run(output); }

} // namespace nimbo
