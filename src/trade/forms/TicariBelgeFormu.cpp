#include "trade/forms/TicariBelgeFormu.h"
#include "accounts/forms/TFormCariBr.h"
#include "finance/KasaListe.h"
#include "finance/forms/TFormTaksit.h"
#include "model/DocumentError.h"
#include "services/Prompter.h"
#include "services/SessionContext.h"
#include "stock/forms/TFormStokBr.h"

#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace nimbo {

namespace {

QString s(const char* c) { return QString::fromUtf8(c); }

// A computed column: shown, never typed into.
LineColumn hesap(const QString& field, const QString& title, int width, int decimals)
{
    LineColumn c{field, title, width, LineColumn::Kind::Number, decimals};
    c.readOnly = true;
    return c;
}

QLineEdit* edit(const QString& column, int width = 0)
{
    auto* e = new QLineEdit;
    e->setObjectName(QStringLiteral("Edit") + column);
    if (width > 0)
        e->setMaximumWidth(width);
    return e;
}

QDateEdit* tarih(const QString& column)
{
    auto* d = new QDateEdit;
    d->setObjectName(QStringLiteral("Edit") + column);
    d->setCalendarPopup(true);
    d->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    return d;
}

} // namespace

TicariBelgeFormu::TicariBelgeFormu(std::unique_ptr<TicariBelge> belge, const QString& caption, int tipSayisi,
                                   bool readOnly, QWidget* parent)
    : DocumentWindow(std::move(belge), caption, parent), m_tipSayisi(tipSayisi), m_salt(readOnly)
{
}

void TicariBelgeFormu::kur(double no)
{
    if (no > 0)
        guard([&] { belge().open(no); });
    resize(1180, 700);
    auto* lay = new QVBoxLayout(this);
    lay->addWidget(baslikAlani());

    auto* giris = new QHBoxLayout;
    m_stokGir = new QLineEdit;
    m_stokGir->setObjectName(QStringLiteral("EditSTOKGIR"));
    m_stokGir->setPlaceholderText(QStringLiteral("Stok Kodu / Barkod / Adı"));
    connect(m_stokGir, &QLineEdit::returnPressed, this, [this] {
        if (stokGir(m_stokGir->text()))
            m_stokGir->clear();
    });
    giris->addWidget(new QLabel(QStringLiteral("Ürün")));
    giris->addWidget(m_stokGir, 1);
    auto buton = [&](const QString& text, const QString& name, auto fn) {
        auto* b = new QPushButton(text);
        b->setObjectName(name);
        b->setAutoDefault(false);
        b->setEnabled(!m_salt);
        connect(b, &QPushButton::clicked, this, fn);
        giris->addWidget(b);
    };
    buton(QStringLiteral("Stok Listesi"), QStringLiteral("BtnSTOKLISTE"), [this] { stokListesi(); });
    buton(QStringLiteral("İrsaliye Getir"), QStringLiteral("BtnIRSALIYE"), [this] { irsaliyeGetir(); });
    ekButonlar([&](const QString& text, const QString& name, std::function<void()> fn) { buton(text, name, fn); });
    lay->addLayout(giris);

    auto* sekmeler = new QTabWidget;
    sekmeler->addTab(addLineGrid(DocumentModel::kItems, kalemKolonlari()), QStringLiteral("Ürünler"));
    sekmeler->addTab(addLineGrid(TicariBelge::kIscilik, hizmetKolonlari()), QStringLiteral("İşçilik"));
    sekmeler->addTab(addLineGrid(TicariBelge::kMasraf, hizmetKolonlari()), QStringLiteral("Masraflar"));
    lay->addWidget(sekmeler, 1);
    lay->addWidget(addTotals(QList<TotalsPanel::Field>{{QStringLiteral("BRUTTUT"), QStringLiteral("Brüt TL")},
                              {QStringLiteral("BRUT_USD"), QStringLiteral("Brüt USD")},
                              {QStringLiteral("BRUT_EUR"), QStringLiteral("Brüt EUR")},
                              {QStringLiteral("TOPISKON"), QStringLiteral("Toplam İskonto")},
                              {QStringLiteral("KALEMISK"), QStringLiteral("Kalem İsk.")},
                              {QStringLiteral("INR_YUZD"), QStringLiteral("Fatura İsk.")},
                              {QStringLiteral("KDVTUT"), QStringLiteral("KDV TL")},
                              {QStringLiteral("KDV_USD"), QStringLiteral("KDV USD")},
                              {QStringLiteral("KDV_EUR"), QStringLiteral("KDV EUR")},
                              {QStringLiteral("NETTUT"), QStringLiteral("Genel Toplam TL")},
                              {QStringLiteral("NET_USD"), QStringLiteral("Genel Toplam USD")},
                              {QStringLiteral("NET_EUR"), QStringLiteral("Genel Toplam EUR")},
                              {QStringLiteral("YUVARLANAN"), QStringLiteral("Yuvarlama")},
                              {QStringLiteral("OBAKIYE"), QStringLiteral("Önceki Bakiye"), 2, true},
                              {QStringLiteral("SBAKIYE"), QStringLiteral("Sonraki Bakiye"), 2, true}}
                                 + ekToplamlar(),
                             3));
    QWidget* butonlar = buttonRow(true);
    if (m_salt)
        if (auto* sakla = butonlar->findChild<QPushButton*>(QStringLiteral("BtnSAKLA")))
            sakla->setEnabled(false);
    lay->addWidget(butonlar);
    cariAdiniGoster();
    showDocument();
}

