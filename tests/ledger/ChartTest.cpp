#include "LedgerFixture.h"
#include "ledger/HesapPlani.h"

using namespace nimbo;
using namespace nimbo::test;

// The card's checks in order, and the columns it works out from the code.
TEST_F(LedgerTest, AccountCardChecksAndLevelColumns)
{
    HesapKart k(db);
    k.yeni(QStringLiteral("153"));
    EXPECT_THROW(
        {
            try {
                k.save();
            } catch (const FieldError& e) {
                EXPECT_EQ(e.message(), QStringLiteral("Hesap Adı Verilmeden Kayıt Saklanamaz."));
                throw;
            }
        },
        FieldError);
    for (const char* kotu : {"053", "1A0", "A00", "12X.01"}) {
        k.yeni(QString::fromLatin1(kotu));
        k.setValue(QStringLiteral("HESAP_ADI"), QStringLiteral("X"));
        try {
            k.save();
            ADD_FAILURE() << kotu;
        } catch (const FieldError& e) {
            EXPECT_EQ(e.message(), HesapKart::kebirMesaji()) << kotu;
        }
    }
    for (const char* kotu : {"153 ", "153..01", "153.", "100"}) {
        k.yeni(QString::fromLatin1(kotu));
        k.setValue(QStringLiteral("HESAP_ADI"), QStringLiteral("X"));
        EXPECT_THROW(k.save(), FieldError) << kotu;
    }
    EXPECT_EQ(say(QStringLiteral("SELECT COUNT(*) FROM HSPLAN WHERE HKOD LIKE '153%'")), 0);

    k.yeni(QStringLiteral("153"));
    k.setValue(QStringLiteral("HESAP_ADI"), QStringLiteral("TİCARİ MALLAR"));
    k.kebirDegisti();
    EXPECT_EQ(k.text(QStringLiteral("BILANCOTIP")), QStringLiteral("A"));
    k.save();
    k.yeni(QStringLiteral("320"));
    k.kebirDegisti();
    EXPECT_EQ(k.text(QStringLiteral("BILANCOTIP")), QStringLiteral("P"));
    k.yeni(QStringLiteral("770"));
    k.kebirDegisti();
    EXPECT_EQ(k.text(QStringLiteral("BILANCOTIP")), QStringLiteral("-"));

    // Any of the three separators counts as a level.
    hesapAc(QStringLiteral("153-01 001"), QStringLiteral("DETAY"), {}, Prompter::Answer::No);
    auto r = db.records(QStringLiteral("SELECT * FROM HSPLAN WHERE HKOD = '153-01 001'"));
    ASSERT_EQ(r.size(), 1);
    EXPECT_EQ(r[0].value("SEVIYE").toInt(), 2);
    EXPECT_EQ(r[0].value("SON_SEVIYE").toInt(), 1);
    EXPECT_EQ(r[0].value("KEBIR").toInt(), 153);
    EXPECT_EQ(sqlText(r[0].value("BAKIYETIP")), QStringLiteral("I"));
    // Its parent is the longest existing prefix, here the main account.
    k.yeni(QStringLiteral("153-01 002"));
    EXPECT_EQ(k.anaHesap(), QStringLiteral("153"));
    k.yeni(QStringLiteral("153"));
    EXPECT_EQ(k.sonAltHesap(), QString()); // "153-01" itself is not in the chart
    EXPECT_EQ(HesapPlani(db).anaHesap(QStringLiteral("100.01.5")), QStringLiteral("100.01"));
    k.yeni(QStringLiteral("100"));
    EXPECT_EQ(k.sonAltHesap(), QStringLiteral("100.01"));

    // A saved parent becomes a non-posting account once it is saved with children.
    ASSERT_TRUE(k.ac(QStringLiteral("153")));
    k.save();
    EXPECT_EQ(say(QStringLiteral("SELECT SON_SEVIYE FROM HSPLAN WHERE HKOD = '153'")), 0);
}

