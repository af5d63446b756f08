#include "ServicesTestSupport.h"
#include "services/SharedLists.h"

using namespace nimbo;
using namespace nimbo::test;

class SharedLists : public ServicesTest {
protected:
    void exec(const QString& sql)
    {
        DbTransaction tx(db);
        db.exec(sql);
        tx.commit();
    }
    static QStringList texts(const QList<PickItem>& l)
    {
        QStringList out;
        for (const PickItem& i : l)
            out << i.text + QLatin1Char('=') + i.value.toString().trimmed();
        return out;
    }
};

// Each list comes ordered by its code whatever the insertion order; unit 99 never shows; naming
// one list refills that list only, an empty name refills them all.
TEST_F(SharedLists, OrderedByCodeAndRefilledOneByOne)
{
    exec("DELETE FROM UNITE");
    exec("INSERT INTO UNITE (UNITE_KODU, UNITE_ADI) VALUES (3, 'Kutu')");
    exec("INSERT INTO UNITE (UNITE_KODU, UNITE_ADI) VALUES (99, 'Tanımsız')");
    exec("INSERT INTO UNITE (UNITE_KODU, UNITE_ADI) VALUES (1, 'Adet')");
    exec("DELETE FROM CARIHRKTIP");
    exec("INSERT INTO CARIHRKTIP (TIP, AD) VALUES (12, 'Tahsilat')");
    exec("INSERT INTO CARIHRKTIP (TIP, AD) VALUES (2, 'Ödeme')");
    exec("DELETE FROM DOVIZ");
    exec("INSERT INTO DOVIZ (DOVIZ_KODU, DOVIZ_ADI, AKTIF) VALUES ('USD', 'ABD Doları', 'E')");
    exec("INSERT INTO DOVIZ (DOVIZ_KODU, DOVIZ_ADI, AKTIF) VALUES ('EUR', 'Euro', 'E')");

    SessionContext& s = SessionContext::current();
    ASSERT_TRUE(OrtakListeleriDoldur(db, s, QString()));
    EXPECT_EQ(texts(s.uniteler), (QStringList{"Adet=1", "Kutu=3"}));
    EXPECT_EQ(texts(s.cariHrkTipleri), (QStringList{"Ödeme=2", "Tahsilat=12"})); // 2 before 12: by number
    EXPECT_EQ(texts(s.dovizler), (QStringList{"Euro=EUR", "ABD Doları=USD"}));

    exec("INSERT INTO UNITE (UNITE_KODU, UNITE_ADI) VALUES (2, 'Koli')");
    exec("INSERT INTO DOVIZ (DOVIZ_KODU, DOVIZ_ADI, AKTIF) VALUES ('GBP', 'Sterlin', 'E')");
    ASSERT_TRUE(OrtakListeleriDoldur(db, s, "unite"));
    EXPECT_EQ(texts(s.uniteler), (QStringList{"Adet=1", "Koli=2", "Kutu=3"}));
    EXPECT_EQ(s.dovizler.size(), 2); // not asked for: unchanged
    ASSERT_TRUE(OrtakListeleriDoldur(db, s, "DOVIZ"));
    EXPECT_EQ(texts(s.dovizler), (QStringList{"Euro=EUR", "Sterlin=GBP", "ABD Doları=USD"}));
}

// A window reads one list afresh: rows added since the start show without touching the
// session's copy; staff come in Turkish alphabetical order (Ç after C, İ after I, Ş after S);
// a list name the program does not know is a programming error, not an empty list.
TEST_F(SharedLists, OneListReadAfreshStaffInTurkishOrder)
{
    exec("DELETE FROM CALISAN");
    for (const char* row : {"('K4', 'Şule')", "('K1', 'Ceren')", "('K5', 'İlker')", "('K2', 'Çağla')",
                            "('K6', 'Irmak')", "('K3', 'Selin')", "('K7', 'Zeki')"})
        exec(QStringLiteral("INSERT INTO CALISAN (ISCI_KOD, ISCI_ADI) VALUES %1").arg(QString::fromUtf8(row)));
    EXPECT_EQ(texts(OrtakListe(db, "CALISAN")),
              (QStringList{"Ceren=K1", "Çağla=K2", "Irmak=K6", "İlker=K5", "Selin=K3", "Şule=K4", "Zeki=K7"}));

    SessionContext& s = SessionContext::current();
    ASSERT_TRUE(OrtakListeleriDoldur(db, s, "DEPO"));
    const int before = s.depolar.size();
    exec("INSERT INTO DEPO (DEPO_KODU, DEPO_ADI) VALUES (77, 'Yeni Depo')");
    const QList<PickItem> depolar = OrtakListe(db, "depo");
    ASSERT_EQ(depolar.size(), before + 1);
    EXPECT_EQ(texts({depolar.last()}), (QStringList{"Yeni Depo=77"}));
    EXPECT_EQ(s.depolar.size(), before);
    EXPECT_THROW(OrtakListe(db, "FINHRK"), std::invalid_argument);
}
