#include "support/TestEnv.h"
#include "widgets/CardWindow.h"

#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <QTest>

using namespace nimbo;
using namespace nimbo::test;

namespace {
// A card whose save only records what it was given; the table name is never read.
class LogKart : public CardModel {
public:
    QString table() const override { return QStringLiteral("CARI"); }
    QStringList log;

protected:
    void store() override
    {
        log << QStringLiteral("save:") + text(QStringLiteral("ACIKLAMA"));
        if (text(QStringLiteral("ACIKLAMA")) == QStringLiteral("ret"))
            throw FieldError(QStringLiteral("Reddedildi."), QStringLiteral("ACIKLAMA"));
    }
};

// Holds a value in an unbound editor, as a grid holds an unposted row, until beforeSave().
class PendingCard : public CardWindow {
public:
    PendingCard() : CardWindow(m_kart)
    {
        auto* lay = new QVBoxLayout(this);
        pending = new QLineEdit;
        lay->addWidget(pending);
        lay->addWidget(buttonRow());
    }
    bool beforeSave() override
    {
        m_kart.log << QStringLiteral("before");
        if (pending->text() == QStringLiteral("dur")) {
            Prompter::instance().warn(QStringLiteral("Satır eksik."));
            return false;
        }
        m_kart.setValue(QStringLiteral("ACIKLAMA"), pending->text());
        return true;
    }
    QPushButton* sakla() const { return saveButton(); }
    LogKart m_kart;
    QLineEdit* pending;
};
} // namespace

TEST(CardWindowHook, EverySaveRoadPostsPendingRowsFirstAndARefusalKeepsTheCardOpen)
{
    PrompterScope prompter;
    {
        // The button: the pending value reaches the model's save; the window closes.
        PendingCard f;
        f.show();
        f.pending->setText(QStringLiteral("satır"));
        QTest::mouseClick(f.sakla(), Qt::LeftButton);
        EXPECT_EQ(f.m_kart.log, (QStringList{QStringLiteral("before"), QStringLiteral("save:satır")}));
        EXPECT_EQ(f.result(), QDialog::Accepted);
        EXPECT_FALSE(f.isVisible());
    }
    {
        // The hook refuses: the model is not saved and the window stays open.
        PendingCard f;
        f.show();
        f.pending->setText(QStringLiteral("dur"));
        prompter->expectWarn(QStringLiteral("Satır eksik."));
        EXPECT_FALSE(f.save());
        EXPECT_EQ(f.m_kart.log, QStringList{QStringLiteral("before")});
        EXPECT_TRUE(f.isVisible());
        // The model's own refusal after the hook also keeps it open.
        f.pending->setText(QStringLiteral("ret"));
        prompter->expectWarn(QStringLiteral("Reddedildi."));
        EXPECT_FALSE(f.save());
        EXPECT_TRUE(f.isVisible());
        EXPECT_EQ(f.m_kart.log.last(), QStringLiteral("save:ret"));
    }
    {
        // Yes to the unsaved-changes question saves through the hook as well.
        PendingCard f;
        f.show();
        f.m_kart.setValue(QStringLiteral("TEL1"), QStringLiteral("1"));
        f.pending->setText(QStringLiteral("kapanış"));
        prompter->expectAsk(QStringLiteral("Kaydı Saklamak İstiyormusunuz?"), true);
        f.close(); // the title-bar close goes through reject()
        EXPECT_EQ(f.m_kart.log, (QStringList{QStringLiteral("before"), QStringLiteral("save:kapanış")}));
        EXPECT_EQ(f.result(), QDialog::Accepted);
    }
}
