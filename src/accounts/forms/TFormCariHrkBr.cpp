#include "accounts/forms/TFormCariHrkBr.h"
#include "accounts/CariHareketBelgesi.h"
#include "accounts/forms/CariHareketMakbuzu.h"
#include "accounts/forms/TFormCariHarek.h"
#include "widgets/FormUtil.h"
#include "widgets/MovementListFilter.h"
#include "widgets/RowPrintCommand.h"

#include <QComboBox>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace nimbo {

namespace {
const char* const kTipler[][3] = {{"N", "B", "Nakit Tahsilat"}, {"N", "A", "Nakit Ödeme"}, {"D", "", "Dekont"},
                                  {"V", "", "Virman"},          {"O", "", "Özel"},         {"F", "", "Kur-Vade Farkı"},
                                  {"I", "", "İlk Açılış"}};
}

TFormCariHrkBr::TFormCariHrkBr(QWidget* parent) : ListWindow(QStringLiteral("Cari Hareketler"), parent)
{
    setObjectName(QStringLiteral("TFormCariHrkBr"));
    resize(900, 500);
    ListColumn tip{QStringLiteral("TIP_TARAF"), QStringLiteral("Hareket Türü"), 110};
    tip.display = [](const QVariant& v) {
        const QString t = toText(v).trimmed();
        return CariHareketBelgesi::tipAdi(t.left(1), t.mid(1));
    };
    setColumns({{QStringLiteral("CARI_NO"), QStringLiteral("Hrk.No"), 70, ListColumn::Kind::Integer},
                {QStringLiteral("TARIH"), QStringLiteral("Tarih"), 80, ListColumn::Kind::Date},
                tip,
                {QStringLiteral("BORC"), QStringLiteral("Borç"), 100, ListColumn::Kind::Amount, {}, true},
                {QStringLiteral("ALACAK"), QStringLiteral("Alacak"), 100, ListColumn::Kind::Amount, {}, true},
                {QStringLiteral("BORC_USD"), QStringLiteral("Borç USD"), 90, ListColumn::Kind::Amount},
                {QStringLiteral("ALACAK_USD"), QStringLiteral("Alacak USD"), 90, ListColumn::Kind::Amount},
                {QStringLiteral("FIS_NO"), QStringLiteral("Fiş No"), 70, ListColumn::Kind::Integer},
                {QStringLiteral("ACIKLAMA"), QStringLiteral("Açıklama"), 200}});
    setKeyField(QStringLiteral("CARI_NO"));

    QList<PickItem> tipler;
    for (const char* t : {"N", "D", "V", "I", "F", "O", "R", "L"})
        tipler << PickItem{CariHareketBelgesi::tipAdi(QString::fromLatin1(t)), QString::fromLatin1(t)};
    auto* f = new MovementListFilter(tipler, {int(CariHareketListeFiltre::Muhasebe::Hepsi),
                                              int(CariHareketListeFiltre::Muhasebe::Kayitli),
                                              int(CariHareketListeFiltre::Muhasebe::Kayitsiz)});
    m_tip = f->tip();
    m_bas = f->bas();
    m_bit = f->bit();
    m_muhasebe = f->muhasebe();
    m_cari = new QLineEdit;
    m_cari->setObjectName(QStringLiteral("EditCARI_KOD"));
    m_cari->setMaximumWidth(120);
    f->row()->addWidget(new QLabel(QStringLiteral("Cari Kod")));
    f->row()->addWidget(m_cari);
    addFilterWidget(f);

    setCommands(Change | Delete | Print | Export);
    QList<PickItem> yeniler;
    for (const auto& t : kTipler)
        yeniler << PickItem{QString::fromUtf8(t[2]), QString::fromLatin1(t[0]) + QString::fromLatin1(t[1])};
    commandLayout()->insertWidget(
        0, newDocumentButton(this, yeniler, [this](const QString& v) { yeniBelge(v.left(1), v.mid(1)); }));
    m_makbuz = new RowPrintCommand(this, QStringLiteral("Makbuz Yazdır"), QStringLiteral("BtnMAKBUZ"),
                                   [this](const QSqlRecord& r, const QString& output) {
                                       CariHareketMakbuzu::yazdir(this, db(), r.value(QStringLiteral("CARI_NO")).toDouble(),
                                                                  output);
                                   });
    refresh();
}

CariHareketListeFiltre TFormCariHrkBr::filtre() const
{
    CariHareketListeFiltre f;
    f.tip = m_tip->currentData().toString();
    f.tarihBas = optionalDate(m_bas);
    f.tarihBit = optionalDate(m_bit);
    f.muhasebe = CariHareketListeFiltre::Muhasebe(m_muhasebe->currentData().toInt());
    f.cariKod = m_cari->text();
    return f;
}

ListQuery TFormCariHrkBr::query() const { return CariHareketListesi(db()).sorgu(filtre()); }

void TFormCariHrkBr::yeniBelge(const QString& tip, const QString& taraf)
{
    const double no = TFormCariHarek::ac(this, tip, taraf);
    if (no > 0)
        refresh(no);
}

void TFormCariHrkBr::changeRecord(const QSqlRecord& row)
{
    const double no = row.value(QStringLiteral("CARI_NO")).toDouble();
    const QString tip = toText(row.value(QStringLiteral("TIP"))).trimmed();
    TFormCariHarek::ac(this, tip, {}, {}, no);
    refresh(no);
}

bool TFormCariHrkBr::deleteRecord(const QSqlRecord& row)
{
    return deleteDocument<CariHareketBelgesi>(row.value(QStringLiteral("CARI_NO")),
                                              toText(row.value(QStringLiteral("TIP"))).trimmed());
}

void TFormCariHrkBr::makbuzYazdir(const QString& output) { m_makbuz->run(output); }

} // namespace nimbo