// The first sub-account under a posting account: Yes moves the parent's lines to it and
// ends the parent's posting; No only adds the code; Cancel stores nothing.
TEST_F(LedgerTest, FirstSubAccountTakesOverParentLines)
{
    hesapAc(QStringLiteral("102"), QStringLiteral("BANKALAR"));
    satisEkle(1);
    satirlar = {{QStringLiteral("102"), QStringLiteral("B"), 300}, {QStringLiteral("600.01"), QStringLiteral("A"), 300}};
    ASSERT_TRUE(BelgeMuhasebelestir(QLatin1Char('S'), false, 1, 0, false));

    HesapKart k(db);
    k.yeni(QStringLiteral("102.01"));
    k.setValue(QStringLiteral("HESAP_ADI"), QStringLiteral("ZİRAAT"));
    (*prompter)->expect(ScriptedPrompter::Kind::AskYesNoCancel, HesapKart::tasimaSorusu(), Prompter::Answer::Cancel);
    EXPECT_THROW(k.save(), Vazgecildi);
    EXPECT_FALSE(k.kaydedildi());
    EXPECT_TRUE(k.isNew());
    EXPECT_EQ(say(QStringLiteral("SELECT COUNT(*) FROM HSPLAN WHERE HKOD = '102.01'")), 0);

    (*prompter)->expect(ScriptedPrompter::Kind::AskYesNoCancel, HesapKart::tasimaSorusu(), Prompter::Answer::Yes);
    k.save();
    ASSERT_TRUE(k.kaydedildi());
    EXPECT_EQ(say(QStringLiteral("SELECT SON_SEVIYE FROM HSPLAN WHERE HKOD = '102'")), 0);
    EXPECT_EQ(say(QStringLiteral("SELECT COUNT(*) FROM FISAYR WHERE HSPKODU = '102'")), 0);
    EXPECT_EQ(say(QStringLiteral("SELECT COUNT(*) FROM FISAYR WHERE HSPKODU = '102.01'")), 1);

    // A second sub-account under a parent that no longer posts is not asked about.
    hesapAc(QStringLiteral("102.02"), QStringLiteral("VAKIF"));
    // No: the code is added, the lines stay.
    hesapAc(QStringLiteral("102.01.1"), QStringLiteral("VADESİZ"), {}, Prompter::Answer::No);
    EXPECT_EQ(say(QStringLiteral("SELECT COUNT(*) FROM FISAYR WHERE HSPKODU = '102.01'")), 1);
    EXPECT_EQ(say(QStringLiteral("SELECT SON_SEVIYE FROM HSPLAN WHERE HKOD = '102.01'")), 1);
}

// Deleting refuses codes with lines or sub-accounts; a quote in a code is data.
TEST_F(LedgerTest, DeleteRefusedWithLinesOrSubAccounts)
{
    satisEkle(1);
    dengeliSatis(10, 2);
    ASSERT_TRUE(BelgeMuhasebelestir(QLatin1Char('S'), false, 1, 0, false));
    const QString mesaj = QStringLiteral("Bu Hesap Kodu ile İlgili İşlem veya Alt Kodları Var.Silinemez!");
    for (const char* kod : {"600", "600.01"}) {
        (*prompter)->expectAsk(QStringLiteral("Kayıt Silinsin mi?"), true);
        try {
            HesapKart::sil(db, QString::fromLatin1(kod));
            ADD_FAILURE() << kod;
        } catch (const UserError& e) {
            EXPECT_EQ(e.message(), mesaj);
        }
    }
    hesapAc(QStringLiteral("689"), QStringLiteral("DİĞER"));
    (*prompter)->expectAsk(QStringLiteral("Kayıt Silinsin mi?"), false);
    EXPECT_FALSE(HesapKart::sil(db, QStringLiteral("689")));
    (*prompter)->expectAsk(QStringLiteral("Kayıt Silinsin mi?"), true);
    EXPECT_TRUE(HesapKart::sil(db, QStringLiteral("689")));
    EXPECT_EQ(say(QStringLiteral("SELECT COUNT(*) FROM HSPLAN WHERE HKOD = '689'")), 0);
    EXPECT_EQ(say(QStringLiteral("SELECT COUNT(*) FROM HSPLAN WHERE HKOD = '600'")), 1);
}
