#include "RuntimeError.h"

#include <QCoreApplication>

namespace {

const char *descriptionOf(RuntimeErrorCode code)
{
    switch (code) {
    case RuntimeErrorCode::Overflow:
        //: Name of an error after "Run-time error '6':": a number too large
        return QT_TRANSLATE_NOOP("RuntimeError", "Overflow");
    case RuntimeErrorCode::OutOfMemory:
        //: Name of an error after "Run-time error '7':"
        return QT_TRANSLATE_NOOP("RuntimeError", "Out of memory");
    case RuntimeErrorCode::InternalError:
        //: Name of an error after "Run-time error '51':"
        return QT_TRANSLATE_NOOP("RuntimeError", "Internal error");
    }
    //: Name of an error of any other number
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
    //: Message box before the program ends: %1 the error's number, %2 its name
    return QCoreApplication::translate("RuntimeError", "Run-time error '%1':\n\n%2")
        .arg(number())
        .arg(description());
}
