#include "services/SessionContext.h"
#include "support/WindowTest.h"
#include "widgets/CardWindow.h"
#include "widgets/ErrorPresenter.h"

#include <QDateEdit>
#include <QSqlError>
#include <QTableWidget>
#include <QVBoxLayout>

using namespace nimbo;
using namespace nimbo::test;

namespace {
// A card guarded by the stock right that keeps what it stores.
class ProbeCard : public CardModel {
public:
    QString table() const override { return QStringLiteral("STOK"); }
    EditRight right() const override { return {QStringLiteral("STKART"), EditRight::Policy::Strict}; }
    int stored = 0;

protected:
    void store() override
    {
        if (!toDate(value(QStringLiteral("FYT_TRH"))).isValid() && value(QStringLiteral("STOK_ADI_TR")) == "tarihsiz")
            throw FieldError(QStringLiteral("Tarih Giriniz."), QStringLiteral("FYT_TRH"));
        ++stored;
    }
};

// A card window with a bound name and date, a grid of its own and a command of its own.
class ProbeWindow : public CardWindow {
public:
    ProbeWindow() : CardWindow(card)
    {
        auto* lay = new QVBoxLayout(this);
        name = new QLineEdit;
        name->setObjectName(QStringLiteral("EditSTOK_ADI_TR"));
        date = new QDateEdit;
        date->setObjectName(QStringLiteral("EditFYT_TRH"));
        grid = new QTableWidget(1, 1);
        command = new QPushButton(QStringLiteral("Fiyat Hesapla"));
        history = new QPushButton(QStringLiteral("Geçmiş"));
        markViewCommand(history);
        for (QWidget* w : {static_cast<QWidget*>(name), static_cast<QWidget*>(date), static_cast<QWidget*>(grid),
                           static_cast<QWidget*>(command), static_cast<QWidget*>(history)})
            lay->addWidget(w);
        lay->addWidget(buttonRow());
        bind(name, QStringLiteral("STOK_ADI_TR"));
        bind(date, QStringLiteral("FYT_TRH"));
        showModel();
    }
    ProbeCard card;
    QLineEdit* name;
    QDateEdit* date;
    QTableWidget* grid;
    QPushButton* command;
    QPushButton* history;
};

class CardScaffolding : public WindowTest {};
} // namespace

// The card's right decides once for every card built on the scaffolding: "H" edits and
// saves; "O" and any other letter show the card read-only, grey Sakla from the start and
// the model refuses a save all the same.
TEST_F(CardScaffolding, ViewOnlyCardLocksEditorsGridsAndCommandsAndRefusesTheSave)
{
    for (const char* letter : {"H", "O", "E", "-"}) {
        SCOPED_TRACE(letter);
        SessionContext::current().setHak(QStringLiteral("STKART"), QLatin1String(letter));
        const bool full = QLatin1String(letter) == QLatin1String("H");
        ProbeWindow w;
        w.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
        EXPECT_EQ(w.viewOnly(), !full);
        EXPECT_EQ(w.name->isReadOnly(), !full);
        EXPECT_EQ(w.date->isReadOnly(), !full);
        EXPECT_EQ(w.grid->editTriggers() == QAbstractItemView::NoEditTriggers, !full);
        EXPECT_EQ(w.command->isEnabled(), full);
        EXPECT_TRUE(w.history->isEnabled()) << "showing something stays possible";
        EXPECT_EQ(child<QPushButton>(&w, QStringLiteral("BtnSAKLA"))->isEnabled(), full);
        EXPECT_TRUE(child<QPushButton>(&w, QStringLiteral("BtnVAZGEC"))->isEnabled());

        type(&w, QStringLiteral("EditSTOK_ADI_TR"), QStringLiteral("Yeni"));
        EXPECT_EQ(w.card.text(QStringLiteral("STOK_ADI_TR")), full ? QStringLiteral("Yeni") : QString());
        w.card.setValue(QStringLiteral("STOK_ADI_TR"), QStringLiteral("zorla"));
        if (!full)
            (*prompter)->expectWarn(QStringLiteral("Bu Kaydı Değiştirme Yetkiniz Yok."));
        EXPECT_EQ(w.save(), full);
        EXPECT_EQ(w.card.stored, full ? 1 : 0);
        if (!full)
            w.close(); // a view-only card closes without the unsaved-changes question
        EXPECT_FALSE(w.isVisible());
    }
}

