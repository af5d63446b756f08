#include "db/DbTransaction.h"
#include "demo/DemoPlan.h"
#include "demo/DemoData.h"
#include "finance/BankaHareketBelgesi.h"
#include "finance/BankaKart.h"
#include "finance/CekSenetDurumu.h"
#include "finance/CekSenetHareketi.h"
#include "finance/FinansBelgesi.h"
#include "finance/CekSenetKart.h"

#include <QSqlRecord>

namespace nimbo::demo {

namespace {

QString u(const char* s) { return QString::fromUtf8(s); }

struct Hesap {
    const char* banka;
    const char* no;
    const char* adi;
    const char* tur;
    const char* doviz;
    double komisyon;
    const char* muh;
};

// Every bank has a lira account; two have dollar and euro accounts, one a POS account.
const Hesap kHesaplar[] = {
    {"ZIRAAT", "3344-5566001", "Ziraat TL Ticari", "1", "TL", 0, "102.01"},
    {"ZIRAAT", "3344-5566101", "Ziraat USD Döviz", "3", "USD", 0, "102.04"},
    {"ZIRAAT", "3344-5566201", "Ziraat EUR Döviz", "3", "EUR", 0, "102.05"},
    {"ISBANK", "1021-0070001", "İş Bankası TL Ticari", "1", "TL", 0, "102.02"},
    {"ISBANK", "1021-0070501", "İş Bankası POS", "5", "TL", 1.8, "102.06"},
    {"GARANTI", "0356-6290001", "Garanti TL Ticari", "1", "TL", 0, "102.03"},
    {"GARANTI", "0356-6290101", "Garanti USD Döviz", "3", "USD", 0, "102.07"},
    {"GARANTI", "0356-6290201", "Garanti EUR Döviz", "3", "EUR", 0, "102.08"},
};

void bankaHesaplari(const Db& db)
{
    for (const char* banka : {"ZIRAAT", "ISBANK", "GARANTI"}) {
        BankaKart k(db);
        if (!k.ac(u(banka)))
            continue;
        for (const Hesap& h : kHesaplar) {
            if (u(h.banka) != u(banka))
                continue;
            QVariantMap v = k.yeniHesap();
            v.insert(QStringLiteral("HESAP_NO"), u(h.no));
            v.insert(QStringLiteral("HESAP_ADI"), u(h.adi));
            v.insert(QStringLiteral("HESAR_TURU"), u(h.tur));
            v.insert(QStringLiteral("DOVIZ_KODU"), u(h.doviz));
            v.insert(QStringLiteral("KOMISYON"), h.komisyon);
            v.insert(QStringLiteral("VALOR"), h.komisyon > 0 ? 1 : 0);
            v.insert(QStringLiteral("MUH_CHES"), u(h.muh));
            v.insert(QStringLiteral("MUH_KESCEK"), QStringLiteral("103.01"));
            v.insert(QStringLiteral("MUH_TAKCEK"), QStringLiteral("101.02"));
            v.insert(QStringLiteral("MUH_TEMCEK"), QStringLiteral("101.03"));
            v.insert(QStringLiteral("MUH_TAHSEN"), QStringLiteral("121.02"));
            v.insert(QStringLiteral("MUH_TEMSEN"), QStringLiteral("121.03"));
            v.insert(QStringLiteral("MUH_KOMISYON"), QStringLiteral("780.01"));
            k.hesaplar << v;
        }
        k.save();
    }
}

// A year of bank movements: transfers in and out, cash deposits and withdrawals, card
// collections with commission and a few openings, each saved through the document.
void bankaHareketleri(const Db& db, int year, const QStringList& cariler, int count)
{
    QList<QVariant> tipler;
    for (const QSqlRecord& r : db.records(QStringLiteral("SELECT TIP FROM CARIHRKTIP ORDER BY TIP")))
        tipler << r.value(0).toInt();
    if (tipler.isEmpty())
        tipler << 1;
    // The year opens with what each account held.
    {
        BankaHareketBelgesi b(db, QStringLiteral("A"));
        b.setHeader(QStringLiteral("TARIH"), QDate(year, 1, 1));
        for (const Hesap& h : kHesaplar) {
            const int r = b.addLine();
            b.setLine(r, QStringLiteral("BANKA_KOD"), u(h.banka));
            b.setLine(r, QStringLiteral("HESAP_NO"), u(h.no));
            b.setLine(r, QStringLiteral("BORC_DVZ"), u(h.doviz) == QLatin1String("TL") ? 250000.0 : 12000.0);
            b.setLine(r, QStringLiteral("ACIKLAMA"), QStringLiteral("Devir bakiyesi"));
        }
        b.save();
    }
    const char* const kTurler = "GGGHHIIKVR";
    for (int i = 0; i < count; ++i) {
        const QString tip = QString(QLatin1Char(kTurler[i % 10]));
        BankaHareketBelgesi b(db, tip);
        b.setHeader(QStringLiteral("TARIH"), demoTarihi(QDate(year, 1, 2).addDays((i * 41) % 355)));
        const Hesap& h = kHesaplar[(i * 7) % 8];
        const bool tl = u(h.doviz) == QLatin1String("TL");
        const double tutar = (tl ? 1500.0 : 50.0) + double((i * 7919) % 61) * (tl ? 250.0 : 10.0);
        const QString cari = cariler.at((i * 17) % cariler.size());
        const int r = b.addLine();
        auto hesap = [&](const Hesap& x) {
            b.setLine(r, QStringLiteral("BANKA_KOD"), u(x.banka));
            b.setLine(r, QStringLiteral("HESAP_NO"), u(x.no));
        };
        b.setLine(r, QStringLiteral("BELGE_NO"), QStringLiteral("B%1").arg(i + 1, 5, 10, QLatin1Char('0')));
        if (tip == QLatin1String("K")) {
            hesap(kHesaplar[4]);
            b.setLine(r, QStringLiteral("CARI_KOD"), cari);
            b.setLine(r, QStringLiteral("CTIP"), tipler.at(i % tipler.size()));
            b.setLine(r, QStringLiteral("KRDKMSYN_TUT"), 1000.0 + (i % 9) * 350.0);
        } else if (tip == QLatin1String("I")) {
            // Cash taken to the bank, or drawn from it.
            hesap(kHesaplar[i % 2 == 0 ? 0 : 3]);
            b.setLine(r, QStringLiteral("KASAKOD"), QStringLiteral("MERKEZ"));
            b.setLine(r, i % 4 == 0 ? QStringLiteral("ALACAK_DVZ") : QStringLiteral("BORC_DVZ"), 2000.0 + (i % 7) * 500.0);
        } else if (tip == QLatin1String("V") || tip == QLatin1String("R")) {
            // A transfer between two of our lira accounts; a card transfer empties the POS
            // account into the trade account.
            hesap(kHesaplar[tip == QLatin1String("R") ? 4 : 0]);
            b.setLine(r, QStringLiteral("ALACAK_DVZ"), 5000.0);
            const int s = b.addLine();
            b.setLine(s, QStringLiteral("BANKA_KOD"), QStringLiteral("ISBANK"));
            b.setLine(s, QStringLiteral("HESAP_NO"), u(kHesaplar[3].no));
            b.setLine(s, QStringLiteral("BORC_DVZ"), 5000.0);
        } else {
            hesap(h);
            b.setLine(r, QStringLiteral("CARI_KOD"), cari);
            b.setLine(r, QStringLiteral("CTIP"), tipler.at(i % tipler.size()));
            b.setLine(r, tip == QLatin1String("G") ? QStringLiteral("BORC_DVZ") : QStringLiteral("ALACAK_DVZ"), tutar);
        }
        b.setLine(r, QStringLiteral("ACIKLAMA"), b.lines().text(r, QStringLiteral("ACIKLAMA")).isEmpty()
                                                     ? BankaHareketBelgesi::tipAdi(tip)
                                                     : b.lines().text(r, QStringLiteral("ACIKLAMA")));
        b.save();
    }
}

// The portfolio: received and given cheques and notes in every status, entered through
// the card and moved through the same transitions a finance line makes.
void portfoy(const Db& db, int year, const QStringList& cariler)
{
    const char* const bankalar[] = {"Akbank", "Yapı Kredi", "Halkbank", "Vakıfbank"};
    struct Kagit {
        const char* tip;
        const char* sahip;
        QList<const char*> islemler; // operations after entry
    };
    const QList<Kagit> kagitlar = {
        {"Ç", "M", {"1"}},      {"Ç", "M", {}},      {"Ç", "M", {"3"}},      {"Ç", "M", {"3", "5"}},
        {"Ç", "M", {"3", "8"}}, {"Ç", "M", {"3", "8", "7"}}, {"Ç", "M", {"9"}},  {"Ç", "M", {"1", "2"}},
        {"E", "M", {}},         {"E", "M", {"3", "8"}}, {"E", "M", {"1"}},      {"Ç", "F", {}},
        {"Ç", "F", {"6"}},      {"E", "F", {}},         {"E", "F", {"6"}},      {"Ç", "M", {"3", "4"}}};
    for (int i = 0; i < kagitlar.size() * 2; ++i) {
        const Kagit& k = kagitlar.at(i % kagitlar.size());
        CekSenetKart c(db);
        c.yeni(CekSenetKart::Giris::Kart, u(k.tip), u(k.sahip));
        const QDate giris = QDate(year, 1, 5).addDays((i * 23) % 300);
        c.setValue(QStringLiteral("TANZIMTARIH"), demoTarihi(giris));
        c.setValue(QStringLiteral("VADETARIH"), giris.addDays(30 + (i * 11) % 120));
        c.setValue(QStringLiteral("TUTAR_DOVIZ"), 2500.0 + (i % 7) * 1250.0);
        c.setValue(QStringLiteral("SERI_NO"), (u(k.tip) == CekSenetDurumu::kCek ? QStringLiteral("CK-") : QStringLiteral("SN-")) + QString::number(100200 + i));
        c.setValue(QStringLiteral("NUMKOD"), QStringLiteral("T%1").arg(i + 1, 4, 10, QLatin1Char('0')));
        c.setValue(QStringLiteral("CARIKOD"), cariler.at((i * 5) % cariler.size()));
        c.setValue(QStringLiteral("BORCLUSU"), u(k.sahip) == QLatin1String("F") ? QStringLiteral("Firmamız")
                                                                               : QStringLiteral("Borçlu %1").arg(i + 1));
        c.setValue(QStringLiteral("KESIDEYER"), QStringLiteral("İstanbul"));
        c.setValue(QStringLiteral("BANKA_ADI"), u(bankalar[i % 4]));
        if (u(k.sahip) == QLatin1String("F") && u(k.tip) == CekSenetDurumu::kCek) {
            c.setValue(QStringLiteral("BANKA_KOD"), QStringLiteral("ZIRAAT"));
            c.setValue(QStringLiteral("HESAP_NO"), u(kHesaplar[0].no));
            c.setValue(QStringLiteral("BANKA_ADI"), QStringLiteral("T.C. Ziraat Bankası"));
        }
        c.save();
        // Each move is a cheque/note finance document naming the paper, so the paper's
        // history lists it.
        QDate gun = giris;
        for (const char* islem : k.islemler) {
            gun = gun.addDays(7);
            const bool banka = QStringLiteral("3458").contains(u(islem));
            FinansBelgesi b(db, QStringLiteral("E"), u(islem));
            b.setHeader(QStringLiteral("ISLEM_TRH"), demoTarihi(gun));
            b.setHeader(QStringLiteral("KODU"), banka ? QStringLiteral("ZIRAAT") : cariler.at((i * 5 + 3) % cariler.size()));
            b.setHeader(QStringLiteral("ACIKLAMA"), CekSenetDurumu::islemAdi(u(islem)));
            b.setLine(b.addLine(), QStringLiteral("CEK_NO"), c.portfoyNo());
            b.save();
        }
    }
    // Papers on hand when the system was taken into use.
    int n = 0;
    for (const DevirDurumu& d : CekSenetKart::devirDurumlari()) {
        CekSenetKart c(db);
        c.yeni(CekSenetKart::Giris::Devir, CekSenetDurumu::kCek, CekSenetDurumu::kMusteri);
        c.setDevirDurumu(d.etiket);
        c.setValue(QStringLiteral("TANZIMTARIH"), QDate(year - 1, 12, 1).addDays(n));
        c.setValue(QStringLiteral("VADETARIH"), QDate(year, 6, 15).addDays(n * 9));
        c.setValue(QStringLiteral("TUTAR_DOVIZ"), 4000.0 + n * 500.0);
        c.setValue(QStringLiteral("SERI_NO"), QStringLiteral("DV-%1").arg(9000 + n));
        c.setValue(QStringLiteral("CARIKOD"), cariler.at((n * 3) % cariler.size()));
        c.setValue(QStringLiteral("CIRO_CKOD"), cariler.at((n * 3 + 1) % cariler.size()));
        c.setValue(QStringLiteral("BANKA_KOD"), QStringLiteral("GARANTI"));
        c.setValue(QStringLiteral("HESAP_NO"), u(kHesaplar[5].no));
        c.setValue(QStringLiteral("BANKA_ADI"), u(bankalar[n % 4]));
        c.setValue(QStringLiteral("ACIKLAMA"), QStringLiteral("Devir"));
        c.save();
        ++n;
    }
}

} // namespace

void fillFinanceDemo(const Db& db, int year, int count)
{
    const QStringList cariler = liraCarileri(db);
    if (cariler.size() < 2)
        return;
    bankaHesaplari(db);
    bankaHareketleri(db, year, cariler, count);
    portfoy(db, year, cariler);
    fillFinansIslemleriDemo(db, year, cariler);
}

} // namespace nimbo::demo
