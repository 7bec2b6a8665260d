#include "RuntimeError.h"

#include <QCoreApplication>

namespace {

const char *descriptionOf(RuntimeErrorCode code)
{
    switch (code) {
    case RuntimeErrorCode::Overflow:
        return QT_TRANSLATE_NOOP("RuntimeError", "Overflow");
    case RuntimeErrorCode::OutOfMemory:
        return QT_TRANSLATE_NOOP("RuntimeError", "Out of memory");
    case RuntimeErrorCode::InternalError:
        return QT_TRANSLATE_NOOP("RuntimeError", "Internal error");
    }
    return QT_TRANSLATE_NOOP("RuntimeError", "Application-defined or object-defined error");
}

} // namespace

RuntimeError::RuntimeError(RuntimeErrorCode code)
    : std::runtime_error(descriptionOf(code))
    , m_code(code)
{
}

QString RuntimeError::description() const
{
    return QCoreApplication::translate("RuntimeError", descriptionOf(m_code));
}

QString RuntimeError::report() const
{
    return QCoreApplication::translate("RuntimeError", "Run-time error '%1':\n\n%2")
        .arg(number())
        .arg(description());
}
