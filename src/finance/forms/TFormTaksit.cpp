#include "finance/forms/TFormTaksit.h"
#include "db/SqlValues.h"
#include "widgets/ErrorPresenter.h"
#include "widgets/FormUtil.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace nimbo {

namespace {

enum Kolon { No, Vade, Tutar, Sekli, Tahsil, Durum, KolonSayisi };

const QLocale kTr(QLocale::Turkish);

double sayi(const QString& t)
{
    bool ok = false;
    double v = kTr.toDouble(t.trimmed(), &ok);
    if (!ok)
        v = QLocale::c().toDouble(t.trimmed(), &ok);
    return ok ? v : 0;
}

QString para(double v) { return kTr.toString(v, 'f', 2); }

QLineEdit* sayiAlani(const QString& name, bool salt = false)
{
    auto* e = new QLineEdit;
    e->setObjectName(name);
    e->setAlignment(Qt::AlignRight);
    e->setMaximumWidth(130);
    if (salt)
        setEditorReadOnly(e, true);
    return e;
}

QString durumAdi(const QVariant& v)
{
    const QString d = toText(v).trimmed();
    return d == QLatin1String("E") ? QStringLiteral("Ödendi")
           : d == QLatin1String("Y") ? QStringLiteral("Eksik Ödeme")
                                     : QStringLiteral("Ödenmedi");
}

bool tahsilli(const QVariantMap& t) { return t.value(QStringLiteral("TAH_TUTAR")).toDouble() > 0; }

} // namespace

TFormTaksit::TFormTaksit(const TaksitliSatis& taksit, const TaksitPlanGirdisi& girdi, Kabul kabul, QWidget* parent)
    : QDialog(parent), m_taksit(taksit), m_ilk(girdi), m_kabul(std::move(kabul))
{
    setObjectName(QStringLiteral("TFormTaksit"));
    setWindowTitle(QStringLiteral("Taksitlendirme"));
    resize(720, 520);
    auto* lay = new QVBoxLayout(this);
    lay->addWidget(alanlar());

    m_tablo = new QTableWidget(0, KolonSayisi);
    m_tablo->setObjectName(QStringLiteral("GrdTAKSIT"));
    m_tablo->setHorizontalHeaderLabels({QStringLiteral("Taksit No"), QStringLiteral("Vade Tarihi"),
                                        QStringLiteral("Taksit Tutarı"), QStringLiteral("Ödeme Şekli"),
                                        QStringLiteral("Tahsil Edilen"), QStringLiteral("Durum")});
    m_tablo->verticalHeader()->hide();
    m_tablo->horizontalHeader()->setStretchLastSection(true);
    for (int c : {No, Vade, Tutar, Sekli, Tahsil})
        m_tablo->setColumnWidth(c, c == No ? 70 : 115);
    connect(m_tablo, &QTableWidget::cellChanged, this, &TFormTaksit::hucreDegisti);
    lay->addWidget(new QLabel(QStringLiteral("Ödeme Planı")));
    lay->addWidget(m_tablo, 1);

    auto* butonlar = new QHBoxLayout;
    auto buton = [&](const QString& text, const QString& name) {
        auto* b = new QPushButton(text);
        b->setObjectName(name);
        b->setAutoDefault(false);
        butonlar->addWidget(b);
        return b;
    };
    butonlar->addStretch(1);
    connect(buton(QStringLiteral("Ödeme Planı"), QStringLiteral("BtnPLAN")), &QPushButton::clicked, this,
            &TFormTaksit::planla);
    QPushButton* ok = buton(QStringLiteral("Tamam"), QStringLiteral("BtnTAMAM"));
    connect(ok, &QPushButton::clicked, this, &TFormTaksit::tamam);
    connect(buton(m_kabul ? QStringLiteral("Vazgeç") : QStringLiteral("Kapat"), QStringLiteral("BtnVAZGEC")),
            &QPushButton::clicked, this, &QDialog::reject);
    lay->addLayout(butonlar);

    alanlariGoster(girdi);
    m_taksitler = m_taksit.taksitler();
    if (m_taksitler.isEmpty() && girdi.taksitSayisi > 0)
        m_taksitler = m_taksit.planla(girdi);
    tabloyuGoster();
    tutarlariGoster();
    if (!m_kabul) {
        ok->hide();
        for (QWidget* w : findChildren<QWidget*>())
            if (qobject_cast<QLineEdit*>(w) || qobject_cast<QDateEdit*>(w) || qobject_cast<QComboBox*>(w)
                || qobject_cast<QCheckBox*>(w) || w->objectName() == QLatin1String("BtnPLAN"))
                w->setEnabled(false);
        m_tablo->setEditTriggers(QAbstractItemView::NoEditTriggers);
    }
    enterMovesFocus(this);
}

