#pragma once
#include "db/DbTransaction.h"
#include "ledger/HesapKart.h"
#include "ledger/HesapPlani.h"
#include "ledger/MuhKodIzi.h"
#include "ledger/TDMuh.h"
#include "support/TestEnv.h"

#include <QDir>

namespace nimbo::test {

// A year database with a small chart written through the account card, and a posting
// routine of kind 'S' that posts the rows of `satirlar` for a SATIS document.
class LedgerTest : public YearDbTest {
protected:
    struct Satir {
        QString kod;
        QString taraf;
        double tutar;
        QString aciklama = QStringLiteral("satır");
        QString grup = {};
        double dvzTutar = 0;
        QString dvz = {};
        double kur = 0;
    };

    void SetUp() override
    {
        YearDbTest::SetUp();
        MuhKodIzi::setKlasor(TestEnv::tempDir());
        QFile::remove(MuhKodIzi::dosya());
        TDMuh::tanilama() = false;
        for (const auto& [kod, ad] : std::initializer_list<std::pair<const char*, const char*>>{
                 {"100", "KASA"}, {"100.01", "MERKEZ KASA"}, {"120", "ALICILAR"}, {"120.01", "YURTİÇİ ALICILAR"},
                 {"391", "HESAPLANAN KDV"}, {"391.01", "KDV %20"}, {"600", "YURTİÇİ SATIŞLAR"},
                 {"600.01", "TOPTAN SATIŞLAR"}})
            hesapAc(QString::fromUtf8(kod), QString::fromUtf8(ad));
        TDMuh::rutinKaydet(QLatin1Char('S'), [this](TDMuh& m, bool) {
            m.birlestirme = birlestirme;
            m.fisAc(tarih, QStringLiteral("M"), QStringLiteral("F-1"), QStringLiteral("Satış faturası"));
            for (const Satir& s : satirlar)
                m.AyrHesapGir(s.kod, s.taraf, s.tutar, s.aciklama, s.grup, s.dvzTutar, s.dvz, s.kur);
            m.FisiSakla(QStringLiteral("SATIS"), QStringLiteral("SATIS_NO"));
        });
    }

    void TearDown() override
    {
        TDMuh::rutinSil(QLatin1Char('S'));
        TDMuh::tanilama() = false;
        YearDbTest::TearDown();
    }

    // An account through the card; the first sub-account under a posting parent answers
    // the take-over question with `cevap`.
    void hesapAc(const QString& kod, const QString& ad, const QString& birim = {},
                 Prompter::Answer cevap = Prompter::Answer::Yes)
    {
        HesapKart k(db);
        k.yeni(kod);
        k.setValue(QStringLiteral("HESAP_ADI"), ad);
        const QString ana = k.anaHesap();
        if (!ana.isEmpty() && HesapPlani(db).SeviyeKontroluYap(ana))
            (**prompter).expect(ScriptedPrompter::Kind::AskYesNoCancel, HesapKart::tasimaSorusu(), cevap);
        if (!birim.isEmpty())
            k.setValue(QStringLiteral("BIRIM"), birim);
        k.save();
        ASSERT_TRUE(k.kaydedildi()) << kod.toStdString();
    }

    void satisEkle(double no)
    {
        DbTransaction tx(db);
        db.exec(QStringLiteral("INSERT INTO SATIS (SATIS_NO, CARIKOD, TIP) VALUES (:n, 'C1', 'F')"),
                {{QStringLiteral("n"), no}});
        tx.commit();
    }

    void setParam(const QString& sql, const Params& p = {})
    {
        DbTransaction tx(db);
        db.exec(sql, p);
        tx.commit();
    }

    int say(const QString& sql, const Params& p = {}) { return db.scalar(sql, p).toInt(); }

    // A balanced sale: customer debit, sales and VAT credit.
    void dengeliSatis(double net, double kdv)
    {
        satirlar = {{QStringLiteral("120.01"), QStringLiteral("B"), net + kdv},
                    {QStringLiteral("600.01"), QStringLiteral("A"), net},
                    {QStringLiteral("391.01"), QStringLiteral("A"), kdv}};
    }

    QList<Satir> satirlar;
    QString birlestirme;
    QDate tarih{2026, 3, 15};
};

} // namespace nimbo::test
