#pragma once
#include "db/DbTransaction.h"
#include "support/TestEnv.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace nimbo::test {

// A year database with a logged-in user, and the moves a person makes in a window.
class WindowTest : public YearDbTest {
protected:
    void SetUp() override
    {
        YearDbTest::SetUp();
        loginAs(QStringLiteral("TEST"));
    }
    void exec(const QString& sql, const Params& p = {})
    {
        DbTransaction tx(db);
        db.exec(sql, p);
        tx.commit();
    }
    template <class T>
    static T* child(QWidget* w, const QString& name)
    {
        T* c = w->findChild<T*>(name);
        EXPECT_NE(c, nullptr) << name.toStdString();
        return c;
    }
    // Types into an editor of the window as a user would.
    static void type(QWidget* w, const QString& name, const QString& text)
    {
        auto* e = child<QLineEdit>(w, name);
        e->setFocus();
        e->selectAll();
        keys(e, text);
    }
    // Key presses carrying the text, one per character (QTest::keyClicks knows ASCII only).
    static void keys(QWidget* w, const QString& text)
    {
        for (QChar ch : text) {
            QKeyEvent press(QEvent::KeyPress, ch.unicode() < 128 ? QTest::asciiToKey(char(ch.unicode())) : 0,
                            Qt::NoModifier, QString(ch));
            QApplication::sendEvent(w, &press);
            QKeyEvent release(QEvent::KeyRelease, press.key(), Qt::NoModifier, QString(ch));
            QApplication::sendEvent(w, &release);
        }
    }
    // Leaves an editor with Tab, firing its on-exit checks.
    static void leave(QWidget* w, const QString& name)
    {
        auto* e = child<QLineEdit>(w, name);
        e->setFocus();
        QTest::keyClick(e, Qt::Key_Tab);
    }
    static void click(QWidget* w, const QString& name)
    {
        QTest::mouseClick(child<QPushButton>(w, name), Qt::LeftButton);
    }
};

} // namespace nimbo::test
