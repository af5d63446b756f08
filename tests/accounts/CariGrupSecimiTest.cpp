#include "CariFixture.h"
#include "accounts/SehirIlce.h"
#include "accounts/CariGrupSecimi.h"

namespace nimbo::test {

using CariGrupSecimiTest = YearDbTest;

namespace {
QStringList names(const QList<CariGrupSecimi::Secenek>& l)
{
    QStringList out;
    for (const auto& s : l)
        out << s.second;
    return out;
}
} // namespace

TEST_F(CariGrupSecimiTest, AChosenLevelNarrowsTheNextAndNothingChosenOffersAll)
{
    const CariFixture f{db};
    f.insert(QStringLiteral("CANAGRUP"), {{QStringLiteral("GRUP_ADI"), QStringLiteral("MÜŞTERİLER")}});
    const int mus = db.scalar(QStringLiteral("SELECT MAX(KODU) FROM CANAGRUP")).toInt();
    f.insert(QStringLiteral("CANAGRUP"), {{QStringLiteral("GRUP_ADI"), QStringLiteral("BAYİLER")}});
    const int bay = db.scalar(QStringLiteral("SELECT MAX(KODU) FROM CANAGRUP")).toInt();
    f.insert(QStringLiteral("CARIGRUP"), {{QStringLiteral("GRUP_KOD"), QStringLiteral("TOP")},
                                          {QStringLiteral("GRUP_ADI"), QStringLiteral("Toptancı")},
                                          {QStringLiteral("KODU"), mus}});
    f.insert(QStringLiteral("CARIGRUP"), {{QStringLiteral("GRUP_KOD"), QStringLiteral("PER")},
                                          {QStringLiteral("GRUP_ADI"), QStringLiteral("Perakende")},
                                          {QStringLiteral("KODU"), mus}});
    f.insert(QStringLiteral("CARIGRUP"), {{QStringLiteral("GRUP_KOD"), QStringLiteral("BLG")},
                                          {QStringLiteral("GRUP_ADI"), QStringLiteral("Bölge Bayi")},
                                          {QStringLiteral("KODU"), bay}});
    for (const auto& a : {std::pair{"T1", "TOP"}, std::pair{"T2", "TOP"}, std::pair{"B1", "BLG"}})
        f.insert(QStringLiteral("CALTGRUP"), {{QStringLiteral("KODU"), QString::fromLatin1(a.first)},
                                              {QStringLiteral("GRUP_KOD"), QString::fromLatin1(a.second)},
                                              {QStringLiteral("GRUP_ADI"), QStringLiteral("Alt ") + QString::fromLatin1(a.first)}});

    const CariGrupSecimi s(db);
    const auto ana = s.anaGruplar();
    EXPECT_EQ(names(ana), (QStringList{QStringLiteral("BAYİLER"), QStringLiteral("MÜŞTERİLER")}));
    EXPECT_EQ(ana[1].first.toInt(), mus);
    EXPECT_EQ(names(s.gruplar(mus)), (QStringList{QStringLiteral("Perakende"), QStringLiteral("Toptancı")}));
    EXPECT_EQ(names(s.gruplar(QString::number(bay))), QStringList{QStringLiteral("Bölge Bayi")});
    EXPECT_EQ(s.gruplar({}).size(), 3);
    EXPECT_EQ(s.gruplar(QString()).size(), 3);
    const auto alt = s.altGruplar(QStringLiteral("TOP"));
    EXPECT_EQ(names(alt), (QStringList{QStringLiteral("Alt T1"), QStringLiteral("Alt T2")}));
    EXPECT_EQ(alt[0].first.toString(), QStringLiteral("T1"));
    EXPECT_TRUE(s.altGruplar(QStringLiteral("PER")).isEmpty());
    EXPECT_EQ(s.altGruplar(QString()).size(), 3);
    // A group code is data, not SQL.
    EXPECT_TRUE(s.altGruplar(QStringLiteral("TOP' OR '1'='1")).isEmpty());
}

// Pick lists read into memory come in Turkish order: ÇİĞLİ before KONAK, İZMİR after IĞDIR.
TEST_F(CariGrupSecimiTest, PickListsComeInTurkishOrder)
{
    const CariFixture f{db};
    f.insert(QStringLiteral("SEHIR"), {{QStringLiteral("SEHIR_KODU"), 35}, {QStringLiteral("SEHIR_ADI"), QStringLiteral("İZMİR")}});
    f.insert(QStringLiteral("SEHIR"), {{QStringLiteral("SEHIR_KODU"), 76}, {QStringLiteral("SEHIR_ADI"), QStringLiteral("IĞDIR")}});
    f.insert(QStringLiteral("SEHIR"), {{QStringLiteral("SEHIR_KODU"), 16}, {QStringLiteral("SEHIR_ADI"), QStringLiteral("BURSA")}});
    f.insert(QStringLiteral("SEHIR"), {{QStringLiteral("SEHIR_KODU"), 63}, {QStringLiteral("SEHIR_ADI"), QStringLiteral("ŞANLIURFA")}});
    for (const char* ilce : {"KONAK", "ÇİĞLİ", "URLA", "BORNOVA", "ÇEŞME", "ÖDEMİŞ"})
        f.insert(QStringLiteral("ILCE"), {{QStringLiteral("SEHIR_KODU"), 35}, {QStringLiteral("ILCE_ADI"), QString::fromUtf8(ilce)}});
    const SehirIlce s(db);
    EXPECT_EQ(s.ilceler(35), (QStringList{"BORNOVA", "ÇEŞME", "ÇİĞLİ", "KONAK", "ÖDEMİŞ", "URLA"}));
    QStringList iller;
    for (const auto& il : s.iller())
        iller << il.second;
    EXPECT_EQ(iller, (QStringList{"BURSA", "IĞDIR", "İZMİR", "ŞANLIURFA"}));

    f.insert(QStringLiteral("CANAGRUP"), {{QStringLiteral("GRUP_ADI"), QStringLiteral("ÇİFTÇİLER")}});
    f.insert(QStringLiteral("CANAGRUP"), {{QStringLiteral("GRUP_ADI"), QStringLiteral("KOOPERATİFLER")}});
    f.insert(QStringLiteral("CANAGRUP"), {{QStringLiteral("GRUP_ADI"), QStringLiteral("BAYİLER")}});
    QStringList ana;
    for (const auto& g : CariGrupSecimi(db).anaGruplar())
        ana << g.second;
    EXPECT_EQ(ana, (QStringList{"BAYİLER", "ÇİFTÇİLER", "KOOPERATİFLER"}));

    f.cari(QStringLiteral("C1"), {{QStringLiteral("ISKGRUP"), QStringLiteral("ŞEHİR İÇİ")}});
    f.cari(QStringLiteral("C2"), {{QStringLiteral("ISKGRUP"), QStringLiteral("ÇARŞI")}});
    f.cari(QStringLiteral("C3"), {{QStringLiteral("ISKGRUP"), QStringLiteral("SANAYİ")}});
    f.cari(QStringLiteral("C4"), {{QStringLiteral("ISKGRUP"), QStringLiteral("ÇARŞI")}});
    f.cari(QStringLiteral("C5"), {{QStringLiteral("ISKGRUP"), QStringLiteral("CADDE")}});
    EXPECT_EQ(CariGrupSecimi(db).iskontoGruplari(), (QStringList{"CADDE", "ÇARŞI", "SANAYİ", "ŞEHİR İÇİ"}));
}

} // namespace nimbo::test

