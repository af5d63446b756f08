#include "accounts/CariListe.h"
#include "db/DbTransaction.h"
#include "finance/BankaListe.h"
#include "finance/FinansHareketListesi.h"
#include "finance/KasaListe.h"
#include "ledger/HesapListesi.h"
#include "model/CodeNameTable.h"
#include "stock/Depolar.h"
#include "stock/StockListQuery.h"
#include "stock/StockMasterDefs.h"
#include "support/TestEnv.h"

#include <functional>

using namespace nimbo;
using namespace nimbo::test;

namespace {

// The names every list holds: two spellings of "şeker", the dotless and the dotted capital I,
// and a "%" that must be taken as itself.
const QStringList kNames = {QStringLiteral("ŞEKER FABRİKASI"), QStringLiteral("şekerci Ali"),
                            QStringLiteral("ISPARTA GÜL"),     QStringLiteral("ıspanak tarlası"),
                            QStringLiteral("İspir Balı"),      QStringLiteral("%50 İndirim"),
                            QStringLiteral("Çiçekçi")};

class TurkishListSearch : public YearDbTest {
protected:
    using Search = std::function<ListQuery(const QString& typed)>;

    void fill(const QString& sql, Params p = {})
    {
        DbTransaction tx(db);
        int n = 0;
        for (const QString& name : kNames) {
            p.insert(QStringLiteral("N"), ++n);
            p.insert(QStringLiteral("K"), QStringLiteral("K%1").arg(n));
            p.insert(QStringLiteral("A"), name);
            if (sql.contains(QLatin1String(":A2")))
                p.insert(QStringLiteral("A2"), name);
            db.exec(sql, p);
        }
        tx.commit();
    }
    QStringList found(const ListQuery& list, const QString& column) const
    {
        const ListQuery q = list.whole(db.dialect());
        QSqlQuery r = db.exec(q.sql, q.params);
        QStringList out;
        while (r.next())
            out << sqlText(r.value(column));
        out.sort();
        return out;
    }
    // What a Turkish user expects from any list's search box.
    void expectTurkishFolding(const char* list, const QString& column, const Search& search) const
    {
        SCOPED_TRACE(list);
        using L = QStringList;
        const L seker{QStringLiteral("ŞEKER FABRİKASI"), QStringLiteral("şekerci Ali")};
        EXPECT_EQ(found(search(QStringLiteral("şeker")), column), seker);
        EXPECT_EQ(found(search(QStringLiteral("ŞEKER")), column), seker);
        EXPECT_EQ(found(search(QStringLiteral("ıspart")), column), L{QStringLiteral("ISPARTA GÜL")});
        EXPECT_EQ(found(search(QStringLiteral("ISPA")), column),
                  (L{QStringLiteral("ISPARTA GÜL"), QStringLiteral("ıspanak tarlası")}));
        // A dotted i is not a dotless one.
        EXPECT_EQ(found(search(QStringLiteral("isp")), column), L{QStringLiteral("İspir Balı")});
        EXPECT_EQ(found(search(QStringLiteral("çİçek")), column), L{QStringLiteral("Çiçekçi")});
        EXPECT_EQ(found(search(QStringLiteral("%5")), column), L{QStringLiteral("%50 İndirim")});
    }
};

} // namespace

