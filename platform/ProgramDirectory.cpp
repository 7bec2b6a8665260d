#include "ProgramDirectory.h"

#include <QCoreApplication>

namespace ProgramDirectory {

QString path()
{
    return QCoreApplication::applicationDirPath();
}

QString file(const QString &fileName)
{
    return path() + u'/' + fileName;
}

} // namespace ProgramDirectory
