#include "finance/forms/TFormFinansHrk.h"
#include "accounts/forms/TFormCariBr.h"
#include "finance/BankaHesabi.h"
#include "finance/CekSenetDurumu.h"
#include "finance/FinansIslemTuru.h"
#include "finance/KasaListe.h"
#include "services/SessionContext.h"
#include "widgets/DocumentHeaderRow.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace nimbo {

namespace {

QVariant cariSec(QWidget* parent)
{
    TFormCariBr w(parent);
    w.setPickMode(true);
    if (w.exec() != QDialog::Accepted)
        return {};
    return toText(w.selectedRecord().value(QStringLiteral("CARI_KOD")));
}

QList<PickItem> kasalar(const Db& db)
{
    QList<PickItem> c{PickItem{QString(), QString()}};
    for (const KasaBilgisi& k : KasaListe(db).kullaniciKasalari(SessionContext::current().KullaniciAdi))
        c << PickItem{k.kod + QStringLiteral(" ") + k.adi, k.kod};
    return c;
}

QList<PickItem> bankalar(const Db& db)
{
    QList<PickItem> c{PickItem{QString(), QString()}};
    QStringList gorulen;
    for (const BankaHesabi& h : BankaHesabi::hepsi(db))
        if (!gorulen.contains(h.bankaKod)) {
            gorulen << h.bankaKod;
            c << PickItem{h.bankaKod + QStringLiteral(" ") + h.bankaAdi, h.bankaKod};
        }
    return c;
}

QList<PickItem> hesaplar(const Db& db)
{
    QList<PickItem> c{PickItem{QString(), QString()}};
    for (const BankaHesabi& h : BankaHesabi::hepsi(db))
        c << PickItem{QStringLiteral("%1 %2 %3").arg(h.bankaKod, h.hesapNo, h.doviz), h.hesapNo};
    return c;
}

} // namespace

TFormFinansHrk::TFormFinansHrk(const QString& tip, const QString& tip2, int no, const QString& kod, QWidget* parent)
    : DocumentWindow(std::make_unique<FinansBelgesi>(SessionContext::current().db(), tip, tip2),
                     QStringLiteral("Finans İşlemleri Girişi"), parent)
{
    FinansBelgesi& doc = belge();
    setObjectName(QStringLiteral("TFormFinansHrk"));
    if (no > 0)
        guard([&] { doc.open(no); });
    else if (!kod.isEmpty())
        doc.setHeader(QStringLiteral("KODU"), kod);
    setWindowTitle(QStringLiteral("Finans İşlemleri Girişi - ") + doc.baslik());
    resize(1150, 540);

    auto* lay = new QVBoxLayout(this);
    auto* head = documentHeaderRow(*this, doc.baslik(), QStringLiteral("FIN_ID"), QStringLiteral("Fiş No"), 90,
                                   QStringLiteral("ISLEM_TRH"));
    head->addWidget(anaKodEditoru());
    auto* adi = new QLineEdit;
    adi->setObjectName(QStringLiteral("EditADI"));
    adi->setReadOnly(true);
    bindHeader(adi, QStringLiteral("ADI"));
    head->addWidget(adi, 1);
    lay->addLayout(head);
    auto* aciklama = new QLineEdit;
    aciklama->setObjectName(QStringLiteral("EditACIKLAMA"));
    bindHeader(aciklama, QStringLiteral("ACIKLAMA"));
    auto* row2 = new QHBoxLayout;
    row2->addWidget(new QLabel(QStringLiteral("Açıklama")));
    row2->addWidget(aciklama, 1);
    lay->addLayout(row2);

    lay->addWidget(addLineGrid(DocumentModel::kItems, columns()), 1);
    auto* hint = new QLabel(QStringLiteral("Ins: Satır Ekle   Ctrl+Del: Satır Sil   F4: Listeden Seç"));
    hint->setEnabled(false);
    lay->addWidget(hint);
    lay->addWidget(addTotals({{QStringLiteral("BORC"), QStringLiteral("Toplam Borç")},
                              {QStringLiteral("ALACAK"), QStringLiteral("Toplam Alacak")}},
                             2));
    lay->addWidget(buttonRow(false));
    showDocument();
}

QString TFormFinansHrk::anaKodTuru() const
{
    FinansBelgesi& doc = const_cast<TFormFinansHrk*>(this)->belge();
    if (doc.tip() != QLatin1String("E"))
        return doc.tip();
    // Papers go to and come from the bank in operations 3, 4, 5 and 8; else an account.
    return QStringLiteral("3458").contains(doc.tip2()) ? QStringLiteral("B") : QStringLiteral("C");
}

QWidget* TFormFinansHrk::anaKodEditoru()
{
    const Db& db = belge().db();
    const QString tur = anaKodTuru();
    auto* w = new QWidget;
    auto* l = new QHBoxLayout(w);
    l->setContentsMargins(0, 0, 0, 0);
    static const QHash<QString, QString> etiket{{QStringLiteral("K"), QStringLiteral("Kasa Kodu")},
                                                {QStringLiteral("C"), QStringLiteral("Cari Kodu")},
                                                {QStringLiteral("B"), QStringLiteral("Banka Kodu")}};
    l->addWidget(new QLabel(etiket.value(tur)));
    if (tur == QLatin1String("C")) {
        auto* kod = new QComboBox;
        kod->setEditable(true);
        kod->setObjectName(QStringLiteral("EditKODU"));
        for (const QSqlRecord& r : db.records(db.dialect().limit(
                 QStringLiteral("SELECT CARI_KOD, FIRMA_ADI FROM CARI ORDER BY CARI_KOD"), 500)))
            kod->addItem(toText(r.value(0)), toText(r.value(0)));
        kod->setMinimumWidth(130);
        bindHeader(kod, QStringLiteral("KODU"));
        l->addWidget(kod);
        return w;
    }
    auto* kod = new QComboBox;
    kod->setObjectName(QStringLiteral("EditKODU"));
    for (const PickItem& p : tur == QLatin1String("K") ? kasalar(db) : bankalar(db))
        kod->addItem(p.text, p.value);
    bindHeader(kod, QStringLiteral("KODU"));
    l->addWidget(kod);
    if (tur == QLatin1String("B")) {
        auto* hesap = new QComboBox;
        hesap->setObjectName(QStringLiteral("EditKODU2"));
        for (const PickItem& p : hesaplar(db))
            hesap->addItem(p.text, p.value);
        bindHeader(hesap, QStringLiteral("KODU2"));
        l->addWidget(new QLabel(QStringLiteral("Hesap No")));
        l->addWidget(hesap);
    }
    return w;
}

