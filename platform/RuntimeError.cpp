#include "RuntimeError.h"

namespace {

const char *descriptionOf(RuntimeErrorCode code)
{
    switch (code) {
    case RuntimeErrorCode::InvalidProcedureCall:
        return "Invalid procedure call or argument";
    case RuntimeErrorCode::Overflow:
        return "Overflow";
    case RuntimeErrorCode::OutOfMemory:
        return "Out of memory";
    case RuntimeErrorCode::DivisionByZero:
        return "Division by zero";
    case RuntimeErrorCode::InternalError:
        return "Internal error";
    }
    return "Application-defined or object-defined error";
}

} // namespace

RuntimeError::RuntimeError(RuntimeErrorCode code)
    : std::runtime_error(descriptionOf(code))
    , m_code(code)
{
}

QString RuntimeError::description() const
{
    return QString::fromLatin1(descriptionOf(m_code));
}

QString RuntimeError::report() const
{
    return QStringLiteral("Run-time error '%1':\n\n%2").arg(number()).arg(description());
}
