#include "ledger/AlisMuhasebesi.h"
#include "ledger/SatisMaliyeti.h"
#include "ledger/TicariFatura.h"

namespace nimbo::AlisMuhasebesi {

namespace {

const QString kA = QStringLiteral("A");
const QString kB = QStringLiteral("B");

QString param(const Db& db, const char* kolon)
{
    return toText(db.scalar(QStringLiteral("SELECT %1 FROM PARAMET").arg(QLatin1String(kolon)))).trimmed();
}

struct Yazici {
    TDMuh& m;
    const TicariFatura& f;
    void operator()(const QString& kod, const QString& taraf, double tutar, const QString& aciklama) const
    {
        // Lines of no amount are not written, so the code they would need is not asked for.
        if (tutar > 0)
            m.AyrHesapGir(kod, taraf, tutar, aciklama, f.grup);
    }
};

// The cost of sales of a returned line: what its sold line cost a unit when it was sold.
double satisMaliyeti(const Db& db, const TicariKalem::Iade& i)
{
    return SatisMaliyeti::birimMaliyeti(db, i.satisNo, i.sira) * i.miktar;
}

void stok(const Yazici& yaz, const TicariFatura& f, const TicariKalem& k, bool iade)
{
    const QString& s = k.kod;
    if (iade)
        for (const TicariKalem::Iade& i : k.iadeler) {
            const double maliyet = satisMaliyeti(yaz.m.db(), i);
            yaz(k.kodu("MUH_A"), kB, maliyet, s + QStringLiteral("ın Stok Maliyet İadesi."));
            yaz(k.kodu("MUH_MAL_S"), kA, maliyet, s + QStringLiteral("ın Stok Maliyet İadesi"));
        }
    // Without discounts posted apart the net amount goes where the gross would.
    const bool ayri = f.iskontoAyri();
    if (ayri && !(k.iskonto > 0 || k.brut() > 0))
        return;
    const double iskonto = ayri ? k.iskonto : 0;
    const double brut = ayri ? k.brut() : k.mal;
    if (iade) {
        yaz(k.kodu("MUH_IADE_S"), kA, iskonto, s + QStringLiteral("ın Stok Hrk.İsk.su"));
        yaz(k.kodu("MUH_IADE_S"), kB, brut, s + QStringLiteral("ın Stok Hrk.-S.İade-"));
        return;
    }
    yaz(k.kodu("MUH_ISK_A"), kA, iskonto, s + QStringLiteral("ın Stok Hrk.İsk.su"));
    if (f.tip == QLatin1String("G")) {
        yaz(k.kodu("MUH_MAL_A"), kB, k.mal, s + QStringLiteral("ın Stok Hrk."));
    } else if (f.tip == QLatin1String("M")) {
        yaz(k.kodu("MUH_A"), kB, k.mal, s + QStringLiteral("ın Stok Hrk"));
        yaz(k.kodu("MUH_MAL_A"), kA, k.mal, s + QStringLiteral("ın Stok Hrk."));
    } else {
        yaz(k.kodu("MUH_A"), kB, brut, s + QStringLiteral("ın Stok Hrk."));
    }
}

void kdv(const Yazici& yaz, const TicariFatura& f, const TicariKalem& k, bool iade)
{
    const QString nar = k.kod + QStringLiteral("ın KDVsi");
    if (f.tip != QLatin1String("H")) {
        if (iade)
            yaz(k.kodu("MUH_KDV_IADE_S"), kB, k.kdv, k.kod + QStringLiteral("ın iade KDVsi"));
        else
            yaz(k.kodu("MUH_KDV_A"), kB, k.kdv, nar);
    } else if (k.otv > 0) {
        yaz(k.kodu("MUH_OTV_A"), kB, k.otv, nar);
        yaz(k.kodu("MUH_KDV_A"), kB, k.otvliKdv, nar);
    } else {
        yaz(k.kodu("MUH_KDV_A"), kB, k.kdv, nar);
    }
}

void hizmet(const Yazici& yaz, const TicariFatura& f, const TicariKalem& k, bool iade)
{
    const bool ayri = f.iskontoAyri();
    if (ayri && !(k.iskonto > 0 || k.brut() > 0))
        return;
    const double iskonto = ayri ? k.iskonto : 0;
    const double brut = ayri ? k.brut() : k.mal;
    const QString& s = k.kod;
    yaz(k.kodu(iade ? "MUH_IADE_S" : "MUH_ISK_A"), kA, iskonto, s + QStringLiteral("ın Hizmet/İşçilik İsk.su"));
    if (iade)
        yaz(k.kodu("MUH_IADE_S"), kB, brut, s + QStringLiteral("ın Hizmet/İşçiliği-S.İade-"));
    else
        yaz(k.kodu("MUH_A"), kB, brut, s + QStringLiteral("ın Hizmet/İşçiliği"));
}

// An expense: net ("D") or gross with the discount apart ("H"); VAT left in the expense
// when the invoice says so, else on its own line.
void masraf(const Yazici& yaz, const TicariFatura& f, const TicariKalem& k, bool iade, const QString& kdvBirlestirme)
{
    const bool kdvIcinde = f.metin("KDVIZBIRAK") == QLatin1String("E");
    const bool ayri = f.iskontoAyri();
    const double tutar = (ayri ? k.brut() : k.mal) + (kdvIcinde ? k.kdv : 0);
    const QString nar = k.kod + QStringLiteral("ın Masrafı");
    yaz(k.kodu(iade ? "MUH_IADE_S" : "MUH_A"), kB, tutar, nar);
    if (ayri)
        yaz(k.kodu("MUH_ISK_A"), kA, k.iskonto, nar);
    if (kdvIcinde)
        return;
    if (f.metin("KDVBIRLESTIRME") == QLatin1String("E"))
        yaz.m.birlestirme = kdvBirlestirme;
    yaz(k.kodu(iade ? "MUH_KDV_IADE_S" : "MUH_KDV_A"), kB, k.kdv, k.kod + QStringLiteral("ın KDVsi"));
}

} // namespace

void muhasebelestir(TDMuh& m, bool)
{
    const auto okunan = TicariFatura::oku(m, TicariKaynak::alis());
    if (!okunan) {
        m.reddet(QStringLiteral("Alış bulunamadı: ") + TDMuh::numaraMetni(m.belgeNo));
        return;
    }
    const TicariFatura& f = *okunan;
    if ((f.pesin() && f.kasaMuh.isEmpty()) || f.cariMuh2.isEmpty()) {
        m.reddet(TDMuh::eksikKodMesaji());
        return;
    }
    const Db& db = m.db();
    const bool virman = f.metin("MUH_VIRMAN") == QLatin1String("E");
    QString satici = f.metin("MUH_KARSI").isEmpty() ? f.cariMuh2 : f.metin("MUH_KARSI");
    if (f.tip != QLatin1String("E") && f.tip != QLatin1String("A") && !virman
        && f.metin("MUH_SATICI") == QLatin1String("E"))
        satici = f.cariMuh2;

    m.fisAc(f.fatarih, f.kasayaDogrudan() ? QStringLiteral("E") : QStringLiteral("M"), f.fatNo,
            f.fatNo + QStringLiteral(" No.lu Alış Faturası"));
    const QString onek = f.fatNo + QStringLiteral(" No.lu Fat. ") + f.metin("ACIKLAMA_MUH");
    const Yazici yaz{m, f};
    if (f.tip != QLatin1String("M"))
        yaz(f.kasayaDogrudan() ? f.kasaMuh : satici, kA, f.net, onek);
    yaz(param(db, "MUH_ALIS_TEVKIFAT"), kA, f.sayi("KDVTEV_TUT"), onek);
    if (!m.iade && virman) {
        yaz(satici, kB, f.net, onek);
        yaz(f.cariMuh2, kA, f.net, onek);
    }
    const QString stokBirlestirme = param(db, "ALMUHPAR_SAT");
    const QString masrafBirlestirme = param(db, "ALMUHMAS_SAT");
    const QString kdvBirlestirme = param(db, "ALMUHMASKDV_SAT");
    const QString hizmetBirlestirme = param(db, "ALMUHISC_SAT");
    for (const TicariKalem& k : f.kalemler) {
        switch (k.tur) {
        case TicariKalem::Tur::Stok:
            m.birlestirme = stokBirlestirme;
            stok(yaz, f, k, m.iade);
            kdv(yaz, f, k, m.iade);
            break;
        case TicariKalem::Tur::Hizmet:
            m.birlestirme = hizmetBirlestirme;
            hizmet(yaz, f, k, m.iade);
            kdv(yaz, f, k, m.iade);
            break;
        case TicariKalem::Tur::Masraf:
            m.birlestirme = masrafBirlestirme;
            masraf(yaz, f, k, m.iade, kdvBirlestirme);
            break;
        }
    }
    m.birlestirme.clear();
    // A cash invoice posted to the supplier is closed against the desk in the same voucher.
    if (!f.kasayaDogrudan() && f.pesin() && f.kasaVar) {
        yaz(satici, kB, f.net, onek);
        yaz(f.kasaMuh, kA, f.net, onek);
    }
    m.FisiSakla(QStringLiteral("ALIS"), QStringLiteral("ALIS_NO"));
}

BelgeTuru tanim()
{
    BelgeTuru t;
    t.tur = QLatin1Char('A');
    t.ad = QStringLiteral("Alış Faturaları");
    t.tablo = QStringLiteral("ALIS");
    t.anahtar = QStringLiteral("ALIS_NO");
    // Invoice types and the goods-received note "M", which posts the goods in transit.
    t.tipler = QStringLiteral("FREAHYPOGNSM");
    t.bekleyenSql = QStringLiteral("SELECT ALIS_NO AS NO, FATARIH AS TARIH, FAT_NO AS ACIKLAMA FROM ALIS "
                                   "WHERE FIS_NO IS NULL AND FATARIH >= :bas AND FATARIH < :son "
                                   "AND TIP IN ('F', 'R', 'E', 'A', 'H', 'Y', 'P', 'O', 'G', 'N', 'S')");
    t.rutin = &muhasebelestir;
    // A sales-return invoice entered on the purchase side.
    t.iade = [](const Db& db, double no) {
        const QString tip = toText(db.scalar(QStringLiteral("SELECT TIP FROM ALIS WHERE ALIS_NO = :n"),
                                             {{QStringLiteral("n"), no}}))
                                .trimmed();
        return tip == QLatin1String("A") || tip == QLatin1String("E");
    };
    return t;
}

} // namespace nimbo::AlisMuhasebesi
