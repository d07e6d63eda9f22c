#pragma once
// Files for the persistence tests: a temporary folder that stands in for the
// executable's folder, and the bytes of a file before and after.
#include "platform/recording_desktop.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
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

// Every test gets an empty executable folder of its own and a desktop that
// records instead of opening dialogs.
class PersistTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir_.isValid());
        desktop_.executableFolder = dir_.path();
    }
    QString PathOf(const QString& name) const { return dir_.filePath(name); }

    QTemporaryDir dir_;
    ScopedRecordingDesktop desktop_;
};

}  // namespace rimora::test
