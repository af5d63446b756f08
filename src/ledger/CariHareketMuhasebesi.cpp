#include "ledger/CariHareketMuhasebesi.h"

#include <QSqlRecord>

namespace nimbo::CariHareketMuhasebesi {

namespace {

struct Satir {
    int sira = 0;
    QString cariKod, firmaAdi, aciklama, grup, doviz, kasaMuh;
    QString muhKod, muhKod2, muhKarsi, muhDiger;
    double borc = 0, alacak = 0, borcDvz = 0, alacakDvz = 0, kur = 0;
};

QString metin(const QSqlRecord& r, const char* c) { return toText(r.value(QString::fromLatin1(c))).trimmed(); }

QList<Satir> satirlar(TDMuh& m)
{
    QList<Satir> out;
    const auto rows = m.db().records(
        QStringLiteral("SELECT H.SIRANO, H.CARI_KOD, H.ACIKLAMA, H.BORC, H.ALACAK, H.BORC_DVZ, H.ALACAK_DVZ, "
                       "H.DOVIZ_KODU, H.TL_KURDEGER, H.MUH_KARSI, H.MUH_DIGER, C.FIRMA_ADI, C.MUH_KOD, C.MUH_KOD2, "
                       "C.KIRILIMLI, K.MUH_KOD AS KASA_MUH, T.GRUP_KOD FROM CARIHRK H "
                       "LEFT JOIN CARI C ON C.CARI_KOD = H.CARI_KOD LEFT JOIN KASA K ON K.KASAKOD = H.KASAKOD "
                       "LEFT JOIN CARIHRKTIP T ON T.TIP = H.TIP WHERE H.CARI_NO = :n ORDER BY H.SIRANO"),
        {{QStringLiteral("n"), m.belgeNo}});
    for (const QSqlRecord& r : rows) {
        Satir s;
        s.sira = r.value(QStringLiteral("SIRANO")).toInt();
        s.cariKod = metin(r, "CARI_KOD");
        s.firmaAdi = metin(r, "FIRMA_ADI");
        s.aciklama = metin(r, "ACIKLAMA");
        s.grup = metin(r, "GRUP_KOD");
        s.doviz = metin(r, "DOVIZ_KODU");
        if (s.doviz == m.yerelDoviz())
            s.doviz.clear();
        s.kasaMuh = metin(r, "KASA_MUH");
        // The card's codes with the suffix of the row's currency.
        const QString ek = m.MuhKodDondur(metin(r, "KIRILIMLI"), metin(r, "DOVIZ_KODU"));
        s.muhKod = metin(r, "MUH_KOD");
        s.muhKod2 = metin(r, "MUH_KOD2");
        if (!s.muhKod.isEmpty())
            s.muhKod += ek;
        if (!s.muhKod2.isEmpty())
            s.muhKod2 += ek;
        s.muhKarsi = metin(r, "MUH_KARSI");
        s.muhDiger = metin(r, "MUH_DIGER");
        s.borc = r.value(QStringLiteral("BORC")).toDouble();
        s.alacak = r.value(QStringLiteral("ALACAK")).toDouble();
        s.borcDvz = r.value(QStringLiteral("BORC_DVZ")).toDouble();
        s.alacakDvz = r.value(QStringLiteral("ALACAK_DVZ")).toDouble();
        s.kur = r.value(QStringLiteral("TL_KURDEGER")).toDouble();
        out << s;
    }
    return out;
}

} // namespace

QString tipAdi(const QString& tip)
{
    static const QHash<QString, QString> adlar{
        {QStringLiteral("N"), QStringLiteral("Nakit")},        {QStringLiteral("Ç"), QStringLiteral("Çek")},
        {QStringLiteral("E"), QStringLiteral("Senet")},        {QStringLiteral("D"), QStringLiteral("Dekont")},
        {QStringLiteral("I"), QStringLiteral("İlk Açılış")},   {QStringLiteral("V"), QStringLiteral("Virman")},
        {QStringLiteral("G"), QStringLiteral("Gelen Havaleler")}, {QStringLiteral("H"), QStringLiteral("Gönderilen Havaleler")},
        {QStringLiteral("R"), QStringLiteral("Verilen Vade Farkı Fat.")},
        {QStringLiteral("L"), QStringLiteral("Alınan Vade Farkı Fat.")},
        {QStringLiteral("F"), QStringLiteral("Kur-Vade Farkı")}, {QStringLiteral("O"), QStringLiteral("Özel")}};
    return adlar.value(tip);
}

void muhasebelestir(TDMuh& m, bool)
{
    const Db& db = m.db();
    const auto baslik = db.records(QStringLiteral("SELECT TARIH, TIP, KDV FROM CARIHRKM WHERE CARI_NO = :n"),
                                   {{QStringLiteral("n"), m.belgeNo}});
    if (baslik.isEmpty()) {
        m.reddet(QStringLiteral("Cari hareket bulunamadı: ") + TDMuh::numaraMetni(m.belgeNo));
        return;
    }
    const QString tip = toText(baslik.first().value(QStringLiteral("TIP"))).trimmed();
    const double kdv = baslik.first().value(QStringLiteral("KDV")).toDouble();
    const QString no = TDMuh::numaraMetni(m.belgeNo);
    const QString aciklama = no + QStringLiteral(" No.lu Cari Hrk. ") + tipAdi(tip) + QStringLiteral(" Fişi");

    // Maturity-difference invoices need their fixed accounts before anything is written.
    QString vadeFarki, kdvHesabi;
    if (tip == QLatin1String("L") || tip == QLatin1String("R")) {
        const bool alinan = tip == QLatin1String("L");
        vadeFarki = toText(db.scalar(alinan ? QStringLiteral("SELECT MUH_ALVADEFARK FROM PARAMET")
                                            : QStringLiteral("SELECT MUH_VERVADEFARK FROM PARAMET")))
                        .trimmed();
        kdvHesabi = toText(db.scalar(alinan ? QStringLiteral("SELECT INDIR_KDV_KOD FROM PARAMETRE")
                                            : QStringLiteral("SELECT HSP_KDV_KOD FROM PARAMETRE")))
                        .trimmed();
        if (vadeFarki.isEmpty() || kdvHesabi.isEmpty()) {
            m.reddet(TDMuh::eksikKodMesaji());
            return;
        }
    }

    const QList<Satir> rows = satirlar(m);
    Fis& f = m.fisAc(toDate(baslik.first().value(QStringLiteral("TARIH"))), QStringLiteral("M"), QString(), aciklama);
    const auto satirAciklamasi = [&](const Satir& s) {
        return !s.aciklama.isEmpty() ? s.aciklama
                                     : aciklama + QStringLiteral("Satır No:") + QString::number(s.sira) + QLatin1Char(' ')
                                           + s.firmaAdi + QLatin1Char(',') + s.cariKod + QStringLiteral(" Cari Kodlu Hesapın ");
    };

    if (tip == QLatin1String("N")) {
        // The desks first, one line per desk account and group code and side.
        QList<QPair<QString, QString>> anahtarlar;
        QHash<QPair<QString, QString>, QPair<double, double>> kasalar;
        for (const Satir& s : rows) {
            const auto k = qMakePair(s.kasaMuh, s.grup);
            if (!kasalar.contains(k))
                anahtarlar << k;
            kasalar[k].first += s.alacak;
            kasalar[k].second += s.borc;
        }
        for (const auto& k : anahtarlar) {
            m.AyrHesapGir(k.first, QStringLiteral("B"), kasalar[k].first, aciklama, k.second);
            m.AyrHesapGir(k.first, QStringLiteral("A"), kasalar[k].second, aciklama, k.second);
        }
        for (const Satir& s : rows) {
            if (s.alacak > 0) {
                m.AyrHesapGir(s.muhKod, QStringLiteral("A"), s.alacak, satirAciklamasi(s), s.grup, s.alacakDvz, s.doviz, s.kur);
                f.TUR = QStringLiteral("C");
                f.ACIKLAMA = no + QStringLiteral(" No.lu Cari Hrk.Fişi Nakit Tahsilat");
            }
            if (s.borc > 0) {
                m.AyrHesapGir(s.muhKod2, QStringLiteral("B"), s.borc, satirAciklamasi(s), s.grup, s.borcDvz, s.doviz, s.kur);
                f.TUR = QStringLiteral("E");
                f.ACIKLAMA = no + QStringLiteral(" No.lu Cari Hrk.Fişi Nakit Ödeme");
            }
        }
    } else {
        for (const Satir& s : rows) {
            const QString nar = satirAciklamasi(s);
            if (s.alacak > 0) {
                m.AyrHesapGir(s.muhKarsi.isEmpty() ? s.muhKod : s.muhKarsi, QStringLiteral("A"), s.alacak, nar, s.grup,
                              s.alacakDvz, s.doviz, s.kur);
                if (!s.muhDiger.isEmpty())
                    m.AyrHesapGir(s.muhDiger, QStringLiteral("B"), s.alacak, s.aciklama, s.grup);
                if (tip == QLatin1String("L")) {
                    m.AyrHesapGir(vadeFarki, QStringLiteral("B"), s.alacak * 100 / (kdv + 100), nar, s.grup);
                    if (kdv > 0)
                        m.AyrHesapGir(kdvHesabi, QStringLiteral("B"), s.alacak * kdv / (kdv + 100), nar, s.grup);
                }
            }
            if (s.borc > 0) {
                m.AyrHesapGir(s.muhKarsi.isEmpty() ? s.muhKod2 : s.muhKarsi, QStringLiteral("B"), s.borc, nar, s.grup,
                              s.borcDvz, s.doviz, s.kur);
                if (tip == QLatin1String("R")) {
                    m.AyrHesapGir(vadeFarki, QStringLiteral("A"), s.borc * 100 / (kdv + 100), nar, s.grup);
                    if (kdv > 0)
                        m.AyrHesapGir(kdvHesabi, QStringLiteral("A"), s.borc * kdv / (kdv + 100), nar, s.grup);
                }
            }
        }
    }
    m.FisiSakla(QStringLiteral("CARIHRKM"), QStringLiteral("CARI_NO"));
}

BelgeTuru tanim()
{
    BelgeTuru t;
    t.tur = QLatin1Char('C');
    t.ad = QStringLiteral("Cari Hareketler");
    t.tablo = QStringLiteral("CARIHRKM");
    t.anahtar = QStringLiteral("CARI_NO");
    // Openings and special movements are not posted from here.
    t.bekleyenSql = QStringLiteral("SELECT CARI_NO AS NO, TARIH, ACIKLAMA FROM CARIHRKM WHERE FIS_NO IS NULL "
                                   "AND TARIH >= :bas AND TARIH < :son AND TIP NOT IN ('I', 'O')");
    t.rutin = &muhasebelestir;
    return t;
}

} // namespace nimbo::CariHareketMuhasebesi
