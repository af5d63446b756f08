#include "ledger/TicariFatura.h"
#include "ledger/TDMuh.h"

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

// Adds the rows of one line table to the units, one unit per key (item number or code),
// in the order each key first appears.
void topla(QList<TicariKalem>& out, TicariKalem::Tur tur, const QVector<QSqlRecord>& rows, bool otvli)
{
    QHash<QString, int> yer;
    for (const QSqlRecord& r : rows) {
        const QString anahtar = tur == TicariKalem::Tur::Stok ? QString::number(sayiOf(r, QStringLiteral("STOK_NO")), 'f', 0)
                                                              : metinOf(r, QStringLiteral("KODU"));
        auto it = yer.constFind(anahtar);
        if (it == yer.constEnd()) {
            TicariKalem k;
            k.tur = tur;
            k.stokNo = sayiOf(r, QStringLiteral("STOK_NO"));
            k.kod = metinOf(r, tur == TicariKalem::Tur::Stok ? QStringLiteral("STOK_KOD_NO") : QStringLiteral("KODU"));
            for (const char* c : kKodlar)
                k.hesap.insert(QString::fromLatin1(c), metinOf(r, QString::fromLatin1(c)));
            it = yer.insert(anahtar, int(out.size()));
            out << k;
        }
        TicariKalem& k = out[*it];
        // One code per unit: the smallest of its rows, as a grouped query gives it.
        for (const char* c : kKodlar) {
            const QString v = metinOf(r, QString::fromLatin1(c));
            QString& mevcut = k.hesap[QString::fromLatin1(c)];
            if (!v.isEmpty() && (mevcut.isEmpty() || v < mevcut))
                mevcut = v;
        }
        const double ger = sayiOf(r, QStringLiteral("GER_TUT"));
        const double kdv = sayiOf(r, QStringLiteral("KDV"));
        // The tax counts only where the line carries it, as the invoice's own total does.
        const double otv = otvli && metinOf(r, QStringLiteral("OTV_VARMI")) == QLatin1String("V")
                               ? sayiOf(r, QStringLiteral("OTV"))
                               : 0;
        k.mal += ger;
        k.iskonto += sayiOf(r, QStringLiteral("ISK_TUT"));
        k.kdv += ger * kdv / 100;
        k.otv += ger * otv / 100;
        k.otvliKdv += ger * (otv + 100) / 100 * kdv / 100;
        const double iadeNo = sayiOf(r, QStringLiteral("IADE_REFNO"));
        if (iadeNo > 0)
            k.iadeler << TicariKalem::Iade{iadeNo, int(sayiOf(r, QStringLiteral("IADE_SIRA"))),
                                           sayiOf(r, QStringLiteral("MIKTAR"))};
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
    f.iskDus = toText(db.scalar(QStringLiteral("SELECT ISK_DUS FROM PARAMET"))).trimmed();

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
          db.records(QStringLiteral("SELECT L.*, %1 FROM %2 L LEFT JOIN STOKMUH M ON M.STOK_NO = L.STOK_NO "
                                    "WHERE L.%3 = :Nosu ORDER BY L.SIRANO")
                         .arg(kodKolonlari(), k.satirlar, k.anahtar),
                     no),
          alis);
    const Params hizmetNo{{QStringLiteral("Nosu"), m.belgeNo}, {QStringLiteral("t"), k.yazan}};
    topla(f.kalemler, TicariKalem::Tur::Masraf,
          db.records(QStringLiteral("SELECT L.*, %1 FROM %2 L LEFT JOIN MASRAF M ON M.KODU = L.KODU "
                                    "WHERE L.BELGE_NO = :Nosu AND L.BELGE_TIP = :t ORDER BY L.SIRANO")
                         .arg(kodKolonlari(), k.masraf),
                     hizmetNo),
          false);
    topla(f.kalemler, TicariKalem::Tur::Hizmet,
          db.records(QStringLiteral("SELECT L.*, %1 FROM %2 L LEFT JOIN ARIZA M ON M.ARIZA_KODU = L.KODU "
                                    "WHERE L.BELGE_NO = :Nosu AND L.BELGE_TIP = :t ORDER BY L.SIRANO")
                         .arg(kodKolonlari(), k.iscilik),
                     hizmetNo),
          false);
    return f;
}

} // namespace nimbo
