#include "Artwork.h"

#include <QDirIterator>
#include <QFileInfo>
#include <QHash>

namespace qh {
namespace {

// Every picture under :/art by its lower-case base name.
const QHash<QString, QString>& PicturesByName()
{
    static const QHash<QString, QString> pictures = [] {
        QHash<QString, QString> found;
        QDirIterator it(QStringLiteral(":/art"), QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            found.insert(QFileInfo(path).completeBaseName().toLower(), path);
        }
        return found;
    }();
    return pictures;
}

} // namespace

QPixmap LoadSkinBitmap(const QString& name)
{
    const auto& pictures = PicturesByName();
    const auto it = pictures.constFind(name.toLower());
    return it == pictures.constEnd() ? QPixmap() : QPixmap(it.value());
}

QIcon ApplicationIcon()
{
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128, 256}) {
        const QPixmap pixmap = LoadSkinBitmap(QStringLiteral("appIcon%1").arg(size));
        if (!pixmap.isNull())
            icon.addPixmap(pixmap);
    }
    return icon;
}

} // namespace qh
