#include "app/profile_icons.h"

#include <QFile>
#include <QImageReader>
#include <QPixmap>
#include <QStyle>

namespace rimora {

namespace {

// Qt's own pictures, the ones its styles give where the desktop has no icon
// theme, taken directly: asking the style would first search the desktop's
// icon theme, folder by folder, on the way to the first frame. Should a Qt
// lack them, the style's picture after all. They are read as PNG by name:
// a reader left to find the format itself first asks every image plugin
// (JPEG, GIF, ICO, SVG) whether it reads "png", loading each into the process.
QIcon QtPicture(const QString& name, QStyle::StandardPixmap fallback, const QStyle& style)
{
    const QString base = QStringLiteral(":/qt-project.org/styles/commonstyle/images/") + name;
    if (!QFile::exists(base + QStringLiteral("-16.png"))) return style.standardIcon(fallback);
    QIcon icon;
    for (const int side : {16, 32, 128}) {
        QImageReader reader(base + QLatin1Char('-') + QString::number(side) + QStringLiteral(".png"), "png");
        reader.setAutoDetectImageFormat(false);
        const QImage image = reader.read();
        if (!image.isNull()) icon.addPixmap(QPixmap::fromImage(image));
    }
    return icon;
}

}  // namespace

QIcon SaveProfileIcon(const QStyle& style)
{
    return QtPicture(QStringLiteral("standardbutton-save"), QStyle::SP_DialogSaveButton, style);
}

QIcon OpenProfileIcon(const QStyle& style)
{
    return QtPicture(QStringLiteral("diropen"), QStyle::SP_DirOpenIcon, style);
}

}  // namespace rimora