QList<LineColumn> TFormFinansHrk::columns()
{
    FinansBelgesi& doc = belge();
    const Db& db = doc.db();
    const QString tur = FinansIslemTuru::satirTuru(doc.tip(), doc.tip2()).first;
    using K = LineColumn::Kind;
    QList<LineColumn> c;
    if (tur == QLatin1String("E")) {
        if (doc.tip2() == QLatin1String("0")) {
            LineColumn cs{QStringLiteral("TIP3"), QStringLiteral("Çek/Senet"), 70, K::Choice};
            cs.choices << PickItem{QStringLiteral("Çek"), CekSenetDurumu::kCek}
                       << PickItem{QStringLiteral("Senet"), CekSenetDurumu::kSenet};
            c << cs;
            c << LineColumn{QStringLiteral("CEK_NO"), QStringLiteral("Portföy No"), 80, K::Integer, 0, true};
        } else {
            LineColumn cek{QStringLiteral("CEK_NO"), QStringLiteral("Portföy No"), 220, K::Choice};
            for (const QSqlRecord& r :
                 db.records(QStringLiteral("SELECT PORTFOYNO, SERI_NO, BORCLUSU, TUTAR_DOVIZ, DOVIZ_KOD FROM CSKART WHERE ")
                            + CekSenetDurumu::uygunKosulu(doc.tip2()) + QStringLiteral(" ORDER BY VADETARIH, PORTFOYNO")))
                cek.choices << PickItem{QStringLiteral("%1 %2 %3 %4 %5")
                                            .arg(r.value(0).toDouble(), 0, 'f', 0)
                                            .arg(toText(r.value(1)), toText(r.value(2)))
                                            .arg(r.value(3).toDouble(), 0, 'f', 2)
                                            .arg(toText(r.value(4))),
                                        r.value(0).toDouble()};
            c << cek;
        }
        c << LineColumn{QStringLiteral("KODU"), QStringLiteral("Seri No"), 100};
        c << LineColumn{QStringLiteral("ADI"), QStringLiteral("Borçlu"), 160};
        c << LineColumn{QStringLiteral("VADE_TRH"), QStringLiteral("Vade"), 85, K::Date};
    } else if (tur == QLatin1String("K")) {
        LineColumn kasa{QStringLiteral("KODU"), QStringLiteral("Kasa Kodu"), 150, K::Choice};
        kasa.choices = kasalar(db);
        c << kasa << LineColumn{QStringLiteral("ADI"), QStringLiteral("Kasa Adı"), 160, K::Text, 2, true};
    } else if (tur == QLatin1String("B")) {
        LineColumn banka{QStringLiteral("KODU"), QStringLiteral("Banka Kodu"), 150, K::Choice};
        banka.choices = bankalar(db);
        LineColumn hesap{QStringLiteral("KODU2"), QStringLiteral("Hesap No"), 150, K::Choice};
        hesap.choices = hesaplar(db);
        c << banka << hesap << LineColumn{QStringLiteral("ADI"), QStringLiteral("Banka Adı"), 150, K::Text, 2, true};
    } else {
        LineColumn cari{QStringLiteral("KODU"), QStringLiteral("Cari Kodu"), 110};
        cari.pick = [](QWidget* parent, const QString&) { return cariSec(parent); };
        c << cari << LineColumn{QStringLiteral("ADI"), QStringLiteral("Cari Adı"), 170, K::Text, 2, true};
    }
    LineColumn doviz{QStringLiteral("DOVIZ_KODU"), QStringLiteral("Döviz"), 55, K::Choice};
    doviz.choices = SessionContext::current().dovizler;
    for (PickItem& p : doviz.choices)
        p.text = p.value.toString();
    c << doviz;
    c << LineColumn{FinansBelgesi::kTutar, QStringLiteral("Tutar Dvz"), 100, K::Number};
    c << LineColumn{QStringLiteral("DVZ_KUR"), QStringLiteral("Kur"), 75, K::Number, 4};
    LineColumn tl{{}, QStringLiteral("Tutar TL"), 100};
    tl.display = [this](int row) {
        const LineTable& l = belge().lines();
        return QLocale(QLocale::Turkish).toString(l.number(row, QStringLiteral("BORC")) + l.number(row, QStringLiteral("ALACAK")),
                                                  'f', 2);
    };
    c << tl;
    c << LineColumn{QStringLiteral("ACIKLAMA"), QStringLiteral("Açıklama"), 240};
    return c;
}

int TFormFinansHrk::ac(QWidget* parent, const QString& tip, const QString& tip2, int no)
{
    TFormFinansHrk f(tip, tip2, no, {}, parent);
    return f.exec() == QDialog::Accepted ? f.savedKey().toInt() : 0;
}

} // namespace nimbo
