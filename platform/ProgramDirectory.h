#pragma once

#include <QString>

// The directory that holds the running executable (links resolved), and the
// path of a file that lies beside it.
namespace ProgramDirectory {

QString path();
QString file(const QString &fileName);

} // namespace ProgramDirectory
