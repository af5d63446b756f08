#include "ledger/BankaHareketMuhasebesi.h"
#include "ledger/HesapKaynaklari.h"

#include <QSqlRecord>

namespace nimbo::BankaHareketMuhasebesi {

namespace {

const QString kBorc = QStringLiteral("B");
const QString kAlacak = QStringLiteral("A");

struct Satir {
    int sira = 0;
    QString banka, cari, kasa, karsi, komisyonHesabi, aciklama, grup, doviz;
    double borc = 0, alacak = 0, borcDvz = 0, alacakDvz = 0, kur = 0, komisyon = 0;
    bool kusurat = false;
};

QString metin(const QSqlRecord& r, const char* c) { return toText(r.value(QString::fromLatin1(c))).trimmed(); }
double sayi(const QSqlRecord& r, const char* c) { return r.value(QString::fromLatin1(c)).toDouble(); }

QList<Satir> satirlar(TDMuh& m, HesapKaynaklari& k)
{
    QList<Satir> out;
    for (const QSqlRecord& r : m.db().records(QStringLiteral("SELECT * FROM BANKHRKA WHERE HRK_NO = :n ORDER BY SIRANO"),
                                              {{QStringLiteral("n"), m.belgeNo}})) {
        Satir s;
        s.sira = r.value(QStringLiteral("SIRANO")).toInt();
        const QString banka = metin(r, "BANKA_KOD"), hesap = metin(r, "HESAP_NO");
        s.banka = k.banka(banka, hesap, QStringLiteral("MUH_CHES"));
        s.komisyonHesabi = k.banka(banka, hesap, QStringLiteral("MUH_KOMISYON"));
        s.cari = metin(r, "CARI_KOD");
        s.kasa = metin(r, "KASAKOD");
        s.karsi = metin(r, "MUH_KARSI");
        s.aciklama = metin(r, "ACIKLAMA");
        s.grup = k.grup(r.value(QStringLiteral("CTIP")));
        s.doviz = metin(r, "DOVIZ_KODU");
        if (s.doviz == m.yerelDoviz())
            s.doviz.clear();
        s.borc = sayi(r, "BORC");
        s.alacak = sayi(r, "ALACAK");
        s.borcDvz = sayi(r, "BORC_DVZ");
        s.alacakDvz = sayi(r, "ALACAK_DVZ");
        s.kur = sayi(r, "TL_KURDEGER");
        s.komisyon = sayi(r, "KOMISYON");
        s.kusurat = metin(r, "KUSURAT") == QLatin1String("E");
        out << s;
    }
    return out;
}

// Rows with a current account need its code and the bank's before anything is written.
QStringList kodKontrolu(TDMuh& m, HesapKaynaklari& k, const QList<Satir>& rows)
{
    QStringList hatalar;
    const QString no = TDMuh::numaraMetni(m.belgeNo);
    for (const Satir& s : rows) {
        if (s.cari.isEmpty())
            continue;
        const QString on = no + QStringLiteral(".Nolu Banka Hrk. ") + TDMuh::numaraMetni(s.sira);
        if (s.banka.isEmpty() || !m.SeviyeKontroluYap(s.banka))
            hatalar << on + QStringLiteral(" No.lu Satırda M.Kodu Eksik ya da Hatalı");
        const QString cari = k.cari(s.cari, s.doviz.isEmpty() ? m.yerelDoviz() : s.doviz, s.alacak > 0);
        if (cari.isEmpty() || !m.SeviyeKontroluYap(cari))
            hatalar << on + QStringLiteral(" No.lu Satırda Carinin M.Kodu Eksik ya da Hatalı");
    }
    return hatalar;
}

// One side of a row: the bank and its counter account, the commission of a card transfer
// split off the bank's part, a rounding row leaving the bank out.
void yanKaydi(TDMuh& m, const QString& tip, const Satir& s, bool alacakTarafi, const QString& karsi)
{
    const double tutar = alacakTarafi ? s.alacak : s.borc;
    const double dvz = alacakTarafi ? s.alacakDvz : s.borcDvz;
    if (tutar <= 0)
        return;
    const QString bankaTarafi = alacakTarafi ? kAlacak : kBorc;
    const QString karsiTarafi = alacakTarafi ? kBorc : kAlacak;
    if (tip == QLatin1String("R")) {
        const double oran = s.komisyon > 0 ? s.komisyon / 100 : 0;
        if (oran > 0)
            m.AyrHesapGir(s.komisyonHesabi, bankaTarafi, tutar * oran, s.aciklama, s.grup, dvz * oran, s.doviz, s.kur);
        m.AyrHesapGir(s.banka, bankaTarafi, tutar * (1 - oran), s.aciklama, s.grup, dvz * (1 - oran), s.doviz, s.kur);
        return;
    }
    if (tip == QLatin1String("V")) {
        m.AyrHesapGir(s.banka, bankaTarafi, tutar, s.aciklama, s.grup, dvz, s.doviz, s.kur);
        if (!karsi.isEmpty())
            m.AyrHesapGir(karsi, karsiTarafi, tutar, s.aciklama, s.grup, dvz, s.doviz, s.kur);
        return;
    }
    if (!s.kusurat)
        m.AyrHesapGir(s.banka, bankaTarafi, tutar, s.aciklama, s.grup, dvz, s.doviz, s.kur);
    m.AyrHesapGir(karsi, karsiTarafi, tutar, s.aciklama, s.grup, dvz, s.doviz, s.kur);
}

} // namespace

QString tipAdi(const QString& tip)
{
    static const QHash<QString, QString> adlar{
        {QStringLiteral("I"), QStringLiteral("Banka İşlemleri")},  {QStringLiteral("V"), QStringLiteral("Banka Virman")},
        {QStringLiteral("G"), QStringLiteral("Gelen Havaleler")},  {QStringLiteral("H"), QStringLiteral("Gönderilen Havaleler")},
        {QStringLiteral("A"), QStringLiteral("Açılış")},           {QStringLiteral("T"), QStringLiteral("Teminat Çekleri")},
        {QStringLiteral("E"), QStringLiteral("Teminat Senetleri")}, {QStringLiteral("K"), QStringLiteral("Kredi Kartı İşlemleri")},
        {QStringLiteral("R"), QStringLiteral("Kredi Kartı Transferi")}};
    return adlar.value(tip);
}

void muhasebelestir(TDMuh& m, bool)
{
    const auto baslik = m.db().records(QStringLiteral("SELECT TARIH, TIP FROM BANKHRK WHERE HRK_NO = :n"),
                                       {{QStringLiteral("n"), m.belgeNo}});
    if (baslik.isEmpty()) {
        m.reddet(QStringLiteral("Banka hareketi bulunamadı: ") + TDMuh::numaraMetni(m.belgeNo));
        return;
    }
    const QString tip = metin(baslik.first(), "TIP");
    HesapKaynaklari k(m);
    const QList<Satir> rows = satirlar(m, k);
    const bool cariTipi = tip == QLatin1String("G") || tip == QLatin1String("H") || tip == QLatin1String("K");
    if (cariTipi) {
        const QStringList hatalar = kodKontrolu(m, k, rows);
        if (!hatalar.isEmpty()) {
            m.reddet(hatalar.join(QLatin1Char('\n')));
            return;
        }
    }
    m.eksikKodMetni = QStringLiteral("Eksik Muhasebe Kodları Var/Detay Mevcut Değil. Öncelikle Kodları Kartlardan "
                                     "Tanımlayın. Aksi Takdirde Muhasabe Fişi Oluşturulamaz.");
    Fis& f = m.fisAc(toDate(baslik.first().value(QStringLiteral("TARIH"))), QStringLiteral("M"), QString(),
                     TDMuh::numaraMetni(m.belgeNo) + QStringLiteral(" No.lu Banka Hrk.") + QLatin1Char(' ') + tipAdi(tip));

    for (const Satir& s : rows) {
        const QString doviz = s.doviz.isEmpty() ? m.yerelDoviz() : s.doviz;
        if (cariTipi && !s.cari.isEmpty()) {
            // Money in (a transfer received, a card collection) credits the customer; money
            // out debits the supplier.
            if (s.borc > 0) {
                m.AyrHesapGir(s.banka, kBorc, s.borc, s.aciklama, s.grup, s.borcDvz, s.doviz, s.kur);
                m.AyrHesapGir(k.cari(s.cari, doviz), kAlacak, s.borc, s.aciklama, s.grup, s.borcDvz, s.doviz, s.kur);
            }
            if (s.alacak > 0) {
                m.AyrHesapGir(s.banka, kAlacak, s.alacak, s.aciklama, s.grup, s.alacakDvz, s.doviz, s.kur);
                m.AyrHesapGir(k.cari(s.cari, doviz, true), kBorc, s.alacak, s.aciklama, s.grup, s.alacakDvz, s.doviz, s.kur);
            }
            continue;
        }
        if (!s.kasa.isEmpty()) {
            // Cash taken from the bank is a collection into the desk, cash paid in a payment.
            const QString kasa = k.kasa(s.kasa);
            if (s.alacak > 0) {
                m.AyrHesapGir(kasa, kBorc, s.alacak, s.aciklama, s.grup);
                m.AyrHesapGir(s.banka, kAlacak, s.alacak, s.aciklama, s.grup, s.alacakDvz, s.doviz, s.kur);
                f.TUR = QStringLiteral("C");
            }
            if (s.borc > 0) {
                m.AyrHesapGir(kasa, kAlacak, s.borc, s.aciklama, s.grup);
                m.AyrHesapGir(s.banka, kBorc, s.borc, s.aciklama, s.grup, s.borcDvz, s.doviz, s.kur);
                f.TUR = QStringLiteral("E");
            }
            continue;
        }
        // Transfers and every other row: the bank against the row's counter account (or the
        // account's code when a row of another type names one).
        const QString karsiAlacak = !s.karsi.isEmpty() ? s.karsi : k.cari(s.cari, doviz, true);
        const QString karsiBorc = !s.karsi.isEmpty() ? s.karsi : k.cari(s.cari, doviz);
        yanKaydi(m, tip, s, true, karsiAlacak);
        yanKaydi(m, tip, s, false, karsiBorc);
    }
    m.FisiSakla(QStringLiteral("BANKHRK"), QStringLiteral("HRK_NO"));
}

BelgeTuru tanim()
{
    BelgeTuru t;
    t.tur = QLatin1Char('B');
    t.ad = QStringLiteral("Banka Hareketleri");
    t.tablo = QStringLiteral("BANKHRK");
    t.anahtar = QStringLiteral("HRK_NO");
    // Openings go with the ledger's opening voucher.
    t.bekleyenSql = QStringLiteral("SELECT H.HRK_NO AS NO, H.TARIH, (SELECT MIN(A.ACIKLAMA) FROM BANKHRKA A WHERE "
                                   "A.HRK_NO = H.HRK_NO) AS ACIKLAMA FROM BANKHRK H WHERE H.FIS_NO IS NULL "
                                   "AND H.TARIH >= :bas AND H.TARIH < :son AND H.TIP <> 'A'");
    t.rutin = &muhasebelestir;
    return t;
}

} // namespace nimbo::BankaHareketMuhasebesi
