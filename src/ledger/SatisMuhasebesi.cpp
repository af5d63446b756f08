#include "ledger/SatisMuhasebesi.h"
#include "ledger/TicariFatura.h"

namespace nimbo::SatisMuhasebesi {

namespace {

const QString kA = QStringLiteral("A");
const QString kB = QStringLiteral("B");

// Narrations and missing-code texts of one kind of unit.
struct Metinler {
    const char* iade;    // credit of a return
    const char* satis;   // credit of a sale
    const char* isk;     // discount debit
    const char* iadeKdv; // VAT of a return
    const char* kdv;
    const char* eIade;
    const char* eIadeKdv;
    const char* eSatis;
    const char* eSatisKdv;
    const char* eIsk;
};

const Metinler& metinler(TicariKalem::Tur t)
{
    static const Metinler stok{"ın Stok Hrk.-A.İade-", "ın Stok Hrk.", "ın Stok İsk.su", "ın iade KDVsi", "ın KDVsi",
                               " Alış İade M.Kodu Eksik ya da Hatalı", " Alış İade KDV M.Kodu Eksik ya da Hatalı",
                               " Satış M.Kodu Eksik ya da Hatalı", " Satış KDV M.Kodu Eksik ya da Hatalı",
                               " Satış İsk. M.Kodu Eksik ya da Hatalı"};
    static const Metinler masraf{"ın Masrafı-A.İade-", "ın Masrafı", "ın Masraf İsk.su", "ın KDVsi", "ın KDVsi",
                                 " Kodlu Masrafın Alış İade M.Kodu Eksik ya da Hatalı",
                                 " Kodlu Masrafın Alış KDV İade M.Kodu Eksik ya da Hatalı",
                                 "Kodlu Masrafın Satış M.Kodu Eksik ya da Hatalı",
                                 " Kodlu Masrafın Satış KDV M.Kodu Eksik ya da Hatalı",
                                 " Kodlu Masrafın Satış İsk. M.Kodu Eksik ya da Hatalı"};
    static const Metinler hizmet{"ın Hizmet/İşçiliği-A.İade-", "ın Hizmet/İşçiliği-", "ın Hizmet/İşçilik İsk.su",
                                 "ın iade KDVsi", "ın KDVsi", " Kodlu Hizmetin Alış İade M.Kodu Eksik ya da Hatalı",
                                 " Kodlu Hizmetin Alış KDV İade M.Kodu Eksik ya da Hatalı",
                                 " Kodlu Hizmetin Satış M.Kodu Eksik ya da Hatalı",
                                 " Kodlu Hizmetin Satış KDV M.Kodu Eksik ya da Hatalı",
                                 " Kodlu Hizmetin Satış İsk. M.Kodu Eksik ya da Hatalı"};
    return t == TicariKalem::Tur::Stok ? stok : t == TicariKalem::Tur::Masraf ? masraf : hizmet;
}

QString u(const char* s) { return QString::fromUtf8(s); }

// The amount a unit credits to its sales (or return) account: net, or gross when the
// discount is posted apart; 0 writes nothing.
double gelir(const TicariFatura& f, const TicariKalem& k)
{
    if (!f.iskontoAyri())
        return k.mal;
    return k.iskonto > 0 || k.brut() > 0 ? k.brut() : 0;
}

// Every code the voucher will use, checked before anything is written.
QStringList eksikKodlar(TDMuh& m, const TicariFatura& f)
{
    QStringList out;
    const QString onek = TDMuh::numaraMetni(m.belgeNo) + QStringLiteral(".Nolu Satışta ");
    const auto denetle = [&](const QString& kod, const QString& konu, const QString& ek) {
        if (kod.isEmpty() || !m.SeviyeKontroluYap(kod))
            out << onek + konu + ek;
    };
    const bool kasaKullanilir = f.kasayaDogrudan() || (f.pesin() && f.kasaVar);
    if (kasaKullanilir)
        denetle(f.kasaMuh, f.kasaKod, QStringLiteral(" Kasanın M.Kodu Eksik ya da Hatalı"));
    if (!f.kasayaDogrudan())
        denetle(f.cariMuh, f.cariKod, QStringLiteral(" M.Kodu Eksik ya da Hatalı"));
    for (const TicariKalem& k : f.kalemler) {
        const Metinler& t = metinler(k.tur);
        if (gelir(f, k) > 0)
            denetle(k.kodu(m.iade ? "MUH_IADE_A" : "MUH_S"), k.kod, u(m.iade ? t.eIade : t.eSatis));
        if (k.kdv > 0)
            denetle(k.kodu(m.iade ? "MUH_KDV_IADE_A" : "MUH_KDV_S"), k.kod, u(m.iade ? t.eIadeKdv : t.eSatisKdv));
        if (f.iskontoAyri() && k.iskonto > 0)
            denetle(k.kodu("MUH_ISK_S"), k.kod, u(t.eIsk));
    }
    return out;
}

} // namespace

void muhasebelestir(TDMuh& m, bool)
{
    const auto okunan = TicariFatura::oku(m, TicariKaynak::satis());
    if (!okunan) {
        m.reddet(QStringLiteral("Satış bulunamadı: ") + TDMuh::numaraMetni(m.belgeNo));
        return;
    }
    const TicariFatura& f = *okunan;
    const QStringList eksik = eksikKodlar(m, f);
    if (!eksik.isEmpty()) {
        m.reddet(QStringLiteral("Eksik Muhasebe Kodu Var!\n") + eksik.join(QLatin1Char('\n')));
        return;
    }

    m.fisAc(f.fatarih, f.kasayaDogrudan() ? QStringLiteral("C") : QStringLiteral("M"), f.fatNo,
            f.fatNo + QStringLiteral(" No.lu Satış Faturası"));
    const QString onek = f.fatNo + QStringLiteral(" No.lu S.Fat.") + f.firmaAdi + QStringLiteral(" ,") + f.cariKod
                         + QStringLiteral(" Cari kodlu Hesaba Yapılan Satış");
    const auto yaz = [&](const QString& kod, const QString& taraf, double tutar, const QString& aciklama) {
        // Lines of no amount are not written, so the code they would need is not asked for.
        if (tutar > 0)
            m.AyrHesapGir(kod, taraf, tutar, aciklama, f.grup);
    };
    yaz(f.kasayaDogrudan() ? f.kasaMuh : f.cariMuh, kB, f.net, onek);
    for (const TicariKalem& k : f.kalemler) {
        const Metinler& t = metinler(k.tur);
        if (f.iskontoAyri())
            yaz(k.kodu("MUH_ISK_S"), kB, k.iskonto, k.kod + u(t.isk));
        yaz(k.kodu(m.iade ? "MUH_IADE_A" : "MUH_S"), kA, gelir(f, k), k.kod + u(m.iade ? t.iade : t.satis));
        yaz(k.kodu(m.iade ? "MUH_KDV_IADE_A" : "MUH_KDV_S"), kA, k.kdv, k.kod + u(m.iade ? t.iadeKdv : t.kdv));
    }
    // A cash invoice posted to the customer is closed against the desk in the same voucher.
    if (!f.kasayaDogrudan() && f.pesin() && f.kasaVar) {
        yaz(f.cariMuh, kA, f.net, onek);
        yaz(f.kasaMuh, kB, f.net, onek);
    }
    m.FisiSakla(QStringLiteral("SATIS"), QStringLiteral("SATIS_NO"));
}

BelgeTuru tanim()
{
    BelgeTuru t;
    t.tur = QLatin1Char('S');
    t.ad = QStringLiteral("Satış Faturaları");
    t.tablo = QStringLiteral("SATIS");
    t.anahtar = QStringLiteral("SATIS_NO");
    // Only documents with an invoice part become vouchers; dispatch notes are not posted.
    t.tipler = QStringLiteral("FREAPON");
    t.bekleyenSql = QStringLiteral("SELECT SATIS_NO AS NO, FATARIH AS TARIH, FAT_NO AS ACIKLAMA FROM SATIS "
                                   "WHERE FIS_NO IS NULL AND FATARIH >= :bas AND FATARIH < :son "
                                   "AND TIP IN ('F', 'R', 'E', 'A', 'P', 'O', 'N')");
    t.rutin = &muhasebelestir;
    // A purchase-return invoice issued on the sales side.
    t.iade = [](const Db& db, double no) {
        const QString tip = toText(db.scalar(QStringLiteral("SELECT TIP FROM SATIS WHERE SATIS_NO = :n"),
                                             {{QStringLiteral("n"), no}}))
                                .trimmed();
        return tip == QLatin1String("A") || tip == QLatin1String("E");
    };
    return t;
}

} // namespace nimbo::SatisMuhasebesi
