#include "accounts/forms/TFormCariHrk.h"
#include "accounts/CariBakiye.h"
#include "printing/forms/ReportOutput.h"
#include "services/SessionContext.h"
#include "widgets/FormUtil.h"
#include "widgets/WindowRegistry.h"

#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPushButton>

namespace nimbo {

TFormCariHrk::TFormCariHrk(const QString& cariKod, QWidget* parent) : ListWindow(QStringLiteral("Cari Hareketler"), parent)
{
    setObjectName(QStringLiteral("TFormCariHrk"));
    resize(1050, 560);
    ListColumn tur{QStringLiteral("HRK_TURU"), QStringLiteral("Hareket Türü"), 190};
    tur.display = [](const QVariant& v) {
        const QString s = toText(v);
        return CariEkstre::hareketTuru(s.left(1), s.mid(1));
    };
    ListColumn bakiye{QStringLiteral("TARIH"), QStringLiteral("Bakiye"), 120};
    bakiye.display = [this](const QVariant& v) { return m_yuruyen.value(toDate(v)).bakiyeMetni(); };
    setColumns({{QStringLiteral("TARIH"), QStringLiteral("Tarih"), 80, ListColumn::Kind::Date},
                {QStringLiteral("BELGE_NO"), QStringLiteral("Belge No"), 80},
                tur,
                {QStringLiteral("HRK_NO"), QStringLiteral("Hrk.No"), 60, ListColumn::Kind::Integer},
                {QStringLiteral("VADE_TRH"), QStringLiteral("Vade"), 80, ListColumn::Kind::Date},
                {QStringLiteral("BORC"), QStringLiteral("Borç"), 100, ListColumn::Kind::Amount, {}, true},
                {QStringLiteral("ALACAK"), QStringLiteral("Alacak"), 100, ListColumn::Kind::Amount, {}, true},
                bakiye,
                {QStringLiteral("DOVIZ_KODU"), QStringLiteral("Döviz"), 50},
                {QStringLiteral("BORC_DVZ"), QStringLiteral("Döviz Borç"), 90, ListColumn::Kind::Amount},
                {QStringLiteral("ALACAK_DVZ"), QStringLiteral("Döviz Alacak"), 90, ListColumn::Kind::Amount},
                {QStringLiteral("DVZ_KUR"), QStringLiteral("Kur"), 70, ListColumn::Kind::Amount},
                {QStringLiteral("ACIKLAMA"), QStringLiteral("Açıklama"), 220}});
    setKeyField(QStringLiteral("FIN_ID"));

    m_baslik = new QLabel;
    m_baslik->setObjectName(QStringLiteral("LblCARI"));
    m_bas = optionalDateEdit(QStringLiteral("EditTARIH1"));
    m_bit = optionalDateEdit(QStringLiteral("EditTARIH2"));
    m_vadeBas = optionalDateEdit(QStringLiteral("EditVADE1"));
    m_vadeBit = optionalDateEdit(QStringLiteral("EditVADE2"));
    m_tur = new QComboBox;
    m_tur->setObjectName(QStringLiteral("CmbTUR"));
    m_tur->addItem(QStringLiteral("Tümü"), QString());
    for (const auto& t : CariEkstre::hareketTurleri())
        m_tur->addItem(t.second, t.first);
    m_doviz = new QComboBox;
    m_doviz->setObjectName(QStringLiteral("CmbDOVIZ"));
    m_doviz->addItem(QStringLiteral("Tümü"), QString());
    for (const PickItem& d : SessionContext::current().dovizler)
        m_doviz->addItem(d.value.toString(), d.value);
    auto* f = new QWidget;
    auto* g = new QGridLayout(f);
    g->setContentsMargins(0, 0, 0, 0);
    g->addWidget(m_baslik, 0, 0, 1, 6);
    g->addWidget(new QLabel(QStringLiteral("İşlem Tarihi")), 1, 0);
    g->addWidget(m_bas, 1, 1);
    g->addWidget(m_bit, 1, 2);
    g->addWidget(new QLabel(QStringLiteral("Vade Tarihi")), 1, 3);
    g->addWidget(m_vadeBas, 1, 4);
    g->addWidget(m_vadeBit, 1, 5);
    g->addWidget(new QLabel(QStringLiteral("Hareket Türü")), 2, 0);
    g->addWidget(m_tur, 2, 1, 1, 2);
    g->addWidget(new QLabel(QStringLiteral("Döviz")), 2, 3);
    g->addWidget(m_doviz, 2, 4);
    addFilterWidget(f);

    auto* box = new QWidget;
    auto* t = new QGridLayout(box);
    auto value = [&](const QString& name) {
        auto* l = new QLabel;
        l->setObjectName(name);
        l->setMinimumWidth(120);
        l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        l->setFrameShape(QFrame::StyledPanel);
        return l;
    };
    m_borc = value(QStringLiteral("LblBORC"));
    m_alacak = value(QStringLiteral("LblALACAK"));
    m_bakiye = value(QStringLiteral("LblBAKIYE"));
    m_dovizBakiye = value(QStringLiteral("LblDOVIZBAKIYE"));
    m_ortKur = value(QStringLiteral("LblORTKUR"));
    t->addWidget(new QLabel(QStringLiteral("Borç Toplamı")), 0, 0);
    t->addWidget(m_borc, 0, 1);
    t->addWidget(new QLabel(QStringLiteral("Alacak Toplamı")), 0, 2);
    t->addWidget(m_alacak, 0, 3);
    t->addWidget(new QLabel(QStringLiteral("Bakiye")), 0, 4);
    t->addWidget(m_bakiye, 0, 5);
    t->addWidget(new QLabel(QStringLiteral("Döviz Bakiye")), 1, 0);
    t->addWidget(m_dovizBakiye, 1, 1);
    t->addWidget(new QLabel(QStringLiteral("Ort. USD Kuru")), 1, 2);
    t->addWidget(m_ortKur, 1, 3);
    t->setColumnStretch(6, 1);
    footerLayout()->addWidget(box);

    setCommands(Export);
    auto* yaz = new QPushButton(QStringLiteral("Ekstre Yazdır"));
    yaz->setObjectName(QStringLiteral("BtnEKSTRE"));
    yaz->setAutoDefault(false);
    auto* menu = new QMenu(yaz);
    using B = CariEkstreRaporu::Bicim;
    const struct { const char* text; const char* name; B b; const char* output; } komutlar[] = {
        {"C.Ekstre Yazdır", "Yerel", B::Yerel, "Önizleme"},
        {"Dövizli C.Ekstre Yazdır", "Dovizli", B::Dovizli, "Önizleme"},
        {"USD'ye İndirgenmiş C.Ekstre Yazdır", "Usd", B::Usd, "Önizleme"},
        {"EUR'ye İndirgenmiş C.Ekstre Yazdır", "Eur", B::Eur, "Önizleme"},
        {"Worde Aktar", "Word", B::Yerel, "Word"},
        {"Excele Aktar", "Excel", B::Yerel, "Excel"},
        {"Metin Belgesi Olarak Sakla", "Text", B::Yerel, "Text"},
    };
    for (const auto& k : komutlar) {
        QAction* a = menu->addAction(QString::fromUtf8(k.text));
        a->setObjectName(QStringLiteral("Ekstre") + QString::fromLatin1(k.name));
        const B b = k.b;
        const QString output = QString::fromUtf8(k.output);
        connect(a, &QAction::triggered, this, [this, b, output] { yazdir(b, output); });
    }
    yaz->setMenu(menu);
    commandLayout()->addWidget(yaz);
    auto* aylik = new QPushButton(QStringLiteral("Aylık Borç-Alacak"));
    aylik->setObjectName(QStringLiteral("BtnAYLIK"));
    aylik->setAutoDefault(false);
    connect(aylik, &QPushButton::clicked, this, [this] {
        if (const WindowEntry* e = WindowRegistry::instance().find(QStringLiteral("TFormAylikCariHrk"))) {
            QWidget* w = e->create(this, {{QStringLiteral("CARI_KOD"), m_kod}});
            w->setAttribute(Qt::WA_DeleteOnClose);
            w->setWindowFlag(Qt::Window, true);
            w->show();
        }
    });
    commandLayout()->addWidget(aylik);
    auto* mail = new QPushButton(QStringLiteral("E-Postayla Yolla"));
    mail->setObjectName(QStringLiteral("BtnMAIL"));
    mail->setAutoDefault(false);
    connect(mail, &QPushButton::clicked, this, [this] {
        if (const WindowEntry* e = WindowRegistry::instance().find(QStringLiteral("TFormMailCHrkGonder"))) {
            CariEkstreFiltre f = filtre();
            // Without a start date the mailed statement starts at the current row's day.
            if (!f.tarihBas.isValid())
                f.tarihBas = toDate(currentRecord().value(QStringLiteral("TARIH")));
            QWidget* w = e->create(this, {{QStringLiteral("CARI_KOD"), m_kod},
                                          {QStringLiteral("TARIH1"), f.tarihBas},
                                          {QStringLiteral("TARIH2"), f.tarihBit}});
            w->setAttribute(Qt::WA_DeleteOnClose);
            w->setWindowFlag(Qt::Window, true);
            w->show();
        }
    });
    commandLayout()->addWidget(mail);
    setCariKod(cariKod);
}

void TFormCariHrk::setCariKod(const QString& kod)
{
    m_kod = kod;
    const QString ad = CariEkstre(db()).cariAdi(kod);
    m_baslik->setText(QStringLiteral("<b>%1</b>  %2").arg(kod.toHtmlEscaped(), ad.toHtmlEscaped()));
    setWindowTitle(QStringLiteral("Cari Hareketler - ") + kod);
    m_yuruyen = CariEkstre(db()).yuruyenBakiye(kod);
    refresh();
    toplamlariGoster();
}

void TFormCariHrk::showEvent(QShowEvent* e)
{
    const QString kod = property("cariKod").toString();
    if (!kod.isEmpty() && kod != m_kod)
        setCariKod(kod);
    ListWindow::showEvent(e);
}

CariEkstreFiltre TFormCariHrk::filtre() const
{
    CariEkstreFiltre f;
    f.tarihBas = optionalDate(m_bas);
    f.tarihBit = optionalDate(m_bit);
    f.vadeBas = optionalDate(m_vadeBas);
    f.vadeBit = optionalDate(m_vadeBit);
    const QString tur = m_tur->currentData().toString();
    if (!tur.isEmpty()) {
        f.islemTip = tur.left(1);
        f.islemTip2 = tur.mid(1);
    }
    f.doviz = m_doviz->currentData().toString();
    return f;
}

ListQuery TFormCariHrk::query() const { return CariEkstre(db()).sorgu(m_kod, filtre()); }

void TFormCariHrk::toplamlariGoster()
{
    const CariEkstre e(db());
    const EkstreToplam t = e.toplam(m_kod);
    m_borc->setText(CariBakiye::tutar(t.borc));
    m_alacak->setText(CariBakiye::tutar(t.alacak));
    m_bakiye->setText(t.bakiyeMetni());
    m_dovizBakiye->setText(t.bakiyeDvzMetni());
    const double kur = e.ortalamaUsdKuru(m_kod, SessionContext::current().param.RDOVIZ1.isEmpty()
                                                    ? QStringLiteral("USD")
                                                    : SessionContext::current().param.RDOVIZ1);
    m_ortKur->setText(kur == 0 ? QString() : CariBakiye::tutar(kur));
}

QString TFormCariHrk::bakiyeMetni() const { return m_bakiye->text(); }

bool TFormCariHrk::yazdir(CariEkstreRaporu::Bicim b, const QString& output)
{
    const SessionContext& s = SessionContext::current();
    QString doviz = m_doviz->currentData().toString();
    if (b == CariEkstreRaporu::Bicim::Dovizli && doviz.isEmpty())
        doviz = s.param.RDOVIZ1.isEmpty() ? QStringLiteral("USD") : s.param.RDOVIZ1;
    bool ok = false;
    guard([&] {
        ReportModel r = CariEkstreRaporu::olustur(
            db(), m_kod, filtre(), b, doviz, s.param.RDOVIZ1.isEmpty() ? QStringLiteral("USD") : s.param.RDOVIZ1,
            s.param.RDOVIZ2.isEmpty() ? QStringLiteral("EUR") : s.param.RDOVIZ2);
        ok = ReportOutput::send(r, output, QStringLiteral("TFormCariHrk"), QStringLiteral("Ekstre"), this);
    });
    return ok;
}

} // namespace nimbo