QWidget* TicariBelgeFormu::baslikAlani()
{
    auto* w = new QWidget;
    auto* g = new QGridLayout(w);
    g->setContentsMargins(0, 0, 0, 0);
    int col = 0;
    auto alan = [&](int row, const QString& etiket, QWidget* editor, int span = 1) {
        if (row == 0 && col == 0) {}
        g->addWidget(new QLabel(etiket), row, col);
        g->addWidget(editor, row, col + 1, 1, span);
        col += 1 + span;
    };

    auto* tip = new QComboBox;
    tip->setObjectName(QStringLiteral("CmbTIP"));
    const TicariTaraf& t = belge().taraf();
    for (int i = 0; i < m_tipSayisi && i < t.tipler.size(); ++i)
        tip->addItem(t.tipler[i].ad, t.tipler[i].harf);
    bindHeader(tip, QStringLiteral("TIP"));
    auto* no = edit(t.anahtar, 90);
    no->setReadOnly(true);
    bindHeader(no, t.anahtar);
    auto* cari = edit(QStringLiteral("CARIKOD"), 140);
    bindHeader(cari, QStringLiteral("CARIKOD"));
    connect(cari, &QLineEdit::editingFinished, this, [this] { cariAdiniGoster(); });
    auto* cariSec = new QPushButton(QStringLiteral("..."));
    cariSec->setObjectName(QStringLiteral("BtnCARISEC"));
    cariSec->setAutoDefault(false);
    cariSec->setMaximumWidth(30);
    connect(cariSec, &QPushButton::clicked, this, [this, cari] {
        const QString kod = TFormCariBr::sec(this, cari->text());
        if (kod.isEmpty())
            return;
        cari->setText(kod);
        guard([&] { belge().setHeader(QStringLiteral("CARIKOD"), cari->text()); });
        cariAdiniGoster();
        showDocument();
    });
    m_cariAdi = new QLabel;
    m_cariAdi->setObjectName(QStringLiteral("LblFIRMA_ADI"));

    col = 0;
    alan(0, QStringLiteral("Belge Tipi"), tip);
    alan(0, windowTitle() + QStringLiteral(" No"), no);
    alan(0, QStringLiteral("Cari Kod"), cari);
    g->addWidget(cariSec, 0, col++);
    g->addWidget(m_cariAdi, 0, col, 1, 4);

    auto* fatNo = edit(QStringLiteral("FAT_NO"), 110);
    bindHeader(fatNo, QStringLiteral("FAT_NO"));
    auto* fatarih = tarih(QStringLiteral("FATARIH"));
    bindHeader(fatarih, QStringLiteral("FATARIH"));
    auto* irsNo = edit(QStringLiteral("IRS_NO"), 110);
    bindHeader(irsNo, QStringLiteral("IRS_NO"));
    auto* irstarih = tarih(QStringLiteral("IRSTARIH"));
    bindHeader(irstarih, QStringLiteral("IRSTARIH"));
    auto* vade = tarih(QStringLiteral("VADETRH"));
    bindHeader(vade, QStringLiteral("VADETRH"));
    col = 0;
    alan(1, QStringLiteral("Fatura No"), fatNo);
    alan(1, QStringLiteral("Fatura Tarihi"), fatarih);
    alan(1, QStringLiteral("İrsaliye No"), irsNo);
    alan(1, QStringLiteral("İrs. Tarihi"), irstarih);
    alan(1, QStringLiteral("Vade Tarihi"), vade);

    auto* odeme = new QComboBox;
    odeme->setObjectName(QStringLiteral("CmbODE_TIP"));
    for (const auto& [ad, kod] : {std::pair{"Peşin", "P"}, {"Kredi Kartı İle", "K"}, {"Taksitli", "T"},
                                  {"Banka Havalesi", "H"}, {"Vadeli", "V"}})
        odeme->addItem(s(ad), s(kod));
    bindHeader(odeme, QStringLiteral("ODE_TIP"));
    auto* kasa = new QComboBox;
    kasa->setObjectName(QStringLiteral("CmbKASAKOD"));
    kasa->addItem(QString(), QString());
    const SessionContext& ss = SessionContext::current();
    for (const KasaBilgisi& k : KasaListe(belge().db()).kullaniciKasalari(ss.KullaniciAdi))
        kasa->addItem(k.kod + QStringLiteral(" ") + k.adi, k.kod);
    bindHeader(kasa, QStringLiteral("KASAKOD"));
    auto* banka = edit(QStringLiteral("BANKA_KOD"), 110);
    bindHeader(banka, QStringLiteral("BANKA_KOD"));
    auto* hesap = edit(QStringLiteral("HESAP_NO"), 120);
    bindHeader(hesap, QStringLiteral("HESAP_NO"));
    auto* taksit = new QPushButton(QStringLiteral("Taksit"));
    taksit->setObjectName(QStringLiteral("BitBtnTAKSIT"));
    taksit->setAutoDefault(false);
    connect(taksit, &QPushButton::clicked, this, [this] { taksitlendir(); });
    col = 0;
    alan(2, QStringLiteral("Ödeme"), odeme);
    g->addWidget(taksit, 2, col++);
    alan(2, QStringLiteral("Kasa"), kasa);
    alan(2, QStringLiteral("Banka"), banka);
    alan(2, QStringLiteral("Hesap No"), hesap);

    auto* doviz = new QComboBox;
    doviz->setObjectName(QStringLiteral("CmbDOVIZ_KODU"));
    for (const PickItem& p : ss.dovizler)
        doviz->addItem(p.value.toString(), p.value);
    if (doviz->findData(belge().yerelDoviz()) < 0)
        doviz->addItem(belge().yerelDoviz(), belge().yerelDoviz());
    bindHeader(doviz, QStringLiteral("DOVIZ_KODU"));
    auto sayi = [this](const QString& c, int dec, int w) {
        auto* e = edit(c, w);
        bindHeaderNumber(e, c, dec);
        return e;
    };
    col = 0;
    alan(3, QStringLiteral("Döviz"), doviz);
    alan(3, QStringLiteral("Kur"), sayi(QStringLiteral("TL_KURDEGER"), 4, 90));
    alan(3, QStringLiteral("USD Kuru"), sayi(QStringLiteral("USDFYT"), 4, 90));
    alan(3, QStringLiteral("EUR Kuru"), sayi(QStringLiteral("EURFYT"), 4, 90));
    alan(3, QStringLiteral("İsk.%"), sayi(QStringLiteral("YUZDE"), 2, 60));

    col = 0;
    alan(4, QStringLiteral("İndirim TL"), sayi(QStringLiteral("INDIRIM"), 2, 90));
    alan(4, QStringLiteral("İndirim USD"), sayi(QStringLiteral("INDIR_USD"), 2, 90));
    alan(4, QStringLiteral("İndirim EUR"), sayi(QStringLiteral("INDIR_EUR"), 2, 90));
    auto* aciklama = edit(QStringLiteral("ACIKLAMA"));
    bindHeader(aciklama, QStringLiteral("ACIKLAMA"));
    alan(4, QStringLiteral("Açıklama"), aciklama, 3);
    if (m_salt)
        for (QWidget* e : w->findChildren<QWidget*>())
            if (qobject_cast<QLineEdit*>(e) || qobject_cast<QComboBox*>(e) || qobject_cast<QDateEdit*>(e)
                || qobject_cast<QPushButton*>(e))
                e->setEnabled(false);
    return w;
}