// Stock, account, cash-desk, warehouse, bank, brand and chart lists fold "ş"/"Ş", "ı"/"I" and
// "i"/"İ" alike on both engines; before, SQLite's LIKE and UPPER folded ASCII letters only and
// the stock list's ILIKE on PostgreSQL took "ı" for "i".
TEST_F(TurkishListSearch, EveryListSearchFoldsTurkishLetters)
{
    const Dialect& d = db.dialect();
    fill(QStringLiteral("INSERT INTO STOK (STOK_NO, STOK_KOD_NO, STOK_ADI_TR) VALUES (:N, :K, :A)"));
    expectTurkishFolding("stok", QStringLiteral("STOK_ADI_TR"), [&](const QString& t) {
        StockFilter f;
        f.text = t;
        return StockListQuery::build(d, f);
    });

    fill(QStringLiteral("INSERT INTO CARI (CARI_KOD, FIRMA_ADI) VALUES (:K, :A)"));
    expectTurkishFolding("cari", QStringLiteral("FIRMA_ADI"), [&](const QString& t) {
        CariFiltre f;
        f.aramaAlani = QStringLiteral("FIRMA_ADI");
        f.aramaDegeri = t;
        return CariListe(db).sorgu(f);
    });

    fill(QStringLiteral("INSERT INTO KASA (KASAKOD, ADI) VALUES (:K, :A)"));
    expectTurkishFolding("kasa", QStringLiteral("ADI"),
                         [&](const QString& t) { return KasaListe(db).sorgu(QStringLiteral("ADI"), t); });

    fill(QStringLiteral("INSERT INTO DEPO (DEPO_KODU, DEPO_ADI) VALUES (:N, :A)"));
    expectTurkishFolding("depo", QStringLiteral("DEPO_ADI"), [&](const QString& t) { return Depolar::sorgu(d, t); });

    fill(QStringLiteral("INSERT INTO BANKA (BANKA_KOD, BANKA_ADI) VALUES (:K, :A)"));
    expectTurkishFolding("banka", QStringLiteral("BANKA_ADI"),
                         [&](const QString& t) { return BankaListe(db).sorgu(QStringLiteral("BANKA_ADI"), t); });

    fill(QStringLiteral("INSERT INTO FIRMA (FIRMANO, FIRMA_ADI) VALUES (:N, :A)"));
    const CodeNameTable marka(db, stockMasterDef(StockMaster::Marka));
    expectTurkishFolding("marka", QStringLiteral("FIRMA_ADI"), [&](const QString& t) { return marka.listQuery(t); });

    fill(QStringLiteral("INSERT INTO HSPLAN (HKOD, HESAP_ADI, SEVIYE) VALUES (:K, :A, 0)"));
    expectTurkishFolding("hesap planı", QStringLiteral("HESAP_ADI"), [&](const QString& t) {
        return HesapListesi::sorgu(db, HesapKodu::Duzey::Tumu, QStringLiteral("HESAP_ADI"), t);
    });
}

// The finance list finds a document by the name of its header or of any line, and by its
// description; a code typed into the name box finds nothing.
TEST_F(TurkishListSearch, FinanceListSearchesHeaderAndLineNames)
{
    const QDateTime t(QDate(2026, 3, 1), QTime(10, 0));
    fill(QStringLiteral("INSERT INTO FINMAST (FIN_ID, ISLEM_TRH, ISLEM_TIP, ISLEM_TIP2, KODU, ADI, ACIKLAMA) "
                        "VALUES (:N, :T, 'C', 'N', :K, :A, :A2)"),
         {{QStringLiteral("T"), t}});
    const auto search = [&](const QString& alan, const QString& typed) {
        FinansHareketFiltre f;
        f.aramaAlani = alan;
        f.aramaDegeri = typed;
        return FinansHareketListesi::sorgu(db.dialect(), f);
    };
    expectTurkishFolding("finans adı", QStringLiteral("ADI"),
                         [&](const QString& typed) { return search(QStringLiteral("ADI"), typed); });
    expectTurkishFolding("finans açıklaması", QStringLiteral("ACIKLAMA"),
                         [&](const QString& typed) { return search(QStringLiteral("ACIKLAMA"), typed); });

    // A cash-desk document whose account line, not its header, names the customer.
    db.exec(QStringLiteral("INSERT INTO FINMAST (FIN_ID, ISLEM_TRH, ISLEM_TIP, ISLEM_TIP2, KODU, ADI) "
                           "VALUES (50, :T, 'K', 'G', 'MERKEZ', 'Merkez Kasa')"),
            {{QStringLiteral("T"), t}});
    db.exec(QStringLiteral("INSERT INTO FINDET (FIN_ID, SIRA_NO, KODU, ADI) VALUES (50, 1, '120.01', 'Uşak Şekerleme')"));
    EXPECT_EQ(found(search(QStringLiteral("ADI"), QStringLiteral("şekerleme")), QStringLiteral("FIN_ID")),
              QStringList{QStringLiteral("50")});
    EXPECT_TRUE(found(search(QStringLiteral("ADI"), QStringLiteral("120.01")), QStringLiteral("ADI")).isEmpty());
}
