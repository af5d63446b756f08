#include "ledger/GenelFisMuhasebesi.h"
#include "ledger/HesapKaynaklari.h"

#include <QSqlRecord>

namespace nimbo::GenelFisMuhasebesi {

namespace {

QString metin(const QSqlRecord& r, const char* c) { return toText(r.value(QString::fromLatin1(c))).trimmed(); }
double sayi(const QSqlRecord& r, const char* c) { return r.value(QString::fromLatin1(c)).toDouble(); }

// An expense card's or an item's account column.
QString kartHesabi(const Db& db, const QSqlRecord& r, const QString& kolon)
{
    const bool stok = metin(r, "TIP") == QLatin1String("S");
    return toText(db.scalar(stok ? QStringLiteral("SELECT %1 FROM STOKMUH WHERE STOK_NO = :k").arg(kolon)
                                 : QStringLiteral("SELECT %1 FROM MASRAF WHERE KODU = :k").arg(kolon),
                            {{QStringLiteral("k"), stok ? r.value(QStringLiteral("STOK_NO")) : QVariant(metin(r, "KODU"))}}))
        .trimmed();
}

} // namespace

QString tipAdi(const QString& tip)
{
    static const QHash<QString, QString> adlar{{QStringLiteral("M"), QStringLiteral("Tediye")},
                                               {QStringLiteral("N"), QStringLiteral("Tahsil")},
                                               {QStringLiteral("V"), QStringLiteral("Virman")},
                                               {QStringLiteral("F"), QStringLiteral("Mahsup")}};
    return adlar.value(tip);
}

void muhasebelestir(TDMuh& m, bool)
{
    const Db& db = m.db();
    const auto bas = db.records(QStringLiteral("SELECT TARIH, TIP, BELGE_NO FROM FISG WHERE HRK_NO = :n"),
                                {{QStringLiteral("n"), m.belgeNo}});
    if (bas.isEmpty()) {
        m.reddet(QStringLiteral("Fiş bulunamadı: ") + TDMuh::numaraMetni(m.belgeNo));
        return;
    }
    // The voucher the slip points to must be its own; another document's stays as it is.
    if (m.mevcutFisNo > 0) {
        const auto f = db.records(QStringLiteral("SELECT ENT_TIP, ENT_REF_NO FROM FIS WHERE FISNO = :f"),
                                  {{QStringLiteral("f"), m.mevcutFisNo}});
        if (!f.isEmpty() && (metin(f.first(), "ENT_TIP") != QLatin1String("X") || sayi(f.first(), "ENT_REF_NO") != m.belgeNo)) {
            m.reddet(QStringLiteral("İlgili Muhasebe Fişi üzerinde değişiklik yapılamaz!"));
            return;
        }
    }
    const QString tip = metin(bas.first(), "TIP");
    static const QHash<QString, QString> turler{{QStringLiteral("M"), QStringLiteral("E")},
                                                {QStringLiteral("N"), QStringLiteral("C")}};
    m.fisAc(toDate(bas.first().value(QStringLiteral("TARIH"))), turler.value(tip, QStringLiteral("M")),
            metin(bas.first(), "BELGE_NO"),
            TDMuh::numaraMetni(m.belgeNo) + QStringLiteral(" No.lu Kasa ") + tipAdi(tip) + QStringLiteral(" Fişi"));

    HesapKaynaklari k(m);
    const QString indirilecek = toText(db.scalar(QStringLiteral("SELECT INDIR_KDV_KOD FROM PARAMETRE"))).trimmed();
    const QString hesaplanan = toText(db.scalar(QStringLiteral("SELECT HSP_KDV_KOD FROM PARAMETRE"))).trimmed();
    for (const QSqlRecord& r : db.records(QStringLiteral("SELECT * FROM FISGA WHERE HRK_NO = :n ORDER BY SIRANO"),
                                          {{QStringLiteral("n"), m.belgeNo}})) {
        const QString satirTip = metin(r, "TIP");
        const QString karsi = metin(r, "MUH_KARSI");
        const QString nar = metin(r, "ACIKLAMA1") + QLatin1Char(' ') + metin(r, "ACIKLAMA2");
        const double kdv = sayi(r, "KDV_TUT");
        QString doviz = metin(r, "DOVIZ_KODU");
        if (doviz == m.yerelDoviz())
            doviz.clear();
        const double kur = sayi(r, "TL_KURDEGER");
        for (const bool borc : {true, false}) {
            const double tutar = sayi(r, borc ? "BORC" : "ALACAK");
            if (tutar <= 0)
                continue;
            const QString taraf = borc ? QStringLiteral("B") : QStringLiteral("A");
            const double dvz = sayi(r, borc ? "BORC_DVZ" : "ALACAK_DVZ");
            if (satirTip == QLatin1String("K")) {
                m.AyrHesapGir(karsi.isEmpty() ? k.kasa(metin(r, "KODU")) : karsi, taraf, tutar, nar, {}, dvz, doviz, kur);
            } else if (satirTip == QLatin1String("C")) {
                const QString cari = k.cari(metin(r, "KODU"), doviz.isEmpty() ? m.yerelDoviz() : doviz,
                                            tip == QLatin1String("M"));
                m.AyrHesapGir(karsi.isEmpty() ? cari : karsi, taraf, tutar, nar, {}, dvz, doviz, kur);
            } else if (satirTip == QLatin1String("B")) {
                const QString banka = karsi.isEmpty() ? k.banka(metin(r, "KODU"), metin(r, "HESAP_NO"), QStringLiteral("MUH_CHES"))
                                                      : karsi;
                const QString ek = borc ? QStringLiteral(" Alış") : QStringLiteral(" Satış");
                m.AyrHesapGir(banka, taraf, tutar - kdv, nar + ek, {}, dvz, doviz, kur);
                if (kdv > 0)
                    m.AyrHesapGir(borc ? indirilecek : hesaplanan, taraf, kdv, nar + ek + QStringLiteral(" KDV"));
            } else if (satirTip == QLatin1String("M") || satirTip == QLatin1String("G") || satirTip == QLatin1String("S")) {
                // An expense with withholding posts the work's whole value; the withheld tax
                // goes to the row's own account on the other side.
                const bool tevkifat = satirTip == QLatin1String("G");
                const double brut = tevkifat ? sayi(r, "ISIN_TUTARI") : tutar;
                const QString hesap = tevkifat || karsi.isEmpty()
                                          ? kartHesabi(db, r, borc ? QStringLiteral("MUH_A") : QStringLiteral("MUH_S"))
                                          : karsi;
                m.AyrHesapGir(hesap, taraf, brut - kdv, nar);
                if (kdv > 0)
                    m.AyrHesapGir(kartHesabi(db, r, borc ? QStringLiteral("MUH_KDV_A") : QStringLiteral("MUH_KDV_S")),
                                  taraf, kdv, nar);
                if (tevkifat)
                    m.AyrHesapGir(karsi, borc ? QStringLiteral("A") : QStringLiteral("B"), sayi(r, "VERGI_TUTARI"), nar);
            } else {
                m.reddet(QStringLiteral("Fiş satırının türü tanımsız: ") + satirTip);
                return;
            }
        }
    }
    m.FisiSakla(QStringLiteral("FISG"), QStringLiteral("HRK_NO"));
}

BelgeTuru tanim()
{
    BelgeTuru t;
    t.tur = QLatin1Char('X');
    t.ad = QStringLiteral("Tahsil/Tediye Fişleri");
    t.tablo = QStringLiteral("FISG");
    t.anahtar = QStringLiteral("HRK_NO");
    t.bekleyenSql = QStringLiteral("SELECT HRK_NO AS NO, TARIH, ACIKLAMA FROM FISG WHERE FIS_NO IS NULL AND TARIH >= :bas "
                                   "AND TARIH < :son");
    t.rutin = &muhasebelestir;
    return t;
}

} // namespace nimbo::GenelFisMuhasebesi
