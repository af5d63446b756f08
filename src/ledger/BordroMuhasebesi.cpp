#include "ledger/BordroMuhasebesi.h"
#include "db/ServerObjects.h"
#include "ledger/HesapKaynaklari.h"

#include <QSqlRecord>

namespace nimbo::BordroMuhasebesi {

namespace {

// Accounts a rule names:
//   CARI       the bordereau's current account (MUH_KOD with the currency suffix)
//   PORTFOY    the portfolio account of a paper in hand; PORTFOY_P the protested-note
//              account instead when the note is protested
//   SATIR      the paper's own MUH_KOD on the bordereau row
//   KASA       the row's cash desk
//   P:col      a fixed account of PARAMET
//   B:col      an account of the bank account
//   TAHSIL:col the bank's current account for trade and foreign-currency accounts
//              (HESAR_TURU 1, 3), col for credit accounts (2, 4)
//   BANKADA:c1|c2  the bank's account for papers given for collection (c1) or as
//              guarantee (c2), by the bordereau that took the paper to the bank
struct Kural {
    const char* borc;
    const char* alacak;
    const char* masrafBorc = nullptr;
    const char* masrafAlacak = nullptr;
    const char* aciklama = nullptr; // the line narration after the number
    const char* tur = nullptr;      // the voucher's type when not "M"
};

const Kural* kural(const QString& bTur, const QString& isTur)
{
    static const QHash<QString, Kural> kurallar{
        {QStringLiteral("0"), {"PORTFOY", "CARI"}},
        {QStringLiteral("6"), {"PORTFOY", "CARI"}},
        {QStringLiteral("1"), {"CARI", "PORTFOY"}},
        {QStringLiteral("7"), {"CARI", "PORTFOY"}},
        {QStringLiteral("2"), {"B:MUH_TAKCEK", "SATIR"}},
        {QStringLiteral("3"), {"B:MUH_TEMCEK", "SATIR"}},
        {QStringLiteral("8"), {"B:MUH_TAHSEN", "SATIR"}},
        {QStringLiteral("9"), {"B:MUH_TEMSEN", "SATIR"}},
        // Customer cheques.
        {QStringLiteral("4/0"), {"CARI", "PORTFOY", "CARI", "P:MUH_PROVIZMAS", "Müşteriye İade Edilen Çekler"}},
        {QStringLiteral("4/1"), {"KASA", "SATIR", nullptr, nullptr, "Portföyden Tahsil Edilen Çekler", "C"}},
        {QStringLiteral("4/2"), {"TAHSIL:MUH_CEKREDI", "SATIR", nullptr, nullptr, "Bankada Tahsil Edilen Çekler"}},
        {QStringLiteral("4/3"), {"SATIR", "BANKADA:MUH_TAKCEK|MUH_TEMCEK", nullptr, nullptr, "Bankada Karşılıksız Çekler"}},
        {QStringLiteral("4/4"), {"SATIR", "P:MUH_ELCEK", nullptr, nullptr, "Portföyde Karşılıksız Çekler"}},
        {QStringLiteral("4/5"), {"SATIR", "CARI", "P:MUH_PROVIZMAS", "CARI", "Müşteriden Karşılıksız İade Çekler"}},
        {QStringLiteral("4/6"), {"SATIR", "BANKADA:MUH_TAKCEK|MUH_TEMCEK", nullptr, nullptr, "Bankada Portföye İade Çekler"}},
        {QStringLiteral("4/7"), {"SATIR", "CARI", "P:MUH_PROVIZMAS", "CARI", "Müşteriden Portföye İade Çekler"}},
        // Customer notes.
        {QStringLiteral("L/0"), {"CARI", "PORTFOY_P", "CARI", "P:MUH_PROTESMAS", "Müşteriye İade Senetler"}},
        {QStringLiteral("L/1"), {"KASA", "SATIR", nullptr, nullptr, "Portföyden Tahsil Edilen Senetler", "C"}},
        {QStringLiteral("L/2"), {"TAHSIL:MUH_SENKRED", "SATIR", nullptr, nullptr, "Bankada Tahsil Edilen Senetler"}},
        {QStringLiteral("L/3"),
         {"P:MUH_PROTES_SENET", "BANKADA:MUH_TAHSEN|MUH_TEMSEN", nullptr, nullptr, "Bankada Protestolu Senetler"}},
        {QStringLiteral("L/4"), {"P:MUH_PROSEN", "SATIR", nullptr, nullptr, "Portföyde Protestolu Senetler"}},
        {QStringLiteral("L/5"), {"SATIR", "CARI", "P:MUH_PROTESMAS", "CARI", "Müşteriden Protestolu İade Senetler"}},
        {QStringLiteral("L/6"), {"SATIR", "BANKADA:MUH_TAHSEN|MUH_TEMSEN", nullptr, nullptr, "Bankada Portföye İade Senetler"}},
        {QStringLiteral("L/7"), {"SATIR", "CARI", "P:MUH_PROTESMAS", "CARI", "Müşteriden Portföye İade Senetler"}},
        // Our own cheques: settled through the bank, or returned to us.
        {QStringLiteral("5/2"), {"SATIR", "B:MUH_KESCEK"}},
        {QStringLiteral("5"), {"SATIR", "CARI", "P:MUH_PROVIZMAS", "CARI", "Müşteriden İade Edilen Çeklerimiz"}},
        // Our own notes: paid from the desk, or returned to us.
        {QStringLiteral("R/1"), {"SATIR", "KASA", nullptr, nullptr, nullptr, "E"}},
        {QStringLiteral("R"), {"SATIR", "CARI", "P:MUH_PROTESMAS", "CARI"}},
    };
    auto it = kurallar.constFind(bTur + QLatin1Char('/') + isTur);
    if (it == kurallar.constEnd())
        it = kurallar.constFind(bTur);
    return it == kurallar.constEnd() ? nullptr : &it.value();
}

QString metin(const QSqlRecord& r, const char* c) { return toText(r.value(QString::fromLatin1(c))).trimmed(); }

struct Baslik {
    QString bTur, isTur, cari, hspNo;
    QDate tarih;
};

class Cozucu {
public:
    Cozucu(TDMuh& m, const Baslik& b) : m_m(m), m_b(b), m_k(m) {}

