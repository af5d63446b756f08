#include "accounts/forms/EkstreDosyasi.h"
#include "accounts/forms/TFormCariBr.h"
#include "accounts/forms/TFormCariHrk.h"
#include "accounts/forms/TFormMailCHrkGonder.h"
#include "accounts/forms/TFormMailGonder.h"
#include "app/AllWindows.h"
#include "services/SessionContext.h"
#include "support/SmtpTestServer.h"
#include "support/WindowTest.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QJsonArray>
#include <QLabel>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTemporaryDir>

using namespace nimbo;
using namespace nimbo::test;

namespace {

class MailWindows : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        SessionContext& s = SessionContext::current();
        s.param.YERELDOVIZ = "TL";
        s.param.RDOVIZ1 = "USD";
        s.param.RDOVIZ2 = "EUR";
        s.param.kimlik.ad = "NİMBO DEMO TİCARET A.Ş.";
        // Twelve accounts; only the 3rd, 7th and 11th have an address.
        for (int i = 1; i <= 12; ++i) {
            const QString kod = QStringLiteral("120.01.%1").arg(i, 3, 10, QLatin1Char('0'));
            const QString email = (i == 3 || i == 7 || i == 11) ? QStringLiteral("c%1@musteri.com.tr").arg(i) : QString();
            exec("INSERT INTO CARI (CARI_KOD, FIRMA_ADI, EMAIL, PASIF) VALUES (:k, :a, :e, 'A')",
                 {{"k", kod}, {"a", QStringLiteral("Güneş Kırtasiye %1").arg(i)}, {"e", email.isEmpty() ? QVariant() : email}});
            exec("INSERT INTO FINHRK (KODU, TARIH, BORC, ALACAK, BORC_DVZ, ALACAK_DVZ, DOVIZ_KODU, ISLEM_TIP, ISLEM_TIP2, "
                 "ACIKLAMA) VALUES (:k, :t, :b, 0, :b, 0, 'TL', 'C', 'S', 'Satış faturası')",
                 {{"k", kod}, {"t", QDateTime(QDate(2026, 3, i), QTime(10, 0))}, {"b", 1000.0 * i}});
        }
    }

    static void settings(QWidget* w, const SmtpTestServer& server)
    {
        type(w, "EditPOSTASUNUCUSU", "127.0.0.1");
        type(w, "EditNETPORT", QString::number(server.port()));
        type(w, "EditEMAIL", "muhasebe@demo.com.tr");
        type(w, "EditFIRMA_ADI", "DEMO TİCARET");
    }

    static QWidget* topLevel(const QString& name)
    {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == name && w->isVisible())
                return w;
        return nullptr;
    }
};

QByteArray attachmentData(const QJsonObject& message, int i = 0)
{
    return QByteArray::fromBase64(
        message["attachments"].toArray().at(i).toObject()["data"].toString().toLatin1());
}

} // namespace

