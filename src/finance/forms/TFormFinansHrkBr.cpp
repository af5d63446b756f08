#include "finance/forms/TFormFinansHrkBr.h"
#include "finance/FinansBelgesi.h"
#include "finance/FinansIslemTuru.h"
#include "finance/FinansMakbuzu.h"
#include "finance/forms/TFormFinansHrk.h"
#include "printing/forms/ReportOutput.h"
#include "widgets/FormUtil.h"
#include "widgets/RowPrintCommand.h"

#include <QComboBox>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

namespace nimbo {

namespace {
QString anaTurAdi(const QString& t)
{
    static const QHash<QString, QString> adlar{{QStringLiteral("K"), QStringLiteral("Kasa İşlemleri")},
                                               {QStringLiteral("C"), QStringLiteral("Cari İşlemleri")},
                                               {QStringLiteral("B"), QStringLiteral("Banka İşlemleri")},
                                               {QStringLiteral("E"), QStringLiteral("Çek/Senet İşlemleri")}};
    return adlar.value(t);
}
} // namespace

TFormFinansHrkBr::TFormFinansHrkBr(const QString& anaTur, QWidget* parent)
    : ListWindow(QStringLiteral("Finans Hareketleri"), parent), m_anaTur(anaTur)
{
    const QStringList turler = anaTur.isEmpty() ? FinansIslemTuru::anaTurler() : QStringList{anaTur};
    setObjectName(QStringLiteral("TFormFinansHrkBr"));
    resize(1000, 520);
    setColumns({{QStringLiteral("FIN_ID"), QStringLiteral("Fiş No"), 70, ListColumn::Kind::Integer},
                {QStringLiteral("ISLEM_TRH"), QStringLiteral("Tarih"), 80, ListColumn::Kind::Date},
                {QStringLiteral("TUR_ADI"), QStringLiteral("İşlem Türü"), 190},
                {QStringLiteral("KODU"), QStringLiteral("Kodu"), 90},
                {QStringLiteral("ADI"), QStringLiteral("Adı"), 170},
                {QStringLiteral("BORC"), QStringLiteral("Borç"), 100, ListColumn::Kind::Amount, {}, true},
                {QStringLiteral("ALACAK"), QStringLiteral("Alacak"), 100, ListColumn::Kind::Amount, {}, true},
                {QStringLiteral("DOVIZ_KODU"), QStringLiteral("Döviz"), 50},
                {QStringLiteral("ACIKLAMA"), QStringLiteral("Açıklama"), 180},
                {QStringLiteral("FIS_NO"), QStringLiteral("Fiş No (Muh.)"), 80, ListColumn::Kind::Integer}});
    setKeyField(QStringLiteral("FIN_ID"));
    addSearchField(QStringLiteral("Adı"), QStringLiteral("ADI"));
    addSearchField(QStringLiteral("Açıklama"), QStringLiteral("ACIKLAMA"));

    m_tur = new QComboBox;
    m_tur->setObjectName(QStringLiteral("CmbTUR"));
    m_tur->addItem(QStringLiteral("Tümü"), anaTur);
    for (const QString& t : turler)
        for (const QString& t2 : FinansIslemTuru::islemler(t))
            m_tur->addItem(FinansIslemTuru::etiket(t, t2), t + t2);
    m_bas = optionalDateEdit(QStringLiteral("EditTARIH1"));
    m_bit = optionalDateEdit(QStringLiteral("EditTARIH2"));
    m_kod = new QLineEdit;
    m_kod->setObjectName(QStringLiteral("EditKODU"));
    m_kod->setMaximumWidth(110);
    m_kod2 = new QLineEdit;
    m_kod2->setObjectName(QStringLiteral("EditKODU2"));
    m_kod2->setMaximumWidth(110);
    auto* f = new QWidget;
    auto* fl = new QHBoxLayout(f);
    fl->setContentsMargins(0, 0, 0, 0);
    fl->addWidget(new QLabel(QStringLiteral("Tür")));
    fl->addWidget(m_tur);
    fl->addWidget(new QLabel(QStringLiteral("Tarih")));
    fl->addWidget(m_bas);
    fl->addWidget(m_bit);
    fl->addWidget(new QLabel(QStringLiteral("Kod")));
    fl->addWidget(m_kod);
    fl->addWidget(new QLabel(QStringLiteral("2. Kod")));
    fl->addWidget(m_kod2);
    addFilterWidget(f);

    setCommands(Change | Delete | Print | Export);
    if (!viewOnly()) {
        auto* yeni = new QPushButton(QStringLiteral("Yeni"));
        yeni->setObjectName(QStringLiteral("BtnYENI"));
        yeni->setAutoDefault(false);
        auto* menu = new QMenu(yeni);
        for (const QString& t : turler) {
            QMenu* alt = menu->addMenu(anaTurAdi(t));
            for (const QString& t2 : FinansIslemTuru::islemler(t)) {
                QAction* a = alt->addAction(FinansIslemTuru::etiket(t, t2));
                a->setObjectName(QStringLiteral("Yeni") + t + t2);
                connect(a, &QAction::triggered, this, [this, t, t2] { yeniBelge(t, t2); });
            }
        }
        yeni->setMenu(menu);
        commandLayout()->insertWidget(0, yeni);
    }
    m_makbuz = new RowPrintCommand(this, QStringLiteral("Makbuz Yazdır"), QStringLiteral("BtnMAKBUZ"),
                                   [this](const QSqlRecord& r, const QString& output) {
                                       ReportOutput::send(FinansMakbuzu::olustur(db(), r.value(QStringLiteral("FIN_ID")).toInt()),
                                                          output, QStringLiteral("TFormFinansHrk"), QStringLiteral("Makbuz"),
                                                          this);
                                   });
    refresh();
}

FinansHareketFiltre TFormFinansHrkBr::filtre() const
{
    FinansHareketFiltre f;
    const QString tur = m_tur->currentData().toString();
    f.tip = tur.left(1);
    f.tip2 = tur.mid(1);
    f.bas = optionalDate(m_bas);
    f.son = optionalDate(m_bit);
    f.kod = m_kod->text().trimmed();
    f.kod2 = m_kod2->text().trimmed();
    f.aramaAlani = searchField();
    f.aramaDegeri = searchText();
    return f;
}

void TFormFinansHrkBr::makbuzYazdir(const QString& output) { m_makbuz->run(output); }

ListQuery TFormFinansHrkBr::query() const { return FinansHareketListesi::sorgu(db().dialect(), filtre()); }

void TFormFinansHrkBr::yeniBelge(const QString& tip, const QString& tip2)
{
    const int no = TFormFinansHrk::ac(this, tip, tip2);
    if (no > 0)
        refresh(no);
}

void TFormFinansHrkBr::changeRecord(const QSqlRecord& row)
{
    const int no = row.value(QStringLiteral("FIN_ID")).toInt();
    TFormFinansHrk::ac(this, toText(row.value(QStringLiteral("ISLEM_TIP"))).trimmed(),
                       toText(row.value(QStringLiteral("ISLEM_TIP2"))).trimmed(), no);
    refresh(no);
}

bool TFormFinansHrkBr::deleteRecord(const QSqlRecord& row)
{
    return deleteDocument<FinansBelgesi>(row.value(QStringLiteral("FIN_ID")).toInt(), QString(), QString());
}

} // namespace nimbo
