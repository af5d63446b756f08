#pragma once
#include <QFile>
#include <QString>
#include <gtest/gtest.h>

namespace nimbo::test {

inline QString readFile(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

// Compares a printout with its reviewed file; NIMBO_UPDATE_GOLDEN=1 rewrites the file for review.
inline void expectGolden(const QString& path, const QString& actual)
{
    if (qEnvironmentVariableIntValue("NIMBO_UPDATE_GOLDEN") == 1) {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(actual.toUtf8());
    }
    const QString expected = readFile(path);
    ASSERT_FALSE(expected.isEmpty()) << path.toStdString();
    EXPECT_EQ(actual.toStdString(), expected.toStdString()) << "golden file " << path.toStdString();
}

} // namespace nimbo::test