    QString hesap(const QString& ad, const QSqlRecord& r)
    {
        const QString doviz = metin(r, "DOVIZ_KOD").isEmpty() ? m_m.yerelDoviz() : metin(r, "DOVIZ_KOD");
        if (ad == QLatin1String("CARI"))
            return m_k.cari(m_b.cari, doviz);
        if (ad == QLatin1String("SATIR"))
            return metin(r, "MUH_KOD");
        if (ad == QLatin1String("KASA"))
            return m_k.kasa(metin(r, "KASAKOD"));
        if (ad.startsWith(QLatin1String("PORTFOY"))) {
            if (ad == QLatin1String("PORTFOY_P")
                && ServerObjects::CekSenetProtesto(m_m.db(), r.value(QStringLiteral("PORTFOYNO")).toDouble())
                       == QLatin1String("E"))
                return m_k.sabit(QStringLiteral("MUH_PROSEN"));
            return ServerObjects::EldekiMuhDondur(m_m.db(), doviz, kagitTipi(r), sahibi(r),
                                                  toDate(r.value(QStringLiteral("VADETARIH"))), m_b.tarih);
        }
        const QString kolon = ad.section(QLatin1Char(':'), 1);
        if (ad.startsWith(QLatin1String("P:")))
            return m_k.sabit(kolon);
        if (ad.startsWith(QLatin1String("B:")))
            return banka(r, kolon);
        if (ad.startsWith(QLatin1String("TAHSIL:"))) {
            const QString tur = banka(r, QStringLiteral("HESAR_TURU"));
            return banka(r, tur == QLatin1String("2") || tur == QLatin1String("4") ? kolon : QStringLiteral("MUH_CHES"));
        }
        if (ad.startsWith(QLatin1String("BANKADA:")))
            return banka(r, teminatta(r) ? kolon.section(QLatin1Char('|'), 1) : kolon.section(QLatin1Char('|'), 0, 0));
        return {};
    }

private:
    // The row's bank account, else the bordereau's (its account code names the bank).
    QString banka(const QSqlRecord& r, const QString& kolon)
    {
        const QString b = metin(r, "BANK_KOD");
        return b.isEmpty() ? m_k.banka(m_b.cari, m_b.hspNo, kolon) : m_k.banka(b, metin(r, "HESAP_NO"), kolon);
    }
    // Whether the bordereau that last took the paper to a bank gave it as guarantee.
    bool teminatta(const QSqlRecord& r)
    {
        const auto rows = m_m.db().records(
            m_m.db().dialect().limit(QStringLiteral("SELECT B_TUR FROM CSBORAYR WHERE PORTFOYNO = :p AND BORDRONO < :b "
                                                    "AND B_TUR IN ('2', '3', '8', '9') ORDER BY BORDRONO DESC"),
                                     1),
            {{QStringLiteral("p"), r.value(QStringLiteral("PORTFOYNO"))}, {QStringLiteral("b"), m_m.belgeNo}});
        const QString t = rows.isEmpty() ? QString() : metin(rows.first(), "B_TUR");
        return t == QLatin1String("3") || t == QLatin1String("9");
    }
    QString kagitTipi(const QSqlRecord& r) const
    {
        const QString t = metin(r, "CS_TIP");
        if (!t.isEmpty())
            return t;
        return QStringLiteral("0123459").contains(m_b.bTur) ? QStringLiteral("Ç") : QStringLiteral("E");
    }
    QString sahibi(const QSqlRecord& r) const
    {
        const QString s = metin(r, "SAHIP");
        if (!s.isEmpty())
            return s;
        return m_b.bTur == QLatin1String("5") || m_b.bTur == QLatin1String("R") ? QStringLiteral("F") : QStringLiteral("M");
    }