// The account list hands its accounts to the batch window; of twelve, the three with an
// address are tried, the one the server refuses is listed with its reason at the top of the
// memo, the count reads "12 Kayıttan 3.Email Yollandı.", the two others arrive with the
// salutation, the free text and the statement file byte for byte. Closing after the settings
// changed offers to store them in EKIM.
TEST_F(MailWindows, BatchFromTheAccountListSendsEachAccountItsStatement)
{
    SmtpTestServer::Options o;
    o.reject = {QStringLiteral("c7@musteri.com.tr")};
    SmtpTestServer server(o);
    registerAllWindows();
    TFormCariBr list;
    list.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&list));
    ASSERT_TRUE(list.locate("120.01.001"));
    click(&list, "BtnTFormMailGonder");
    auto* w = qobject_cast<TFormMailGonder*>(topLevel("TFormMailGonder"));
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Cari Ektstreleri E-Postayla Yolla"));
    EXPECT_EQ(child<QComboBox>(w, "CmbEKSTRETURU")->count(), 5);

    settings(w, server);
    child<QPlainTextEdit>(w, "MemoEKYAZI")->setPlainText("Ekstreniz ektedir.\nİyi çalışmalar dileriz.");
    QComboBox* bicim = child<QComboBox>(w, "CmbBICIM");
    bicim->setCurrentIndex(bicim->findData("Word"));
    QSignalSpy done(w, &TFormMailGonder::bitti);
    click(w, "BtnGONDER");
    EXPECT_FALSE(child<QPushButton>(w, "BtnGONDER")->isEnabled());
    ASSERT_TRUE(done.wait(20000));

    EXPECT_EQ(w->ilerlemeMetni(), QStringLiteral("12 Kayıttan 3.Email Yollandı."));
    EXPECT_EQ(child<QLabel>(w, "LblDURUM")->text(), QStringLiteral("Bitti."));
    EXPECT_EQ(w->gitmeyenler(), QStringList{QStringLiteral("Güneş Kırtasiye 7 c7@musteri.com.tr")});
    const QString memo = child<QPlainTextEdit>(w, "MemoDURUM")->toPlainText();
    EXPECT_TRUE(memo.startsWith(QStringLiteral("ERROR: Alıcı adresi posta sunucusu tarafından kabul edilmedi")))
        << memo.toStdString();
    EXPECT_TRUE(memo.contains(QStringLiteral("550")));

    const QList<QJsonObject> got = server.received();
    ASSERT_EQ(got.size(), 2);
    EXPECT_EQ(got[0]["rcpt_tos"].toArray().first().toString(), QStringLiteral("c3@musteri.com.tr"));
    EXPECT_EQ(got[1]["rcpt_tos"].toArray().first().toString(), QStringLiteral("c11@musteri.com.tr"));
    EXPECT_EQ(got[1]["subject"].toString(), QStringLiteral("Cari Ekstreniz"));
    EXPECT_EQ(got[1]["from_name"].toString(), QStringLiteral("DEMO TİCARET"));
    EXPECT_EQ(got[1]["body"].toString().remove('\r'),
              QStringLiteral("Sayın Güneş Kırtasiye 11\nEkstreniz ektedir.\nİyi çalışmalar dileriz."));
    EXPECT_EQ(got[1]["attachments"].toArray().first().toObject()["filename"].toString(), QStringLiteral("CariExtr.rtf"));
    // The same statement exported by hand is the same file.
    QTemporaryDir dir;
    const MailAttachment own = EkstreDosyasi::yaz(
        EkstreDosyasi::rapor(db, "120.01.011", {}, CariEkstreRaporu::Bicim::Yerel), "Word", dir.path(), "CariExtr");
    EXPECT_EQ(attachmentData(got[1]), own.data);
    EXPECT_TRUE(own.data.contains("120.01.011"));

    (*prompter)->expectAsk("Mail Bağlantı Ayarları Bilgilerinizi Değiştirdiniz. Saklansın mı?", true);
    w->close();
    const MailAyarlari stored = MailAyarlari::oku(db);
    EXPECT_EQ(stored.postaSunucusu, QStringLiteral("127.0.0.1"));
    EXPECT_EQ(stored.netPort, QString::number(server.port()));
    EXPECT_EQ(stored.firmaAdi, QStringLiteral("DEMO TİCARET"));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// The single window: salutation off leaves the free text, the statement of the window's
// date range written into the body when not attached, an extra file with its content type
// ("Dosya Ekle" refuses without one); a send that fails is shown as an error.
TEST_F(MailWindows, SingleAccountWithTextBodyExtraFileAndFailure)
{
    SmtpTestServer server;
    MailAyarlari a;
    a.postaSunucusu = "127.0.0.1";
    a.netPort = QString::number(server.port());
    a.email = "muhasebe@demo.com.tr";
    a.firmaAdi = "DEMO TİCARET";
    a.sakla(db);

    CariEkstreFiltre f;
    f.tarihBas = QDate(2026, 3, 1);
    f.tarihBit = QDate(2026, 3, 31);
    TFormMailCHrkGonder w("120.01.003", f);
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    EXPECT_EQ(child<QLineEdit>(&w, "EditALICI")->text(), QStringLiteral("c3@musteri.com.tr"));
    child<QCheckBox>(&w, "ChkHITAP")->setChecked(false);
    child<QCheckBox>(&w, "ChkDOSYAEKI")->setChecked(false);
    child<QComboBox>(&w, "CmbEKSTRETURU")->setCurrentIndex(1);
    child<QPlainTextEdit>(&w, "MemoEKYAZI")->setPlainText("Mutabakat için dönüşünüzü bekleriz.");

    QTemporaryDir dir;
    const QString extra = dir.filePath("not.txt");
    QFile file(extra);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("Ödeme planı");
    file.close();
    EkstreMailPenceresi::dosyaSecici() = [extra](QWidget*) { return extra; };
    child<QLineEdit>(&w, "EditCONTENTTYPE")->clear();
    (*prompter)->expectWarn("Indicate ContentType first");
    click(&w, "BtnDOSYAEKLE");
    type(&w, "EditCONTENTTYPE", "text/plain");
    click(&w, "BtnDOSYAEKLE");

    QSignalSpy done(&w, &TFormMailCHrkGonder::bitti);
    click(&w, "BtnGONDER");
    ASSERT_TRUE(done.wait(10000));
    EXPECT_EQ(done.first().first().toString(), QString());
    const QList<QJsonObject> got = server.received();
    ASSERT_EQ(got.size(), 1);
    const QString body = got[0]["body"].toString().remove('\r');
    EXPECT_TRUE(body.startsWith(QStringLiteral("Mutabakat için dönüşünüzü bekleriz.\n"))) << body.toStdString();
    EXPECT_TRUE(body.contains(TFormMailCHrkGonder::baslik(f.tarihBas, f.tarihBit))) << body.toStdString();
    EXPECT_TRUE(body.contains(QStringLiteral("Güneş Kırtasiye 3")));
    const QJsonArray att = got[0]["attachments"].toArray();
    ASSERT_EQ(att.size(), 1);
    EXPECT_EQ(att[0].toObject()["filename"].toString(), QStringLiteral("not.txt"));
    EXPECT_EQ(att[0].toObject()["content_type"].toString(), QStringLiteral("text/plain"));
    EXPECT_EQ(attachmentData(got[0]), QByteArray("Ödeme planı"));
    EkstreMailPenceresi::dosyaSecici() = {};

    // Nobody listens on the port any more: the error is shown and the window is ready again.
    type(&w, "EditNETPORT", QString::number(SmtpTestServer::unusedPort()));
    (*prompter)->expectError("Posta sunucusuna bağlanılamadı*");
    click(&w, "BtnGONDER");
    ASSERT_TRUE(done.wait(10000));
    EXPECT_TRUE(child<QPlainTextEdit>(&w, "MemoDURUM")->toPlainText().startsWith("ERROR: Posta sunucusuna bağlanılamadı"));
    EXPECT_TRUE(child<QPushButton>(&w, "BtnGONDER")->isEnabled());
    (*prompter)->expectAsk("Mail Bağlantı Ayarları Bilgilerinizi Değiştirdiniz. Saklansın mı?", false);
    w.close();
    EXPECT_EQ(MailAyarlari::oku(db), a);
}

