#include "FeedbackPicture.h"

#include "MediaLog.h"

#include <QDir>
#include <QFileInfo>
#include <QImageReader>

namespace FeedbackPictures {

QString fileName(FeedbackPicture picture)
{
    switch (picture) {
    case FeedbackPicture::Smile:
        return QStringLiteral("smile.gif");
    case FeedbackPicture::Sad:
        return QStringLiteral("sad.gif");
    }
    Q_UNREACHABLE();
}

QPixmap load(const QString &path, qreal devicePixelRatio)
{
    constexpr qreal SharpRatio = 2;
    if (devicePixelRatio > 1) {
        const QFileInfo file(path);
        QImage sharp(file.dir().filePath(file.completeBaseName() + QStringLiteral("@2x.png")));
        if (!sharp.isNull()) {
            sharp.setDevicePixelRatio(SharpRatio);
            return QPixmap::fromImage(sharp);
        }
    }
    QImageReader reader(path);
    const QImage image = reader.read();
    if (image.isNull()) {
        qCWarning(lcMedia).noquote()
            << QStringLiteral("Cannot show the picture %1: %2").arg(path, reader.errorString());
        return {};
    }
    return QPixmap::fromImage(image);
}

} // namespace FeedbackPictures
