#include "app/TurkishLocale.h"

#include <QCalendarWidget>
#include <QCoreApplication>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QTranslator>
#include <gtest/gtest.h>

using namespace nimbo;

namespace {
QString plain(QAbstractButton* b) { return b ? b->text().remove(QLatin1Char('&')) : QString(); }
} // namespace

// Qt's own buttons, month and day names and number formats come out in Turkish.
TEST(TurkishLocale, QtDialogsAndCalendarsSpeakTurkish)
{
    const QLocale before;
    QTranslator* t = useTurkishLocale();
    ASSERT_NE(t, nullptr) << "qt6-translations-l10n";
    QMessageBox box(QMessageBox::Question, QStringLiteral("Soru"), QStringLiteral("Kayıt Silinsin mi?"),
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel | QMessageBox::Ok);
    EXPECT_EQ(plain(box.button(QMessageBox::Yes)), QStringLiteral("Evet"));
    EXPECT_EQ(plain(box.button(QMessageBox::No)), QStringLiteral("Hayır"));
    EXPECT_EQ(plain(box.button(QMessageBox::Cancel)), QStringLiteral("İptal"));
    EXPECT_EQ(plain(box.button(QMessageBox::Ok)), QStringLiteral("Tamam"));

    QCalendarWidget calendar;
    EXPECT_EQ(calendar.locale().monthName(1), QStringLiteral("Ocak"));
    EXPECT_EQ(calendar.locale().dayName(1), QStringLiteral("Pazartesi"));
    EXPECT_EQ(QLocale().toString(1234.5, 'f', 2), QStringLiteral("1.234,50"));
    EXPECT_EQ(QLocale().toString(QDate(2026, 3, 5), QStringLiteral("d MMMM yyyy")), QStringLiteral("5 Mart 2026"));

    QCoreApplication::removeTranslator(t);
    delete t;
    QLocale::setDefault(before);
}