TFormTaksit* TFormTaksit::kayitliPlan(const Db& db, double belgeNo, QWidget* parent)
{
    auto t = std::make_unique<TaksitliSatis>(db, QStringLiteral("S"));
    t->okuKayitli(belgeNo > 0 ? belgeNo : TaksitliSatis::sonTaksitliBelge(db));
    auto* f = new TFormTaksit(*t, t->girdi(), {}, parent);
    f->m_sahip = std::move(t);
    return f;
}

QWidget* TFormTaksit::alanlar()
{
    auto* w = new QWidget;
    auto* g = new QGridLayout(w);
    g->setContentsMargins(0, 0, 0, 0);
    auto alan = [g](int row, int col, const QString& etiket, QWidget* e) {
        g->addWidget(new QLabel(etiket), row, col * 2);
        g->addWidget(e, row, col * 2 + 1);
    };
    m_tutar = sayiAlani(QStringLiteral("EditSATIS_TUTARI"), true); // the document's net total
    m_pesinat = sayiAlani(QStringLiteral("EditPESINAT"));
    m_pesinatTarihi = new QDateEdit;
    m_pesinatTarihi->setObjectName(QStringLiteral("EditPESINAT_TRH"));
    m_pesinatTarihi->setCalendarPopup(true);
    m_pesinatTarihi->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    m_kalan = sayiAlani(QStringLiteral("EditKALAN"), true);
    m_tip = new QComboBox;
    m_tip->setObjectName(QStringLiteral("CmbTAKSIT_TIPI"));
    m_tip->addItems({QStringLiteral("Otomatik"), QStringLiteral("Manuel")});
    m_sayi = sayiAlani(QStringLiteral("EditTAKSIT_SAYISI"));
    m_ilkVade = optionalDateEdit(QStringLiteral("EditILK_VADE"));
    m_aySonu = new QCheckBox(QStringLiteral("Ay Sonu"));
    m_aySonu->setObjectName(QStringLiteral("ChkAY_SONU"));
    m_sekli = new QComboBox;
    m_sekli->setObjectName(QStringLiteral("CmbODEME_SEKLI"));
    for (const auto& [ad, kod] : {std::pair{"Nakit", "N"}, {"Cek", "C"}, {"Senet", "S"}, {"Havale", "H"},
                                  {"Kredi Kartı", "K"}})
        m_sekli->addItem(QString::fromUtf8(ad), QString::fromLatin1(kod));
    m_taksitTutari = sayiAlani(QStringLiteral("EditTAKSIT_TUTARI"), true);

    alan(0, 0, QStringLiteral("Satış Tutarı"), m_tutar);
    alan(0, 1, QStringLiteral("Taksit Tipi"), m_tip);
    alan(1, 0, QStringLiteral("Peşinat"), m_pesinat);
    alan(1, 1, QStringLiteral("Taksit Sayısı"), m_sayi);
    alan(2, 0, QStringLiteral("Peşinat Ödeme Tarihi"), m_pesinatTarihi);
    alan(2, 1, QStringLiteral("Taksit İlk Vade"), m_ilkVade);
    alan(3, 0, QStringLiteral("Kalan Tutar"), m_kalan);
    g->addWidget(m_aySonu, 3, 3);
    alan(4, 0, QStringLiteral("Taksit Tutarı"), m_taksitTutari);
    alan(4, 1, QStringLiteral("Ödeme Şekli"), m_sekli);
    g->setColumnStretch(4, 1);

    // Otomatik follows every field at once; Manuel keeps the typed rows until "Ödeme Planı".
    auto degisti = [this] {
        if (m_gosteriliyor)
            return;
        if (manuel())
            tutarlariGoster();
        else
            planla();
    };
    for (QLineEdit* e : {m_tutar, m_pesinat, m_sayi})
        connect(e, &QLineEdit::textEdited, this, degisti);
    for (QDateEdit* d : {m_pesinatTarihi, m_ilkVade})
        connect(d, &QDateEdit::dateChanged, this, degisti);
    connect(m_aySonu, &QCheckBox::toggled, this, degisti);
    connect(m_sekli, &QComboBox::currentIndexChanged, this, degisti);
    connect(m_tip, &QComboBox::currentIndexChanged, this, [this] { tabloyuGoster(); });
    return w;
}

bool TFormTaksit::manuel() const { return m_tip->currentIndex() == 1; }

