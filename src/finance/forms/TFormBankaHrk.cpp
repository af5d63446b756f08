#include "finance/forms/TFormBankaHrk.h"
#include "accounts/forms/TFormCariBr.h"
#include "finance/BankaHesabi.h"
#include "finance/KasaListe.h"
#include "services/SessionContext.h"
#include "widgets/DocumentHeaderRow.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace nimbo {

TFormBankaHrk::TFormBankaHrk(const QString& tip, double no, QWidget* parent)
    : DocumentWindow(std::make_unique<BankaHareketBelgesi>(SessionContext::current().db(), tip),
                     QStringLiteral("Banka Hareketleri Girişi"), parent)
{
    BankaHareketBelgesi& doc = belge();
    setObjectName(QStringLiteral("TFormBankaHrk"));
    if (no > 0)
        guard([&] { doc.open(no); });
    setWindowTitle(QStringLiteral("Banka Hareketleri Girişi - ") + doc.baslik());
    resize(1200, 540);

    auto* lay = new QVBoxLayout(this);
    auto* head = documentHeaderRow(*this, doc.baslik(), QStringLiteral("HRK_NO"), QStringLiteral("Hrk.No"), 100,
                                   QStringLiteral("TARIH"));
    head->addStretch();
    lay->addLayout(head);

    lay->addWidget(addLineGrid(DocumentModel::kItems, columns()), 1);
    auto* hint = new QLabel(QStringLiteral("Ins: Satır Ekle   Ctrl+Del: Satır Sil   F4: Listeden Seç"));
    hint->setEnabled(false);
    lay->addWidget(hint);
    lay->addWidget(addTotals(TotalsPanel::borcAlacakToplamlari(), 2));
    lay->addWidget(buttonRow(false));
    showDocument();
}

double TFormBankaHrk::ac(QWidget* parent, const QString& tip, double no)
{
    TFormBankaHrk f(tip, no, parent);
    return f.exec() == QDialog::Accepted ? f.savedKey().toDouble() : 0;
}

QList<LineColumn> TFormBankaHrk::columns()
{
    const BankaHareketBelgesi& doc = belge();
    const SessionContext& s = SessionContext::current();
    using K = LineColumn::Kind;
    QList<LineColumn> c;
    LineColumn hesap{BankaHareketBelgesi::kBankaHesap, QStringLiteral("Banka / Hesap No"), 170, K::Choice};
    for (const BankaHesabi& h : BankaHesabi::hepsi(doc.db()))
        hesap.choices << PickItem{QStringLiteral("%1 %2 %3").arg(h.bankaKod, h.hesapNo, h.doviz),
                                  BankaHareketBelgesi::bankaHesapDegeri(h.bankaKod, h.hesapNo)};
    c << hesap;
    LineColumn doviz{QStringLiteral("DOVIZ_KODU"), QStringLiteral("Döviz"), 55, K::Choice};
    doviz.choices = s.dovizler;
    for (PickItem& p : doviz.choices)
        p.text = p.value.toString();
    c << doviz;
    c << LineColumn{QStringLiteral("BORC_DVZ"), QStringLiteral("Borç (Giren)"), 95, K::Number};
    c << LineColumn{QStringLiteral("ALACAK_DVZ"), QStringLiteral("Alacak (Çıkan)"), 95, K::Number};
    c << LineColumn{QStringLiteral("TL_KURDEGER"), QStringLiteral("TL/Dvz Değeri"), 95, K::Number, 4};
    c << LineColumn{QStringLiteral("BORC"), QStringLiteral("TL Borç"), 90, K::Number, 2, true};
    c << LineColumn{QStringLiteral("ALACAK"), QStringLiteral("TL Alacak"), 90, K::Number, 2, true};
    LineColumn cari{QStringLiteral("CARI_KOD"), QStringLiteral("Cari Kod"), 100};
    cari.pick = TFormCariBr::secici();
    c << cari;
    LineColumn adi{{}, QStringLiteral("Cari Adı"), 160};
    adi.display = [this](int row) {
        return belge().kodAdi(QStringLiteral("CARI"), belge().lines().text(row, QStringLiteral("CARI_KOD")));
    };
    c << adi;
    LineColumn tip{QStringLiteral("CTIP"), QStringLiteral("İşlem Tipi"), 110, K::Choice};
    tip.choices = s.cariHrkTipleri;
    c << tip;
    LineColumn kasa{QStringLiteral("KASAKOD"), QStringLiteral("Kasa"), 90, K::Choice};
    kasa.choices << PickItem{QString(), QString()};
    for (const KasaBilgisi& k : KasaListe(doc.db()).kullaniciKasalari(s.KullaniciAdi))
        kasa.choices << PickItem{k.kod + QStringLiteral(" ") + k.adi, k.kod};
    c << kasa;
    c << LineColumn{QStringLiteral("MUH_KARSI"), QStringLiteral("Karşı Muh.Kodu"), 90};
    if (doc.tip() != QLatin1String("V") && doc.tip() != QLatin1String("R"))
        c << LineColumn{QStringLiteral("KUSURAT"), QStringLiteral("Küsurat"), 60, K::Choice, 2, false,
                        {PickItem{QStringLiteral("Hayır"), QStringLiteral("H")},
                         PickItem{QStringLiteral("Evet"), QStringLiteral("E")}}};
    if (doc.tip() == QLatin1String("K")) {
        c << LineColumn{QStringLiteral("KRDKMSYN_TUT"), QStringLiteral("Kart Brüt Tutar"), 95, K::Number};
        c << LineColumn{QStringLiteral("KRDKMSYN"), QStringLiteral("Komisyon%"), 70, K::Number};
    } else if (doc.tip() == QLatin1String("R")) {
        c << LineColumn{QStringLiteral("KOMISYON"), QStringLiteral("Komisyon%"), 70, K::Number};
    }
    c << LineColumn{QStringLiteral("BELGE_NO"), QStringLiteral("Belge No"), 80};
    c << LineColumn{QStringLiteral("ACIKLAMA"), QStringLiteral("Açıklama"), 260};
    return c;
}

} // namespace nimbo
