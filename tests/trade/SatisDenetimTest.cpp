#include "SatisFixture.h"
#include "model/DocumentError.h"

namespace nimbo::test {

class SatisDenetim : public SatisTestBase {};

TEST_F(SatisDenetim, StockControlModes)
{
    girisYap(1, 1, 5);
    girisYap(1, 2, 5);
    insert("SIPALAYR", {{"SIP_NO", 1.0}, {"SIRANO", 1}, {"STOK_NO", 1.0}, {"REZERV_MIK", 4.0}});
    // 8 of 10 in total, but warehouse 1 holds only 5; 2 of the 10 are not reserved.
    auto belge = [this] {
        auto b = yeni("İ");
        satir(*b, 1, 8, 100);
        return b;
    };
    ayar("STK_NEG", "H");
    belge()->save(); // total 10 covers 8
    exec("DELETE FROM STOKHRK WHERE TIP='S'");
    ayar("STK_NEG", "M");
    (*prompter)->expectWarn("Depodaki Mevcut Miktarı, Satış Listesindeki Miktarından Daha Küçük olan Ürünler Var.Lütfen "
                           "Yeniden Kontrol Edin");
    EXPECT_THROW(belge()->save(), DocumentError);
    ayar("STK_NEG", "S");
    (*prompter)->expectWarn("Satış Listesinde Miktarı Eksiye Düşecek Ürünler Var.Lütfen Yeniden Kontrol Edin");
    EXPECT_THROW(belge()->save(), DocumentError);
    ayar("STK_NEG", "U");
    auto b = belge();
    b->setLine(0, "MIKTAR", 11.0);
    const QString soru = "Depolardaki Mevcut Miktarı, Satış Listesindeki Miktarından Daha Küçük olan Ürünler Var.Buna "
                         "Rağmen Saklamak İstiyormusunuz?";
    (*prompter)->expectAsk(soru, false);
    EXPECT_THROW(b->save(), DocumentError);
    EXPECT_EQ(count("SELECT COUNT(*) FROM STOKHRK WHERE TIP='S'"), 0);
    (*prompter)->expectAsk(soru, true);
    b->save();
    // Correcting the same document does not count its own movement against it.
    ayar("STK_NEG", "H");
    b->setLine(0, "MIKTAR", 10.0);
    b->save();
    EXPECT_DOUBLE_EQ(sum("SELECT SUM(GIRMIK-CIKMIK) FROM STOKHRK WHERE STOK_NO=1"), 0);
    // Units count in the first unit: one box of 12 is more than nothing left.
    auto koli = yeni("İ");
    const int r = satir(*koli, 2, 1, 10);
    koli->setLine(r, "BIRIM", "KOLI");
    girisYap(2, 1, 11);
    (*prompter)->expectWarn("Satış Listesinde Miktarı Eksiye Düşecek Ürünler Var.Lütfen Yeniden Kontrol Edin");
    EXPECT_THROW(koli->save(), DocumentError);
    // An invoice moves no stock and is not checked.
    auto fatura = yeni("F");
    satir(*fatura, 1, 50, 100);
    fatura->save();
}

TEST_F(SatisDenetim, CriticalLevelIsReportedWhenAsked)
{
    exec("UPDATE STOK SET KRITIK_SEV=4 WHERE STOK_NO=1");
    girisYap(1, 1, 5);
    ayar("STK_NEG", "E");
    ayar("KRTTIK_UYAR", "S");
    auto b = yeni("İ");
    satir(*b, 1, 2, 100);
    (*prompter)->expectInfo("KRİTİK SEVİYENİN ALTINA DÜŞECEK ÜRÜNLER VAR\nÜrün S001");
    b->save();
}

TEST_F(SatisDenetim, MinimumPriceModes)
{
    exec("UPDATE STOK SET MINSATFYT_TL=95 WHERE STOK_NO=1");
    ayar("SATMINFYT", "E");
    auto belge = [this](double fiyat, double iskonto) {
        auto b = yeni("F");
        const int r = satir(*b, 1, 1, fiyat);
        b->setLine(r, "ISKONTO", iskonto);
        return b;
    };
    ayar("SATFYTKONT", "S");
    belge(100, 5)->save(); // 95 after the line discount is not below
    (*prompter)->expectWarn("Satış Listesinde Min.Fiyatı Altında Satılan Ürünler Var.Lütfen Yeniden Kontrol Edin");
    EXPECT_THROW(belge(100, 6)->save(), DocumentError);
    ayar("SATFYTKONT", "U");
    const QString soru = "Satış Listesinde Min.Fiyatı Altında Satılan Ürünler Var.Yeni de Saklansın mı?";
    (*prompter)->expectAsk(soru, false);
    EXPECT_THROW(belge(90, 0)->save(), DocumentError);
    (*prompter)->expectAsk(soru, true);
    belge(90, 0)->save();
    ayar("SATFYTKONT", "H");
    belge(10, 0)->save();
    // The customer's own list: 'M' compares with the retail price, 'Y' is never checked.
    ayar("SATFYTKONT", "S");
    exec("UPDATE CARI SET ABMFYTUYG='M' WHERE CARI_KOD='M1'");
    (*prompter)->expectWarn("Satış Listesinde Min.Fiyatı Altında Satılan Ürünler Var.Lütfen Yeniden Kontrol Edin");
    EXPECT_THROW(belge(99, 0)->save(), DocumentError);
    exec("UPDATE CARI SET ABMFYTUYG='Y' WHERE CARI_KOD='M1'");
    belge(1, 0)->save();
    ayar("SATMINFYT", "Z");
    exec("UPDATE CARI SET ABMFYTUYG=NULL WHERE CARI_KOD='M1'");
    belge(1, 0)->save();
}

TEST_F(SatisDenetim, MaturityWarehouseRightsAndLawyer)
{
    exec("UPDATE CARI SET MAKSVADEGUN=30 WHERE CARI_KOD='M1'");
    auto b = yeni("F");
    satir(*b, 1, 1, 100);
    b->setHeader("VADETRH", gun.addDays(45));
    (*prompter)->expectWarn("Seçilen Cari İçin Maksimum Vade Aşıldığı için Değiştirildi. Lütfen Kontrol Ediniz.");
    b->save();
    EXPECT_EQ(toDate(db.scalar("SELECT VADETRH FROM SATIS")), gun.addDays(30));
    EXPECT_EQ(toDate(db.scalar("SELECT VADE_TRH FROM FINHRK WHERE ISLEM_TIP2='S'")), gun.addDays(30));

    SessionContext::current().setHak("DEPO2", "O");
    auto d = yeni("İ");
    satir(*d, 1, 1, 100);
    const int r = satir(*d, 2, 1, 100);
    d->setLine(r, "DEPO_KODU", 2);
    const int r3 = satir(*d, 1, 1, 100); // merges into line 1
    EXPECT_EQ(r3, 0);
    (*prompter)->expectWarn("2.Satırda Şube Depo için Hakkınız Yok. ");
    EXPECT_THROW(d->save(), DocumentError);
    SessionContext::current().setHak("DEPO2", "H");
    exec("UPDATE CARI SET AVUKATVER='E' WHERE CARI_KOD='M1'");
    (*prompter)->expectWarn("Firma Avukata Verildiği İçin Bu Satış Saklanamaz !!!");
    EXPECT_THROW(d->save(), DocumentError);
    d->setHeader("CARIKOD", "");
    (*prompter)->expectWarn("Cari Kodu Verilmeden Satış Saklanmaz.");
    EXPECT_THROW(d->save(), DocumentError);
}

TEST_F(SatisDenetim, CreditRiskWarnsOrStops)
{
    cari("R1", {{"RISKRITER", "B"}, {"RISK_IRS", "U"}, {"RISBAKTIP", "B"}, {"RISK_LIMITI", 150.0}});
    auto b = yeni("F", "R1");
    satir(*b, 1, 1, 100); // 118 stays within 150
    b->save();
    const QString soru = "R1 Borç Risk Limiti Aşılmış! Buna Rağmen İşlem Devam Etsin mı?";
    auto ikinci = yeni("F", "R1");
    ikinci->setHeader("ODE_TIP", "V");
    satir(*ikinci, 1, 1, 100);
    // The cash sale closed itself; an open-account sale of 118 on top of nothing owed stays below.
    ikinci->save();
    auto ucuncu = yeni("F", "R1");
    ucuncu->setHeader("ODE_TIP", "V");
    satir(*ucuncu, 1, 1, 100); // 236 owed
    (*prompter)->expectAsk(soru, false);
    EXPECT_THROW(ucuncu->save(), DocumentError);
    exec("UPDATE CARI SET RISK_IRS='D' WHERE CARI_KOD='R1'");
    (*prompter)->expectWarn("R1 Kodlu Hesabın Borç Risk Limiti Aşıldığı İçin Bu Kayıt Saklanamaz !!!");
    EXPECT_THROW(ucuncu->save(), DocumentError);
    // Criterion 1 counts dispatch notes not yet invoiced and this document only.
    exec("UPDATE CARI SET RISKRITER='1' WHERE CARI_KOD='R1'");
    ucuncu->save();
    auto irs = yeni("İ", "R1");
    satir(*irs, 1, 1, 100);
    irs->save();
    exec("UPDATE SATIS SET NETTUT=100 WHERE SATIS_NO=:N", {{"N", irs->key()}});
    auto son = yeni("F", "R1");
    satir(*son, 1, 1, 50); // 59 + 100 > 150
    (*prompter)->expectWarn("R1 Kodlu Hesabın Borç Risk Limiti Aşıldığı İçin Bu Kayıt Saklanamaz !!!");
    EXPECT_THROW(son->save(), DocumentError);
    exec("UPDATE CARI SET RISKRITER='Y' WHERE CARI_KOD='R1'");
    son->save();
}

} // namespace nimbo::test
