#pragma once

#include <QPixmap>
#include <QString>

// The small picture shown after each answer.
enum class FeedbackPicture { Smile, Sad };

namespace FeedbackPictures {

// The name of the picture's file, which lies beside the program.
QString fileName(FeedbackPicture picture);

// The picture in the file, read afresh; an empty pixmap and one warning
// when the file is missing or can't be read as a picture.
QPixmap load(const QString &path);

} // namespace FeedbackPictures
