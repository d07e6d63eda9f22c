#include "app/profile_icons.h"

#include <QFile>
#include <QStyle>

namespace rimora {

namespace {

// Qt's own pictures, the ones its styles give where the desktop has no icon
// theme, taken directly: asking the style would first search the desktop's
// icon theme, folder by folder, on the way to the first frame. Should a Qt
// lack them, the style's picture after all.
QIcon QtPicture(const QString& name, QStyle::StandardPixmap fallback, const QStyle& style)
{
    const QString base = QStringLiteral(":/qt-project.org/styles/commonstyle/images/") + name;
    if (!QFile::exists(base + QStringLiteral("-16.png"))) return style.standardIcon(fallback);
    QIcon icon;
    for (const int side : {16, 32, 128})
        icon.addFile(base + QLatin1Char('-') + QString::number(side) + QStringLiteral(".png"), QSize(side, side));
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
