#pragma once
// A file's bytes, exactly: what tests compare before and after a write.
#include <QByteArray>
#include <QFile>
#include <QString>

#include <gtest/gtest.h>

namespace rimora::test {

inline QByteArray ReadBytes(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll();
}

inline void WriteBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    ASSERT_EQ(file.write(bytes), bytes.size());
}

}  // namespace rimora::test
