#pragma once
// Files for the persistence tests: a temporary folder that stands in for the
// executable's folder, and the bytes of a file before and after.
#include "platform/recording_desktop.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include "support/file_bytes.h"

#include <gtest/gtest.h>

namespace rimora::test {


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
