#include "accounts/forms/CariSatirFormu.h"
#include "accounts/forms/TFormCariFatura.h"
#include "accounts/forms/TFormCariPersonel.h"
#include "accounts/forms/TFormCariSevk.h"
#include "db/DbTransaction.h"
#include "support/TestEnv.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace nimbo;
using namespace nimbo::test;

namespace {
class CariSatellites : public YearDbTest {
protected:
    void SetUp() override
    {
        YearDbTest::SetUp();
        loginAs(QStringLiteral("TEST"));
        exec(QStringLiteral("INSERT INTO CARI (CARI_KOD, FIRMA_ADI) VALUES ('C1', 'Bir'), ('C2', 'İki')"));
        exec(QStringLiteral("INSERT INTO CARISEVK (CARIKOD, SUBE, SEVKADR1) VALUES ('C2', 'DEPO', 'Başka')"));
    }
    void exec(const QString& sql)
    {
        DbTransaction tx(db);
        db.exec(sql);
        tx.commit();
    }
    // Runs what the user does in the row card that the list opens modally.
    static void onCard(const std::function<void(CariSatirFormu*)>& f)
    {
        QTimer::singleShot(0, [f] {
            auto* card = qobject_cast<CariSatirFormu*>(QApplication::activeModalWidget());
            EXPECT_NE(card, nullptr);
            if (card)
                f(card);
        });
    }
    static void set(QWidget* w, const QString& column, const QString& text)
    {
        auto* e = w->findChild<QLineEdit*>(QStringLiteral("Edit") + column);
        ASSERT_NE(e, nullptr) << column.toStdString();
        e->setText(text);
        emit e->textEdited(text);
    }
    static void sakla(CariSatirFormu* f) { QTest::mouseClick(f->findChild<QPushButton*>(QStringLiteral("BtnSAKLA")), Qt::LeftButton); }
    QStringList column(const QString& sql) const
    {
        QStringList out;
        for (const QSqlRecord& r : db.records(sql))
            out << sqlText(r.value(0));
        return out;
    }
};
} // namespace

TEST_F(CariSatellites, DispatchAddressesOfOneAccountAreAddedChangedPickedAndDeleted)
{
    TFormCariSevk w(QStringLiteral("C1"));
    w.show();
    EXPECT_EQ(w.rowCount(), 0) << "another account's branch is not listed";
    onCard([](CariSatirFormu* f) {
        set(f, QStringLiteral("SUBE"), QStringLiteral("ŞUBE 'A'"));
        set(f, QStringLiteral("SEVKADR1"), QStringLiteral("Liman Yolu"));
        sakla(f);
    });
    w.runNew();
    ASSERT_EQ(w.rowCount(), 1);
    onCard([](CariSatirFormu* f) {
        set(f, QStringLiteral("SEVKADR1"), QStringLiteral("Sanayi Sitesi"));
        sakla(f);
    });
    w.runChange();
    EXPECT_EQ(column(QStringLiteral("SELECT CARIKOD || '/' || SUBE || '/' || SEVKADR1 FROM CARISEVK ORDER BY CARIKOD")),
              (QStringList{QStringLiteral("C1/ŞUBE 'A'/Sanayi Sitesi"), QStringLiteral("C2/DEPO/Başka")}));

    // Pick mode returns the branch of the current row.
    w.setPickMode(true);
    QTest::mouseClick(w.findChild<QPushButton*>(QStringLiteral("BtnSEC")), Qt::LeftButton);
    EXPECT_EQ(w.result(), QDialog::Accepted);
    EXPECT_EQ(toText(w.selectedRecord().value(QStringLiteral("SUBE"))), QStringLiteral("ŞUBE 'A'"));

    (*prompter)->expectAsk(QStringLiteral("Kayıt Silinsin mi?"), true);
    w.runDelete();
    EXPECT_EQ(w.rowCount(), 0);
    EXPECT_EQ(column(QStringLiteral("SELECT CARIKOD FROM CARISEVK")), QStringList{QStringLiteral("C2")});
}

TEST_F(CariSatellites, InvoiceAddressCardShowsTheFieldsOfItsKindAndRefusesMissingOnes)
{
    TFormCariFatura w(QStringLiteral("C1"));
    w.show();
    bool checked = false;
    onCard([&](CariSatirFormu* f) {
        auto* kind = f->findChild<QComboBox*>(QStringLiteral("EditCINSIYET"));
        ASSERT_NE(kind, nullptr);
        kind->setCurrentIndex(kind->findData(QStringLiteral("F")));
        EXPECT_FALSE(f->editorFor(QStringLiteral("VD"))->isHidden());
        EXPECT_TRUE(f->editorFor(QStringLiteral("TCKIMLIKNO"))->isHidden());
        (*prompter)->expectWarn(QStringLiteral("Lütfen Vergi Dairesini Giriniz!"));
        sakla(f);
        EXPECT_TRUE(f->isVisible());
        EXPECT_EQ(f->focusWidget(), f->editorFor(QStringLiteral("VD")));
        set(f, QStringLiteral("VD"), QStringLiteral("Kadıköy"));
        (*prompter)->expectWarn(QStringLiteral("Lütfen Vergi Numarasını Giriniz!"));
        sakla(f);
        // A person: the tax fields go, the identity number is asked for.
        kind->setCurrentIndex(kind->findData(QStringLiteral("K")));
        EXPECT_TRUE(f->editorFor(QStringLiteral("VD"))->isHidden());
        EXPECT_FALSE(f->editorFor(QStringLiteral("TCKIMLIKNO"))->isHidden());
        (*prompter)->expectWarn(QStringLiteral("Lütfen TC Kimlik Numarasını Giriniz!"));
        sakla(f);
        set(f, QStringLiteral("TCKIMLIKNO"), QStringLiteral("12345678901"));
        set(f, QStringLiteral("ADRES_TANIM"), QStringLiteral("EV"));
        sakla(f);
        checked = true;
    });
    w.runNew();
    EXPECT_TRUE(checked);
    EXPECT_EQ(w.rowCount(), 1);
    EXPECT_EQ(column(QStringLiteral("SELECT CARIKOD || '/' || ADRES_TANIM || '/' || CINSIYET || '/' || AKTIF "
                                    "FROM CARIFATURA")),
              QStringList{QStringLiteral("C1/EV/K/E")});
}

TEST_F(CariSatellites, ContactPersonsAreRowsOfTheirOwnDeletedOneByOne)
{
    TFormCariPersonel w(QStringLiteral("C1"));
    w.show();
    for (const char* ad : {"Ayşe", "Ayşe"}) {
        onCard([ad](CariSatirFormu* f) {
            set(f, QStringLiteral("ADI"), QString::fromUtf8(ad));
            sakla(f);
        });
        w.runNew();
    }
    // Two persons with the same name are two rows; deleting one keeps the other.
    ASSERT_EQ(w.rowCount(), 2);
    (*prompter)->expectAsk(QStringLiteral("Kayıt Silinsin mi?"), true);
    w.runDelete();
    EXPECT_EQ(w.rowCount(), 1);
    EXPECT_EQ(column(QStringLiteral("SELECT ADI FROM CARIPERS WHERE CARIKOD = 'C1'")), QStringList{QStringLiteral("Ayşe")});
}
