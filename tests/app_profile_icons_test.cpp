// The Save and Open pictures are read from Qt's own PNG files by name. They
// must give, at every size and state a button may ask for, exactly the pixels
// of an icon made from the same files the usual way (QIcon::addFile).
#include "app/profile_icons.h"

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QStyle>

#include <gtest/gtest.h>

namespace rimora {
namespace {

QIcon FromFiles(const QString& name)
{
    const QString base = QStringLiteral(":/qt-project.org/styles/commonstyle/images/") + name;
    QIcon icon;
    for (const int side : {16, 32, 128})
        icon.addFile(base + QLatin1Char('-') + QString::number(side) + QStringLiteral(".png"), QSize(side, side));
    return icon;
}

TEST(ProfileIcons, SamePixelsAsTheFilesAtEverySizeAndMode)
{
    const QStyle& style = *QApplication::style();
    const struct {
        const char* file;
        QIcon icon;
    } cases[] = {{"standardbutton-save", SaveProfileIcon(style)}, {"diropen", OpenProfileIcon(style)}};
    for (const auto& c : cases) {
        const QString name = QString::fromLatin1(c.file);
        if (!QFile::exists(QStringLiteral(":/qt-project.org/styles/commonstyle/images/") + name
                           + QStringLiteral("-16.png")))
            GTEST_SKIP() << "this Qt has no " << c.file << " pictures";
        const QIcon reference = FromFiles(name);
        ASSERT_FALSE(c.icon.isNull()) << c.file;
        for (const int side : {12, 16, 20, 22, 24, 32, 48, 64, 128, 256})
            for (const QIcon::Mode mode : {QIcon::Normal, QIcon::Disabled, QIcon::Active, QIcon::Selected}) {
                const QImage got = c.icon.pixmap(QSize(side, side), mode).toImage();
                const QImage want = reference.pixmap(QSize(side, side), mode).toImage();
                EXPECT_EQ(got.size(), want.size()) << c.file << " at " << side << " mode " << mode;
                EXPECT_TRUE(got.convertToFormat(QImage::Format_ARGB32) == want.convertToFormat(QImage::Format_ARGB32))
                    << c.file << " at " << side << " mode " << mode;
            }
    }
}

}  // namespace
}  // namespace rimora
