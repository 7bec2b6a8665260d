#pragma once

#include <QString>

#include <stdexcept>

// The errors the program does not handle itself. The numbers are the ones a
// player may quote when reporting a problem ("Run-time error '6'").
enum class RuntimeErrorCode {
    Overflow = 6,
    OutOfMemory = 7,
    InternalError = 51,
};

class RuntimeError : public std::runtime_error
{
public:
    explicit RuntimeError(RuntimeErrorCode code);

    RuntimeErrorCode code() const { return m_code; }
    int number() const { return static_cast<int>(m_code); }
    QString description() const;
    // The text of the message box that reports the error to the player.
    QString report() const;

private:
    RuntimeErrorCode m_code;
};