    TDMuh& m_m;
    const Baslik& m_b;
    HesapKaynaklari m_k;
};

} // namespace

QString turAdi(const QString& bTur)
{
    static const QHash<QString, QString> adlar{
        {QStringLiteral("0"), QStringLiteral("Çek Girişi")},
        {QStringLiteral("1"), QStringLiteral("Cari Hesaba Çek Çıkışı")},
        {QStringLiteral("2"), QStringLiteral("Çek Çıkışı (Banka Tahsil)")},
        {QStringLiteral("3"), QStringLiteral("Çek Çıkışı (Banka Teminat)")},
        {QStringLiteral("4"), QStringLiteral("Müşteri Çek İşlemleri")},
        {QStringLiteral("5"), QStringLiteral("Firamamızın Çek İşlemleri")},
        {QStringLiteral("6"), QStringLiteral("Senet Girişi")},
        {QStringLiteral("7"), QStringLiteral("Cari Hesaba Senet Çıkışı")},
        {QStringLiteral("8"), QStringLiteral("Senet Çıkışı (Banka Tahsil)")},
        {QStringLiteral("9"), QStringLiteral("Senet Çıkışı (Banka Teminat)")},
        {QStringLiteral("L"), QStringLiteral("Müşteri Senet İşlemleri")},
        {QStringLiteral("R"), QStringLiteral("Firmamızın Borç Senetleri İşlemleri")}};
    return adlar.value(bTur);
}

void muhasebelestir(TDMuh& m, bool)
{
    const auto bas = m.db().records(
        QStringLiteral("SELECT B_TUR, IS_TUR, B_CARIKOD, B_HSPNO, BORDROTRH FROM CSBORDRO WHERE BORDRONO = :n"),
        {{QStringLiteral("n"), m.belgeNo}});
    if (bas.isEmpty()) {
        m.reddet(QStringLiteral("Bordro bulunamadı: ") + TDMuh::numaraMetni(m.belgeNo));
        return;
    }
    const Baslik b{metin(bas.first(), "B_TUR"), metin(bas.first(), "IS_TUR"), metin(bas.first(), "B_CARIKOD"),
                   metin(bas.first(), "B_HSPNO"), toDate(bas.first().value(QStringLiteral("BORDROTRH")))};
    const QString no = TDMuh::numaraMetni(m.belgeNo);
    const QString aciklama = no + QStringLiteral(" No.lu Ç/S Bordro Hrk.") + turAdi(b.bTur);
    Fis& f = m.fisAc(b.tarih, QStringLiteral("M"), QString(), aciklama);
    Cozucu c(m, b);
    for (const QSqlRecord& r : m.db().records(QStringLiteral("SELECT * FROM CSBORAYR WHERE BORDRONO = :n ORDER BY PORTFOYNO"),
                                              {{QStringLiteral("n"), m.belgeNo}})) {
        const QString isTur = metin(r, "IS_TUR").isEmpty() ? b.isTur : metin(r, "IS_TUR");
        const Kural* k = kural(b.bTur, isTur);
        if (!k) {
            m.reddet(QStringLiteral("Bu bordro türü muhasebeleştirilemez: ") + b.bTur);
            return;
        }
        const QString nar = k->aciklama ? no + QStringLiteral(" No.lu Ç/S Bordro Hrk.") + QString::fromUtf8(k->aciklama)
                                        : aciklama;
        const double tutar = r.value(QStringLiteral("TUTAR")).toDouble();
        const double dvz = r.value(QStringLiteral("TUTAR_DOVIZ")).toDouble();
        QString doviz = metin(r, "DOVIZ_KOD");
        if (doviz == m.yerelDoviz())
            doviz.clear();
        const double kur = dvz != 0 ? tutar / dvz : 0;
        m.AyrHesapGir(c.hesap(QString::fromLatin1(k->borc), r), QStringLiteral("B"), tutar, nar, {}, dvz, doviz, kur);
        m.AyrHesapGir(c.hesap(QString::fromLatin1(k->alacak), r), QStringLiteral("A"), tutar, nar, {}, dvz, doviz, kur);
        const double masraf = r.value(QStringLiteral("MASRAF")).toDouble();
        if (k->masrafBorc && masraf > 0) {
            m.AyrHesapGir(c.hesap(QString::fromLatin1(k->masrafBorc), r), QStringLiteral("B"), masraf, nar);
            m.AyrHesapGir(c.hesap(QString::fromLatin1(k->masrafAlacak), r), QStringLiteral("A"), masraf, nar);
        }
        if (k->tur)
            f.TUR = QString::fromLatin1(k->tur);
    }
    m.FisiSakla(QStringLiteral("CSBORDRO"), QStringLiteral("BORDRONO"));
}

BelgeTuru tanim()
{
    BelgeTuru t;
    t.tur = QLatin1Char('E');
    t.ad = QStringLiteral("Çek/Senet Bordroları");
    t.tablo = QStringLiteral("CSBORDRO");
    t.anahtar = QStringLiteral("BORDRONO");
    // Carry-over papers go with the ledger's opening voucher.
    t.bekleyenSql = QStringLiteral("SELECT BORDRONO AS NO, BORDROTRH AS TARIH, ACIKLAMA FROM CSBORDRO WHERE FIS_NO IS NULL "
                                   "AND BORDROTRH >= :bas AND BORDROTRH < :son AND B_TUR <> 'D'");
    t.rutin = &muhasebelestir;
    return t;
}

} // namespace nimbo::BordroMuhasebesi