QList<LineColumn> TicariBelgeFormu::kalemKolonlari()
{
    using K = LineColumn::Kind;
    const SessionContext& ss = SessionContext::current();
    QList<LineColumn> c;
    LineColumn kod{QStringLiteral("STOK_KOD_NO"), QStringLiteral("Stok Kodu"), 100};
    kod.pick = [](QWidget* parent, const QString&) -> QVariant {
        TFormStokBr l(parent);
        l.setPickMode(true);
        if (l.exec() != QDialog::Accepted)
            return {};
        return toText(l.selectedRecord().value(QStringLiteral("STOK_KOD_NO")));
    };
    c << kod;
    LineColumn adi{QStringLiteral("STOK_ADI"), QStringLiteral("Ürün Adı"), 180};
    adi.readOnly = true;
    c << adi;
    c << LineColumn{QStringLiteral("MIKTAR"), QStringLiteral("Miktar"), 60, K::Number};
    c << LineColumn{QStringLiteral("BIRIM"), QStringLiteral("Birim"), 50};
    c << LineColumn{QStringLiteral("FYT_DOVIZ"), QStringLiteral("Birim Fiyat"), 80, K::Number, 4};
    LineColumn doviz{QStringLiteral("DOVIZ_KODU"), QStringLiteral("Döviz"), 50, K::Choice};
    for (const PickItem& p : ss.dovizler)
        doviz.choices << PickItem{p.value.toString(), p.value};
    c << doviz;
    c << hesap(QStringLiteral("FIYAT"), QStringLiteral("TL Fiyat"), 80, 2);
    c << hesap(QStringLiteral("FYT_USD"), QStringLiteral("USD Fiyat"), 70, 4);
    c << LineColumn{QStringLiteral("KDV"), QStringLiteral("KDV %"), 45, K::Number, 0};
    LineColumn dahil{QStringLiteral("KDV_DAHIL"), QStringLiteral("KDV"), 60, K::Choice};
    dahil.choices = {PickItem{QStringLiteral("Dahil"), QStringLiteral("D")}, PickItem{QStringLiteral("Hariç"), QStringLiteral("H")}};
    c << dahil;
    c << LineColumn{QStringLiteral("ISKONTO"), QStringLiteral("Ort.Isk.%"), 70, K::Number};
    c << LineColumn{QStringLiteral("VADEFARKI"), QStringLiteral("Vade Frk.%"), 75, K::Number};
    LineColumn depo{QStringLiteral("DEPO_KODU"), QStringLiteral("Depo"), 120, K::Choice};
    depo.choices = ss.depolar;
    c << depo;
    c << hesap(QStringLiteral("KDVSIZTUT"), QStringLiteral("Tutar"), 85, 2);
    c << hesap(QStringLiteral("NETKDVSIZTUT"), QStringLiteral("Net Tutar"), 85, 2);
    c << hesap(QStringLiteral("ASILKDV"), QStringLiteral("KDV Tutarı"), 75, 2);
    c << hesap(QStringLiteral("KDVLI_TUT"), QStringLiteral("KDV'li Tutar"), 85, 2);
    c << ekKalemKolonlari();
    if (m_salt)
        for (LineColumn& l : c)
            l.readOnly = true;
    return c;
}

