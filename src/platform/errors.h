#pragma once
// Library errors that a handler does not catch itself. The handler guard turns them into an
// error box with their text, like the toolkit's unhandled-error box.
#include <QString>
#include <stdexcept>

class PlatformError : public std::runtime_error {
public:
    explicit PlatformError(const QString& text) : std::runtime_error(text.toStdString()), text_(text) {}
    const QString& text() const { return text_; }

private:
    QString text_;
};

// A text that is not a number ("'%s' is not a valid integer value", ...).
class EConvertError : public PlatformError {
public:
    using PlatformError::PlatformError;
};

// The serial port component.
class ECommsError : public PlatformError {
public:
    using PlatformError::PlatformError;
};

// A file that cannot be opened, read or written.
class EInOutError : public PlatformError {
public:
    using PlatformError::PlatformError;
};

// An index or position out of its range.
class ERangeError : public PlatformError {
public:
    using PlatformError::PlatformError;
};

// The system refused a request (device name table, ...); the text is the system's description.
class EOSError : public PlatformError {
public:
    using PlatformError::PlatformError;
};
