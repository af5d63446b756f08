#include "stock/forms/TFormStokFisBak.h"
#include "services/Prompter.h"
#include "services/SessionContext.h"
#include "stock/StokFisHaklari.h"
#include "stock/StokFisi.h"
#include "stock/StokFisTipi.h"
#include "stock/forms/TFormStkFis.h"
#include "services/SharedLists.h"

#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

namespace nimbo {

TFormStokFisBak::TFormStokFisBak(QWidget* parent) : ListWindow(QStringLiteral("Stok Fişleri"), parent)
{
    setObjectName(QStringLiteral("TFormStokFisBak"));
    const auto tipAdi = [](const QVariant& v) { return StokFisTipi::ad(toText(v).trimmed()); };
    const auto durumAdi = [](const QVariant& v) {
        const QString d = toText(v).trimmed();
        return d == QLatin1String("T") ? QStringLiteral("Transfer Edildi")
               : d == QLatin1String("E") ? QStringLiteral("Transfer Edilecek")
                                         : QString();
    };
    using K = ListColumn::Kind;
    setColumns({{QStringLiteral("HRKNO"), QStringLiteral("Fiş No"), 80, K::Integer},
                {QStringLiteral("TIP"), QStringLiteral("Fiş Tipi"), 200, K::Text, tipAdi},
                {QStringLiteral("TARIH"), QStringLiteral("Tarih"), 85, K::Date},
                {QStringLiteral("NETTUT"), QStringLiteral("Net Tutar"), 130, K::Amount, {}, true},
                {QStringLiteral("CIKDEPO"), QStringLiteral("Çıkış Deposu"), 95, K::Integer},
                {QStringLiteral("GIRDEPO"), QStringLiteral("Giriş Deposu"), 95, K::Integer},
                {QStringLiteral("HRKDURUM"), QStringLiteral("Durum"), 110, K::Text, durumAdi},
                {QStringLiteral("KULLANICI"), QStringLiteral("Kullanıcı"), 90},
                {QStringLiteral("PERSON_KOD"), QStringLiteral("İşlem Sorumlusu"), 115},
                {QStringLiteral("FIS_NO"), QStringLiteral("Muh.Fiş No"), 80, K::Integer},
                {QStringLiteral("ACIKLAMA1"), QStringLiteral("Açıklama"), 180}});
    setKeyField(QStringLiteral("HRKNO"));
    setCommands(New | Change | Delete | Print | Export);
    addFilterWidget(filtreAlani());
    resize(1150, 600);
    refresh();
}

QWidget* TFormStokFisBak::filtreAlani()
{
    auto* w = new QWidget;
    auto* g = new QGridLayout(w);
    g->setContentsMargins(0, 0, 0, 0);
    m_sorumlu = new QComboBox;
    m_sorumlu->setObjectName(QStringLiteral("CmbFiltreSorumlu"));
    m_sorumlu->addItem(QStringLiteral("(Hepsi)"), QString());
    for (const PickItem& k : OrtakListe(db(), QStringLiteral("CALISAN")))
        m_sorumlu->addItem(k.text, toText(k.value).trimmed());
    m_tip = new QComboBox;
    m_tip->setObjectName(QStringLiteral("CmbFiltreTip"));
    m_tip->addItem(QStringLiteral("(Hepsi)"), QString());
    for (const QString& t : StokFisTipi::hepsi())
        m_tip->addItem(StokFisTipi::ad(t), t);
    const QDate yil(SessionContext::current().CalismaYiliNo > 0 ? SessionContext::current().CalismaYiliNo
                                                                : QDate::currentDate().year(),
                    1, 1);
    m_ilk = new QDateEdit(yil);
    m_son = new QDateEdit(yil.addYears(1).addDays(-1));
    for (QDateEdit* d : {m_ilk, m_son}) {
        d->setCalendarPopup(true);
        d->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    }
    m_ilk->setObjectName(QStringLiteral("EditFiltreIlkTarih"));
    m_son->setObjectName(QStringLiteral("EditFiltreSonTarih"));
    m_ilkNo = new QLineEdit;
    m_sonNo = new QLineEdit;
    m_ilkNo->setObjectName(QStringLiteral("EditFiltreIlkNo"));
    m_sonNo->setObjectName(QStringLiteral("EditFiltreSonNo"));
    m_durum = new QComboBox;
    m_durum->setObjectName(QStringLiteral("CmbFiltreDurum"));
    m_durum->addItem(QStringLiteral("(Hepsi)"), QString());
    m_durum->addItem(QStringLiteral("Transfer Edilecek"), QStringLiteral("E"));
    m_durum->addItem(QStringLiteral("Transfer Edildi"), QStringLiteral("T"));
    m_stok = new QLineEdit;
    m_stok->setObjectName(QStringLiteral("EditFiltreStok"));
    m_sira = new QComboBox;
    m_sira->setObjectName(QStringLiteral("CmbSira"));
    m_sira->addItems(StokFisListesi::siraAdlari());
    g->addWidget(new QLabel(QStringLiteral("İşlem Sorumlusu")), 0, 0);
    g->addWidget(m_sorumlu, 0, 1);
    g->addWidget(new QLabel(QStringLiteral("Fiş Tipi")), 0, 2);
    g->addWidget(m_tip, 0, 3);
    g->addWidget(new QLabel(QStringLiteral("Tarih")), 0, 4);
    g->addWidget(m_ilk, 0, 5);
    g->addWidget(m_son, 0, 6);
    g->addWidget(new QLabel(QStringLiteral("Fiş No")), 1, 0);
    g->addWidget(m_ilkNo, 1, 1);
    g->addWidget(m_sonNo, 1, 2);
    g->addWidget(new QLabel(QStringLiteral("Durum")), 1, 3);
    g->addWidget(m_durum, 1, 4);
    g->addWidget(new QLabel(QStringLiteral("Stok Adı")), 1, 5);
    g->addWidget(m_stok, 1, 6);
    g->addWidget(new QLabel(QStringLiteral("Sıralama")), 0, 7);
    g->addWidget(m_sira, 1, 7);
    return w;
}

StokFisListesi::Filtre TFormStokFisBak::filtre() const
{
    StokFisListesi::Filtre f;
    f.personKod = m_sorumlu->currentData().toString();
    f.tip = m_tip->currentData().toString();
    f.ilkTarih = m_ilk->date();
    f.sonTarih = m_son->date();
    f.ilkNo = m_ilkNo->text().toDouble();
    f.sonNo = m_sonNo->text().toDouble();
    f.durum = m_durum->currentData().toString();
    f.stokAdi = m_stok->text();
    f.sira = StokFisListesi::Sira(qMax(0, m_sira->currentIndex()));
    return f;
}

ListQuery TFormStokFisBak::query() const { return StokFisListesi::sorgu(db().dialect(), filtre()); }

void TFormStokFisBak::newRecord()
{
    TFormStkFis w(0, m_tip->currentData().toString(), this);
    if (w.exec() == QDialog::Accepted)
        refresh(w.fis().hrkNo());
}

bool TFormStokFisBak::duzelt(double hrkNo, const QString& tip)
{
    const QString engel = StokFisHaklari(SessionContext::current()).duzeltmeEngeli(tip);
    if (!engel.isEmpty()) {
        Prompter::instance().warn(engel);
        return false;
    }
    if (!TFormStkFis::acilabilir())
        return false;
    TFormStkFis w(hrkNo, tip, this);
    const bool saved = w.exec() == QDialog::Accepted;
    refresh(hrkNo);
    return saved;
}

void TFormStokFisBak::changeRecord(const QSqlRecord& row)
{
    duzelt(row.value(QStringLiteral("HRKNO")).toDouble(), toText(row.value(QStringLiteral("TIP"))).trimmed());
}

bool TFormStokFisBak::deleteRecord(const QSqlRecord& row)
{
    return deleteDocument<StokFisi>(row.value(QStringLiteral("HRKNO")));
}

} // namespace nimbo