// The statement hands the single window its account and, without a start date of its own,
// the day of the current movement row.
TEST_F(MailWindows, StatementOpensTheSingleWindowFromItsCurrentRow)
{
    registerAllWindows();
    TFormCariHrk statement("120.01.003");
    statement.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&statement));
    ASSERT_EQ(toDate(statement.currentRecord().value("TARIH")), QDate(2026, 3, 3));
    click(&statement, "BtnMAIL");
    auto* w = qobject_cast<TFormMailCHrkGonder*>(topLevel("TFormMailCHrkGonder"));
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->filtre().tarihBas, QDate(2026, 3, 3));
    EXPECT_FALSE(w->filtre().tarihBit.isValid());
    EXPECT_EQ(child<QLineEdit>(w, "EditALICI")->text(), QStringLiteral("c3@musteri.com.tr"));
    w->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// A server that never answers does not freeze the window: the batch runs on, "İptal"
// stops it within moments, the account under way is listed as cancelled.
TEST_F(MailWindows, CancelStopsABatchStuckOnASilentServer)
{
    SmtpTestServer::Options o;
    o.mode = SmtpTestServer::Mode::Silent;
    SmtpTestServer server(o);
    TFormMailGonder w({"120.01.003", "120.01.007", "120.01.011"});
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    settings(&w, server);
    QSignalSpy done(&w, &TFormMailGonder::bitti);
    click(&w, "BtnGONDER");
    // The window keeps handling events while the worker waits for the server.
    QTest::qWait(300);
    EXPECT_TRUE(done.isEmpty());
    EXPECT_TRUE(child<QPushButton>(&w, "BtnIPTAL")->isEnabled());
    click(&w, "BtnIPTAL");
    ASSERT_TRUE(done.wait(10000));
    EXPECT_EQ(child<QLabel>(&w, "LblDURUM")->text(), QStringLiteral("İptal Edildi."));
    EXPECT_EQ(w.ilerlemeMetni(), QStringLiteral("3 Kayıttan 1.Email Yollandı."));
    EXPECT_EQ(w.gitmeyenler(), QStringList{QStringLiteral("Güneş Kırtasiye 3 c3@musteri.com.tr")});
    EXPECT_TRUE(child<QPlainTextEdit>(&w, "MemoDURUM")->toPlainText().startsWith("ERROR: Gönderim iptal edildi"));

    // Closing the window in the middle of a send stops the walk; nothing runs on afterwards.
    click(&w, "BtnGONDER");
    QTest::qWait(200);
    (*prompter)->expectAsk("Mail Bağlantı Ayarları Bilgilerinizi Değiştirdiniz. Saklansın mı?", false);
    w.close();
    QTest::qWait(200);
    EXPECT_EQ(done.size(), 1);
    EXPECT_TRUE(server.received().isEmpty());
}
