#include "ledger/TicariFatura.h"
#include "ledger/TDMuh.h"

#include <algorithm>
#include <iterator>

namespace nimbo {

namespace {

const char* const kKodlar[] = {"MUH_A",     "MUH_S",          "MUH_ISK_A",      "MUH_ISK_S", "MUH_IADE_A",
                               "MUH_IADE_S", "MUH_KDV_A",      "MUH_KDV_S",      "MUH_KDV_IADE_S",
                               "MUH_KDV_IADE_A", "MUH_OTV_A",  "MUH_MAL_S",      "MUH_MAL_A"};

QString kodKolonlari()
{
    QStringList c;
    for (const char* k : kKodlar)
        c << QStringLiteral("M.") + QLatin1String(k);
    return c.join(QStringLiteral(", "));
}

// The columns of a line table that topla reads (and any of its own named like a card code,
// which would come first as with L.*): a narrow row is read much faster than the whole line.
QString satirKolonlari(const Db& db, const QString& tablo)
{
    static const QStringList okunan{QStringLiteral("STOK_NO"),   QStringLiteral("STOK_KOD_NO"), QStringLiteral("KODU"),
                                    QStringLiteral("GER_TUT"),   QStringLiteral("KDV"),         QStringLiteral("OTV_VARMI"),
                                    QStringLiteral("OTV"),       QStringLiteral("ISK_TUT"),     QStringLiteral("IADE_REFNO"),
                                    QStringLiteral("IADE_SIRA"), QStringLiteral("MIKTAR")};
    QStringList c;
    for (const QString& k : db.columns(tablo))
        if (okunan.contains(k) || std::find_if(std::begin(kKodlar), std::end(kKodlar), [&](const char* kod) {
                                      return k == QLatin1String(kod);
                                  }) != std::end(kKodlar))
            c << QStringLiteral("L.") + k;
    return c.isEmpty() ? QStringLiteral("L.*") : c.join(QStringLiteral(", "));
}

QString metinOf(const QSqlRecord& r, const QString& kolon)
{
    const int i = r.indexOf(kolon);
    return i < 0 ? QString() : toText(r.value(i)).trimmed();
}

double sayiOf(const QSqlRecord& r, const QString& kolon)
{
    const int i = r.indexOf(kolon);
    return i < 0 ? 0 : r.value(i).toDouble();
}

// Where the columns topla reads sit in the rows of one line query (-1: not there): looked
// up once per query, not once per value.
struct Kolonlar {
    int stokNo, stokKod, kodu, gerTut, kdv, otvVarmi, otv, iskTut, iadeRefNo, iadeSira, miktar;
    int kodlar[std::size(kKodlar)];