QList<LineColumn> TicariBelgeFormu::hizmetKolonlari()
{
    using K = LineColumn::Kind;
    QList<LineColumn> c{{QStringLiteral("KODU"), QStringLiteral("Kod"), 90},
                        {QStringLiteral("ADI"), QStringLiteral("Açıklama"), 220},
                        {QStringLiteral("MIKTAR"), QStringLiteral("Miktar"), 60, K::Number},
                        {QStringLiteral("FYT_DOVIZ"), QStringLiteral("Birim Fiyat"), 80, K::Number, 4},
                        {QStringLiteral("KDV"), QStringLiteral("KDV %"), 45, K::Number, 0},
                        {QStringLiteral("VADEFARKI"), QStringLiteral("Vade Frk.%"), 75, K::Number},
                        hesap(QStringLiteral("KDVSIZTUT"), QStringLiteral("Tutar"), 85, 2),
                        hesap(QStringLiteral("NETKDVSIZTUT"), QStringLiteral("Net Tutar"), 85, 2)};
    if (m_salt)
        for (LineColumn& l : c)
            l.readOnly = true;
    return c;
}

void TicariBelgeFormu::cariAdiniGoster()
{
    m_cariAdi->setText(toText(belge().cari().value(QStringLiteral("FIRMA_ADI"))).trimmed());
}