// A date without a value shows an empty field (not 14.09.1752), Delete empties a date,
// and a refusal about the date puts the cursor there.
TEST_F(CardScaffolding, EmptyDateShowsBlankAndIsClearable)
{
    ProbeWindow w;
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    EXPECT_TRUE(w.date->text().trimmed().isEmpty()) << w.date->text().toStdString();

    w.date->setDate(QDate(2026, 3, 14));
    EXPECT_EQ(toDate(w.card.value(QStringLiteral("FYT_TRH"))), QDate(2026, 3, 14));
    EXPECT_EQ(w.date->text(), QStringLiteral("14.03.2026"));
    w.date->setFocus();
    QTest::keyClick(w.date, Qt::Key_Delete);
    EXPECT_TRUE(w.card.value(QStringLiteral("FYT_TRH")).isNull());
    EXPECT_TRUE(w.date->text().trimmed().isEmpty());

    w.card.setValue(QStringLiteral("FYT_TRH"), QDate(2025, 1, 2));
    w.showColumn(QStringLiteral("FYT_TRH"));
    EXPECT_EQ(w.date->text(), QStringLiteral("02.01.2025"));
    w.card.setValue(QStringLiteral("FYT_TRH"), QVariant());
    w.showColumn(QStringLiteral("FYT_TRH"));
    EXPECT_TRUE(w.date->text().trimmed().isEmpty());

    w.card.setValue(QStringLiteral("STOK_ADI_TR"), QStringLiteral("tarihsiz"));
    w.name->setFocus();
    (*prompter)->expectWarn(QStringLiteral("Tarih Giriniz."));
    EXPECT_FALSE(w.save());
    EXPECT_EQ(QApplication::focusWidget(), w.date);
}

// Refusals reach the field (and line) they name; database errors read as a store failure
// for saves and as "Hata:" with the text elsewhere.
TEST(ErrorPresenterTest, RefusalsFocusTheirFieldAndDatabaseErrorsReadByUse)
{
    PrompterScope prompter;
    QString column;
    int line = -2;
    auto focus = [&](const QString& c, int l) {
        column = c;
        line = l;
    };
    prompter->expectInfo(QStringLiteral("Miktar Giriniz."));
    EXPECT_FALSE(ErrorPresenter::run(
        [] { throw FieldError::onLine(QStringLiteral("Miktar Giriniz."), 3, QStringLiteral("MIKTAR"), FieldError::Kind::Info); },
        ErrorPresenter::ErrorText, focus));
    EXPECT_EQ(column, QStringLiteral("MIKTAR"));
    EXPECT_EQ(line, 3);

    const QSqlError unique(QStringLiteral("driver"), QStringLiteral("UNIQUE constraint failed: STOK.STOK_NO"),
                           QSqlError::StatementError, QStringLiteral("2067"));
    prompter->expectWarn(QStringLiteral("Aynı Kodlu Kayıt Var."));
    EXPECT_FALSE(ErrorPresenter::run([&] { throw DbError(unique); }, ErrorPresenter::Store));
    prompter->expectError(QStringLiteral("Hata:UNIQUE constraint failed: STOK.STOK_NO"));
    EXPECT_FALSE(ErrorPresenter::run([&] { throw DbError(unique); }));

    prompter->expectWarn(QStringLiteral("Stok Bulunamadı."));
    EXPECT_FALSE(ErrorPresenter::run([] { throw UserError(QStringLiteral("Stok Bulunamadı.")); }));
    EXPECT_TRUE(ErrorPresenter::run([] {}));
    EXPECT_THROW(ErrorPresenter::run([] { throw std::logic_error("not ours"); }), std::logic_error);
}