void TFormTaksit::alanlariGoster(const TaksitPlanGirdisi& g)
{
    m_gosteriliyor = true;
    m_tutar->setText(para(g.satisTutari));
    m_pesinat->setText(para(g.pesinat));
    m_pesinatTarihi->setDate(g.pesinatTarihi.isValid() ? g.pesinatTarihi : QDate::currentDate());
    m_sayi->setText(g.taksitSayisi > 0 ? QString::number(g.taksitSayisi) : QString());
    m_ilkVade->setDate(g.ilkVade.isValid() ? g.ilkVade : m_ilkVade->minimumDate());
    m_aySonu->setChecked(g.aySonu);
    const int s = m_sekli->findData(g.odemeSekli);
    m_sekli->setCurrentIndex(s < 0 ? 0 : s);
    m_gosteriliyor = false;
}

TaksitPlanGirdisi TFormTaksit::girdi() const
{
    TaksitPlanGirdisi g = m_ilk;
    g.satisTutari = sayi(m_tutar->text());
    g.pesinat = sayi(m_pesinat->text());
    g.pesinatTarihi = m_pesinatTarihi->date();
    g.ilkVade = optionalDate(m_ilkVade);
    g.taksitSayisi = int(sayi(m_sayi->text()));
    g.aySonu = m_aySonu->isChecked();
    g.odemeSekli = m_sekli->currentData().toString();
    return g;
}

void TFormTaksit::planla()
{
    const TaksitPlanGirdisi g = girdi();
    m_taksitler = m_taksit.planla(g);
    if (!m_taksitler.isEmpty()) {
        // The first due date the plan took (a month after the down payment when left empty).
        m_gosteriliyor = true;
        m_ilkVade->setDate(toDate(m_taksitler.first().value(QStringLiteral("ODE_TRH"))));
        m_gosteriliyor = false;
    }
    tabloyuGoster();
    tutarlariGoster();
}

void TFormTaksit::tutarlariGoster()
{
    const TaksitPlanGirdisi g = girdi();
    const double kalan = TaksitPlani::kalanTutar(g);
    m_kalan->setText(para(kalan));
    m_taksitTutari->setText(g.taksitSayisi > 0 && kalan > 0 ? para(kalan / g.taksitSayisi) : QString());
}

void TFormTaksit::tabloyuGoster()
{
    m_gosteriliyor = true;
    m_tablo->setRowCount(int(m_taksitler.size()));
    for (int r = 0; r < m_taksitler.size(); ++r) {
        const QVariantMap& t = m_taksitler[r];
        const QString sekli = toText(t.value(QStringLiteral("ODEME_SEKLI"))).trimmed();
        const int s = m_sekli->findData(sekli);
        const QStringList metin{QString::number(t.value(QStringLiteral("SIRANO")).toInt()),
                                toDate(t.value(QStringLiteral("ODE_TRH"))).toString(QStringLiteral("dd.MM.yyyy")),
                                para(t.value(QStringLiteral("ODEME_TUT")).toDouble()),
                                s < 0 ? sekli : m_sekli->itemText(s),
                                para(t.value(QStringLiteral("TAH_TUTAR")).toDouble()),
                                durumAdi(t.value(QStringLiteral("TAKSIT_ODENDI")))};
        for (int c = 0; c < KolonSayisi; ++c) {
            auto* item = new QTableWidgetItem(metin[c]);
            // Only a hand-made plan is typed into, and never over a collected instalment.
            if (!(manuel() && (c == Vade || c == Tutar) && !tahsilli(t) && m_kabul))
                item->setFlags(item->flags() & ~Qt::ItemIsEditable);
            if (c == Tutar || c == Tahsil)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            m_tablo->setItem(r, c, item);
        }
    }
    m_gosteriliyor = false;
}

void TFormTaksit::hucreDegisti(int row, int column)
{
    if (m_gosteriliyor || row < 0 || row >= m_taksitler.size())
        return;
    QVariantMap& t = m_taksitler[row];
    const QString metin = m_tablo->item(row, column)->text();
    if (column == Vade) {
        const QDate d = QDate::fromString(metin.trimmed(), QStringLiteral("dd.MM.yyyy"));
        if (d.isValid())
            t.insert(QStringLiteral("ODE_TRH"), QDateTime(d, QTime(0, 0)));
    } else if (column == Tutar) {
        const double v = sayi(metin);
        t.insert(QStringLiteral("ODEME_TUT"), v);
        t.insert(QStringLiteral("TAH_KALAN"), v);
    }
    tabloyuGoster();
}

void TFormTaksit::tamam()
{
    if (!m_kabul)
        return;
    TaksitPlanGirdisi g = girdi();
    if (manuel())
        g.taksitSayisi = int(m_taksitler.size());
    if (ErrorPresenter::run([&] { m_kabul(g, m_taksitler); }))
        accept();
}

} // namespace nimbo
