#pragma once
// Run-time errors of the program. Every handler is run through the guard in
// platform/guard.h, which turns an escaping error into the application's error
// report; nothing is caught anywhere else, so a handler stops where it fails and
// what it already changed stays changed.
#include <QString>
#include <stdexcept>

namespace rimora {

class RimoraError : public std::runtime_error {
public:
    explicit RimoraError(const QString& message)
        : std::runtime_error(message.toStdString()), message_(message) {}
    const QString& Message() const { return message_; }

private:
    QString message_;
};

// A text that is not a number of the required kind.
class EConvertError : public RimoraError {
public:
    using RimoraError::RimoraError;
};

// An index outside a list.
class EListError : public RimoraError {
public:
    using RimoraError::RimoraError;
    static EListError OutOfBounds(long long index);
};

// A folder or file operation that failed.
class EInOutError : public RimoraError {
public:
    using RimoraError::RimoraError;
};

// A file that could not be written (a profile, the settings, an export),
// with the reason: the system's own, or what kept the program from it.
class EFileWriteError : public EInOutError {
public:
    EFileWriteError(const QString& path, const QString& reason);
    const QString& Path() const { return path_; }
    const QString& Reason() const { return reason_; }

private:
    QString path_;
    QString reason_;
};

// A wheel that cannot be worked on yet, with a message that says what to do.
class EWheelInputError : public RimoraError {
public:
    using RimoraError::RimoraError;
};

}  // namespace rimora