bool TicariBelgeFormu::stokGir(const QString& kodBarkodAd)
{
    int row = -1;
    if (!guard([&] { row = belge().stokEkle(kodBarkodAd); }))
        return false;
    if (row < 0) {
        Prompter::instance().warn(QStringLiteral("Stok Kartı Bulunamadı."));
        return false;
    }
    showDocument();
    lineGrid()->focusCell(row, QStringLiteral("MIKTAR"));
    return true;
}

void TicariBelgeFormu::stokListesi()
{
    TFormStokBr l(this);
    l.setPickMode(true, true);
    if (l.exec() != QDialog::Accepted)
        return;
    QList<double> secilen;
    for (const QSqlRecord& r : l.selectedRecords())
        secilen << r.value(QStringLiteral("STOK_NO")).toDouble();
    guard([&] { belge().stoklarEkle(secilen); });
    showDocument();
}

void TicariBelgeFormu::taksitlendir()
{
    TFormTaksit f(belge().taksit(), belge().taksitGirdisi(),
                  [this](const TaksitPlanGirdisi& g, const QList<QVariantMap>& t) { belge().setTaksitPlani(g, t); },
                  this);
    if (f.exec() == QDialog::Accepted)
        showDocument();
}

void TicariBelgeFormu::irsaliyeGetir()
{
    const QString cari = belge().headerText(QStringLiteral("CARIKOD"));
    if (cari.isEmpty()) {
        Prompter::instance().warn(QStringLiteral("Lütfen Bir Cari Seçiniz!.."));
        return;
    }
    for (double n : irsaliyeSec(cari))
        if (!guard([&] { belge().irsaliyeAl(n); }))
            break;
    showDocument();
}

bool TicariBelgeFormu::beforeSave() { return !m_salt; }

} // namespace nimbo
