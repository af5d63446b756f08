#include "accounts/forms/TFormCariHarek.h"
#include "accounts/forms/CariHareketMakbuzu.h"
#include "accounts/forms/TFormCariBr.h"
#include "finance/KasaListe.h"
#include "services/SessionContext.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace nimbo {

TFormCariHarek::TFormCariHarek(const QString& tip, const QString& taraf, const QString& cariKod, double no,
                               QWidget* parent)
    : DocumentWindow(std::make_unique<CariHareketBelgesi>(SessionContext::current().db(), tip, taraf),
                     QStringLiteral("Cari Hareketler Girişi"), parent)
{
    CariHareketBelgesi& doc = belge();
    setObjectName(QStringLiteral("TFormCariHarek"));
    if (no > 0)
        guard([&] { doc.open(no); });
    if (!cariKod.isEmpty()) {
        doc.setSabitCari(cariKod);
        m_cariUygulandi = true;
    }
    setWindowTitle(QStringLiteral("Cari Hareketler Girişi - ") + doc.baslik());
    resize(1100, 520);

    auto* lay = new QVBoxLayout(this);
    auto* head = new QHBoxLayout;
    auto* no_ = new QLineEdit;
    no_->setObjectName(QStringLiteral("EditCARI_NO"));
    no_->setReadOnly(true);
    no_->setMaximumWidth(100);
    bindHeader(no_, QStringLiteral("CARI_NO"));
    auto* tarih = new QDateEdit;
    tarih->setObjectName(QStringLiteral("EditTARIH"));
    bindHeader(tarih, QStringLiteral("TARIH"));
    auto* aciklama = new QLineEdit;
    aciklama->setObjectName(QStringLiteral("EditACIKLAMA"));
    bindHeader(aciklama, QStringLiteral("ACIKLAMA"));
    m_kurHesapla = new QCheckBox(QStringLiteral("TL ve Döviz Fiyatından Kuru Hesapla"));
    m_kurHesapla->setObjectName(QStringLiteral("ChkKURHESAPLA"));
    connect(m_kurHesapla, &QCheckBox::toggled, this, &TFormCariHarek::kurHesaplaDegisti);
    auto* tipLbl = new QLabel(QStringLiteral("<b>%1</b>").arg(doc.baslik()));
    tipLbl->setObjectName(QStringLiteral("LblTIP"));
    head->addWidget(tipLbl);
    head->addSpacing(12);
    head->addWidget(new QLabel(QStringLiteral("Hrk.No")));
    head->addWidget(no_);
    head->addWidget(new QLabel(QStringLiteral("Tarih")));
    head->addWidget(tarih);
    head->addWidget(new QLabel(QStringLiteral("Açıklama")));
    head->addWidget(aciklama, 1);
    head->addWidget(m_kurHesapla);
    lay->addLayout(head);

    LineGrid* grid = addLineGrid(DocumentModel::kItems, columns());
    lay->addWidget(grid, 1);
    auto* hint = new QLabel(QStringLiteral("Ins: Satır Ekle   Ctrl+Del: Satır Sil   F4: Listeden Seç"));
    hint->setEnabled(false);
    lay->addWidget(hint);
    lay->addWidget(addTotals(TotalsPanel::borcAlacakToplamlari(), 2));
    lay->addWidget(buttonRow(doc.nakit()));
    kurHesaplaDegisti(false);
    showDocument();
}

double TFormCariHarek::ac(QWidget* parent, const QString& tip, const QString& taraf, const QString& cariKod, double no)
{
    TFormCariHarek f(tip, taraf, cariKod, no, parent);
    return f.exec() == QDialog::Accepted ? f.savedKey().toDouble() : 0;
}

