#pragma once

#include <QPixmap>
#include <QString>

// The small picture shown after each answer.
enum class FeedbackPicture { Smile, Sad };

namespace FeedbackPictures {

// The name of the picture's file, which lies beside the program.
QString fileName(FeedbackPicture picture);

// The picture in the file, read afresh; an empty pixmap and one warning
// when the file is missing or can't be read as a picture. On a screen
// denser than the layout's, "smile.gif" is read from "smile@2x.png"
// beside it when that can be read, to be drawn sharp at the same size.
QPixmap load(const QString &path, qreal devicePixelRatio = 1);

} // namespace FeedbackPictures
