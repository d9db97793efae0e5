#pragma once

#include <QByteArray>
#include <QString>
#include <exception>

namespace orv {

/// Base of every error the suite raises; carries one fixed, translatable message.
class Exception : public std::exception {
public:
    explicit Exception(const QString& message);
    const char* what() const noexcept override { return fUtf8.constData(); }
    const QString& Message() const noexcept { return fMessage; }

private:
    QString fMessage;
    QByteArray fUtf8;
};

class EConvertError : public Exception {
public:
    using Exception::Exception;
};

class EMathError : public Exception {
public:
    using Exception::Exception;
};

// The floating-point unit's own errors; they are math errors, as on the 80-bit unit.
class EInvalidOp : public EMathError {
public:
    using EMathError::EMathError;
};
class EOverflow : public EMathError {
public:
    using EMathError::EMathError;
};
class EUnderflow : public EMathError {
public:
    using EMathError::EMathError;
};
class EZeroDivide : public EMathError {
public:
    using EMathError::EMathError;
};

class EIntError : public Exception {
public:
    using Exception::Exception;
};
/// Integer division by zero.
class EDivByZero : public EIntError {
public:
    using EIntError::EIntError;
};

} // namespace orv