QList<LineColumn> TFormCariHarek::columns()
{
    CariHareketBelgesi& doc = belge();
    const SessionContext& s = SessionContext::current();
    QList<LineColumn> c;
    using K = LineColumn::Kind;
    LineColumn kod{QStringLiteral("CARI_KOD"), QStringLiteral("Cari Kod"), 100};
    kod.pick = TFormCariBr::secici();
    c << kod;
    LineColumn adi{{}, QStringLiteral("Firma Adı"), 180};
    adi.display = [this](int row) { return belge().cariAdi(belge().lines().text(row, QStringLiteral("CARI_KOD"))); };
    c << adi;
    LineColumn tip{QStringLiteral("TIP"), QStringLiteral("İşlem Tipi"), 110, K::Choice};
    tip.choices = s.cariHrkTipleri;
    c << tip;
    LineColumn doviz{QStringLiteral("DOVIZ_KODU"), QStringLiteral("Döviz"), 55, K::Choice};
    doviz.choices = s.dovizler;
    for (PickItem& p : doviz.choices)
        p.text = p.value.toString();
    c << doviz;
    c << LineColumn{QStringLiteral("BORC_DVZ"), QStringLiteral("Borç"), 90, K::Number};
    c << LineColumn{QStringLiteral("ALACAK_DVZ"), QStringLiteral("Alacak"), 90, K::Number};
    c << LineColumn{QStringLiteral("TL_KURDEGER"), QStringLiteral("TL/Dvz Değeri"), 80, K::Number, 4};
    c << LineColumn{QStringLiteral("BORC"), QStringLiteral("TL Borç"), 90, K::Number};
    c << LineColumn{QStringLiteral("ALACAK"), QStringLiteral("TL Alacak"), 90, K::Number};
    c << LineColumn{QStringLiteral("BORC_USD"), QStringLiteral("USD Borç"), 80, K::Number};
    c << LineColumn{QStringLiteral("ALACAK_USD"), QStringLiteral("USD Alacak"), 80, K::Number};
    if (doc.nakit()) {
        LineColumn kasa{QStringLiteral("KASAKOD"), QStringLiteral("Kasa"), 80, K::Choice};
        for (const KasaBilgisi& k : KasaListe(doc.db()).kullaniciKasalari(s.KullaniciAdi))
            kasa.choices << PickItem{k.kod + QStringLiteral(" ") + k.adi, k.kod};
        c << kasa;
        LineColumn karsi{QStringLiteral("KARSIDOVIZ"), QStringLiteral("Kasa/Banka Dövizi"), 70, K::Choice};
        karsi.choices = doviz.choices;
        c << karsi;
        c << LineColumn{QStringLiteral("KARSI_KURDEGER"), QStringLiteral("Kasa TL Değer"), 80, K::Number, 4};
    }
    c << LineColumn{QStringLiteral("VADE_TRH"), QStringLiteral("Vade"), 90, K::Date};
    c << LineColumn{QStringLiteral("BELGE_NO"), QStringLiteral("Belge No"), 80};
    c << LineColumn{QStringLiteral("ACIKLAMA"), QStringLiteral("Açıklama"), 200};
    return c;
}

void TFormCariHarek::kurHesaplaDegisti(bool on)
{
    belge().setKurHesapla(on);
    // Local and USD amounts are typed only when the rate is derived from them.
    LineGridModel* m = lineGrid()->lineModel();
    for (const char* f : {"BORC", "ALACAK", "BORC_USD", "ALACAK_USD"})
        m->setColumnReadOnly(QString::fromLatin1(f), !on);
    showDocument();
}

void TFormCariHarek::showEvent(QShowEvent* e)
{
    // The account list hands its current account over through the "cariKod" property.
    const QString kod = property("cariKod").toString();
    if (!m_cariUygulandi && !kod.isEmpty()) {
        m_cariUygulandi = true;
        // Opened for an account: a new document with a first line for it.
        if (!belge().isNew())
            belge().newDocument();
        belge().setSabitCari(kod);
        if (belge().lines().isEmpty())
            lineGrid()->addLine();
        showDocument();
    }
    DocumentWindow::showEvent(e);
}

void TFormCariHarek::print()
{
    if (belge().nakit() && !belge().isNew())
        CariHareketMakbuzu::yazdir(this, belge().db(), belge().key().toDouble());
}

} // namespace nimbo