    explicit Kolonlar(const QSqlRecord& r)
        : stokNo(r.indexOf(QStringLiteral("STOK_NO"))), stokKod(r.indexOf(QStringLiteral("STOK_KOD_NO"))),
          kodu(r.indexOf(QStringLiteral("KODU"))), gerTut(r.indexOf(QStringLiteral("GER_TUT"))),
          kdv(r.indexOf(QStringLiteral("KDV"))), otvVarmi(r.indexOf(QStringLiteral("OTV_VARMI"))),
          otv(r.indexOf(QStringLiteral("OTV"))), iskTut(r.indexOf(QStringLiteral("ISK_TUT"))),
          iadeRefNo(r.indexOf(QStringLiteral("IADE_REFNO"))), iadeSira(r.indexOf(QStringLiteral("IADE_SIRA"))),
          miktar(r.indexOf(QStringLiteral("MIKTAR")))
    {
        for (size_t i = 0; i < std::size(kKodlar); ++i)
            kodlar[i] = r.indexOf(QString::fromLatin1(kKodlar[i]));
    }
};

QString metinAt(const QSqlRecord& r, int i) { return i < 0 ? QString() : toText(r.value(i)).trimmed(); }
double sayiAt(const QSqlRecord& r, int i) { return i < 0 ? 0 : r.value(i).toDouble(); }

// Adds the rows of one line table to the units, one unit per key (item number or code),
// in the order each key first appears.
void topla(QList<TicariKalem>& out, TicariKalem::Tur tur, const QVector<QSqlRecord>& rows, bool otvli)
{
    if (rows.isEmpty())
        return;
    const Kolonlar c(rows.first());
    const bool stok = tur == TicariKalem::Tur::Stok;
    QHash<QString, int> yer;
    for (const QSqlRecord& r : rows) {
        const QString anahtar = stok ? QString::number(sayiAt(r, c.stokNo), 'f', 0) : metinAt(r, c.kodu);
        auto it = yer.constFind(anahtar);
        if (it == yer.constEnd()) {
            TicariKalem k;
            k.tur = tur;
            k.stokNo = sayiAt(r, c.stokNo);
            k.kod = metinAt(r, stok ? c.stokKod : c.kodu);
            for (size_t i = 0; i < std::size(kKodlar); ++i)
                k.hesap.insert(QString::fromLatin1(kKodlar[i]), metinAt(r, c.kodlar[i]));
            it = yer.insert(anahtar, int(out.size()));
            out << k;
        }
        TicariKalem& k = out[*it];
        // One code per unit: the smallest of its rows, as a grouped query gives it.
        for (size_t i = 0; i < std::size(kKodlar); ++i) {
            const QString v = metinAt(r, c.kodlar[i]);
            QString& mevcut = k.hesap[QString::fromLatin1(kKodlar[i])];
            if (!v.isEmpty() && (mevcut.isEmpty() || v < mevcut))
                mevcut = v;
        }
        const double ger = sayiAt(r, c.gerTut);
        const double kdv = sayiAt(r, c.kdv);
        // The tax counts only where the line carries it, as the invoice's own total does.
        const double otv = otvli && metinAt(r, c.otvVarmi) == QLatin1String("V") ? sayiAt(r, c.otv) : 0;
        k.mal += ger;
        k.iskonto += sayiAt(r, c.iskTut);
        k.kdv += ger * kdv / 100;
        k.otv += ger * otv / 100;
        k.otvliKdv += ger * (otv + 100) / 100 * kdv / 100;
        const double iadeNo = sayiAt(r, c.iadeRefNo);
        if (iadeNo > 0)
            k.iadeler << TicariKalem::Iade{iadeNo, int(sayiAt(r, c.iadeSira)), sayiAt(r, c.miktar)};
    }
}

} // namespace

const TicariKaynak& TicariKaynak::satis()
{
    static const TicariKaynak k{QStringLiteral("SATIS"),    QStringLiteral("SATIS_NO"), QStringLiteral("SATISAYR"),
                                QStringLiteral("ISCILIKS"), QStringLiteral("MASRAFS"),  QStringLiteral("S")};
    return k;
}

const TicariKaynak& TicariKaynak::alis()
{
    static const TicariKaynak k{QStringLiteral("ALIS"),     QStringLiteral("ALIS_NO"), QStringLiteral("ALISAYR"),
                                QStringLiteral("ISCILIKA"), QStringLiteral("MASRAFA"), QStringLiteral("A")};
    return k;
}

QString TicariFatura::metin(const char* kolon) const { return metinOf(kayit, QString::fromLatin1(kolon)); }
double TicariFatura::sayi(const char* kolon) const { return sayiOf(kayit, QString::fromLatin1(kolon)); }

std::optional<TicariFatura> TicariFatura::oku(TDMuh& m, const TicariKaynak& k)
{
    const Db& db = m.db();
    const Params no{{QStringLiteral("Nosu"), m.belgeNo}};
    // Table and column names come from the fixed descriptors above, never from input.
    const auto baslik = db.records(QStringLiteral("SELECT * FROM %1 WHERE %2 = :Nosu").arg(k.baslik, k.anahtar), no);
    if (baslik.isEmpty())
        return std::nullopt;
    TicariFatura f;
    f.kayit = baslik.first();
    f.fatNo = f.metin("FAT_NO");
    f.tip = f.metin("TIP");
    f.odeTip = f.metin("ODE_TIP");
    f.muhKasaTip = f.metin("MUHKASATIP");
    f.cariKod = f.metin("CARIKOD");
    f.fatarih = toDate(f.kayit.value(QStringLiteral("FATARIH")));
    if (!f.fatarih.isValid())
        f.fatarih = toDate(f.kayit.value(QStringLiteral("IRSTARIH")));
    f.net = f.sayi("NETTUT");
    f.iskDus = m.iskDus();

    const auto cari = db.records(QStringLiteral("SELECT FIRMA_ADI, MUH_KOD, MUH_KOD2, KIRILIMLI FROM CARI WHERE CARI_KOD = :c"),
                                 {{QStringLiteral("c"), f.cariKod}});
    if (!cari.isEmpty()) {
        const QSqlRecord& c = cari.first();
        f.firmaAdi = metinOf(c, QStringLiteral("FIRMA_ADI"));
        const QString ek = m.MuhKodDondur(metinOf(c, QStringLiteral("KIRILIMLI")), f.metin("DOVIZ_KODU"));
        f.cariMuh = metinOf(c, QStringLiteral("MUH_KOD"));
        f.cariMuh2 = metinOf(c, QStringLiteral("MUH_KOD2"));
        if (!f.cariMuh.isEmpty())
            f.cariMuh += ek;
        if (!f.cariMuh2.isEmpty())
            f.cariMuh2 += ek;
    }
    if (!f.kayit.value(QStringLiteral("CTIP")).isNull())
        f.grup = toText(db.scalar(QStringLiteral("SELECT GRUP_KOD FROM CARIHRKTIP WHERE TIP = :t"),
                                  {{QStringLiteral("t"), f.kayit.value(QStringLiteral("CTIP"))}}))
                     .trimmed();
    if (f.pesin()) {
        // The invoice's own cash row in the finance ledger names the desk that took the money.
        const auto kasa = db.records(QStringLiteral("SELECT K.KASAKOD, K.MUH_KOD FROM FINHRK F JOIN KASA K ON K.KASAKOD = F.KODU "
                                                    "WHERE F.HRK_NO = :Nosu AND F.BELGE_TIP = :t AND F.ISLEM_TIP = 'K'"),
                                     {{QStringLiteral("Nosu"), m.belgeNo}, {QStringLiteral("t"), k.yazan}});
        if (!kasa.isEmpty()) {
            f.kasaVar = true;
            f.kasaKod = metinOf(kasa.first(), QStringLiteral("KASAKOD"));
            f.kasaMuh = metinOf(kasa.first(), QStringLiteral("MUH_KOD"));
        }
    }

    const bool alis = k.satirlar == QLatin1String("ALISAYR");
    topla(f.kalemler, TicariKalem::Tur::Stok,
          db.records(QStringLiteral("SELECT %4, %1 FROM %2 L LEFT JOIN STOKMUH M ON M.STOK_NO = L.STOK_NO "
                                    "WHERE L.%3 = :Nosu ORDER BY L.SIRANO")
                         .arg(kodKolonlari(), k.satirlar, k.anahtar, satirKolonlari(db, k.satirlar)),
                     no),
          alis);
    const Params hizmetNo{{QStringLiteral("Nosu"), m.belgeNo}, {QStringLiteral("t"), k.yazan}};
    topla(f.kalemler, TicariKalem::Tur::Masraf,
          db.records(QStringLiteral("SELECT %3, %1 FROM %2 L LEFT JOIN MASRAF M ON M.KODU = L.KODU "
                                    "WHERE L.BELGE_NO = :Nosu AND L.BELGE_TIP = :t ORDER BY L.SIRANO")
                         .arg(kodKolonlari(), k.masraf, satirKolonlari(db, k.masraf)),
                     hizmetNo),
          false);
    topla(f.kalemler, TicariKalem::Tur::Hizmet,
          db.records(QStringLiteral("SELECT %3, %1 FROM %2 L LEFT JOIN ARIZA M ON M.ARIZA_KODU = L.KODU "
                                    "WHERE L.BELGE_NO = :Nosu AND L.BELGE_TIP = :t ORDER BY L.SIRANO")
                         .arg(kodKolonlari(), k.iscilik, satirKolonlari(db, k.iscilik)),
                     hizmetNo),
          false);
    // Every code the posting may use, read from the chart at once.
    QStringList kodlar{f.cariMuh, f.cariMuh2, f.kasaMuh};
    for (const TicariKalem& k : f.kalemler)
        kodlar << k.hesap.values();
    m.hesaplariOku(kodlar);
    return f;
}

} // namespace nimbo
