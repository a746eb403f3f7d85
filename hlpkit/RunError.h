#pragma once

#include "hlpkit/HlpkitExport.h"

#include <QByteArray>
#include <QString>

#include <exception>
#include <new>

namespace hlpkit {

class CMethod;

// The classic run-time error codes that every failure report carries.
enum RunErrorCode : int {
    InvalidCall = 5,
    Overflow = 6,
    SubscriptOutOfRange = 9,
    TypeMismatch = 13,
    BadFileName = 52,
    FileNotFound = 53,
    InputPastEndOfFile = 62,
    DeviceUnavailable = 68,
    PermissionDenied = 70,
    DiskNotReady = 71,
    PathFileAccessError = 75,
    PathNotFound = 76,
    DuplicateKey = 457, // a collection already holds the key
};

// The standard description of a run-time error code ("Overflow", "File not found", ...).
HLPKIT_EXPORT QString StandardErrorText(int code);

// The one error type thrown inside an operation; the operation's boundary turns it into
// an ErrReg report and the operation's failure value.
struct HLPKIT_EXPORT RunError {
    int code;
    QString text;

    explicit RunError(int errorCode) : code(errorCode), text(StandardErrorText(errorCode)) {}
    RunError(int errorCode, QString errorText) : code(errorCode), text(std::move(errorText)) {}
};

// The bytes of the file at `path` (at most `maxBytes` of them when that is not negative); a file
// that cannot be opened or read throws: FileNotFound when it is not there, PermissionDenied
// when it cannot be opened, PathFileAccessError when a read fails, each naming the path.
HLPKIT_EXPORT QByteArray ReadFileOrRaise(const QString& path, qint64 maxBytes = -1);

[[noreturn]] inline void Raise(int code) {
    throw RunError(code);
}

// Runs `body` as the operation named `procName`: a RunError (or any other exception) is
// reported through `method.ErrReg` and `failure` is returned instead.
template <class Result, class Body>
Result Guarded(CMethod& method, const QString& procName, Result failure, Body&& body);

} // namespace hlpkit

#include "hlpkit/CMethod.h"

namespace hlpkit {

template <class Result, class Body>
Result Guarded(CMethod& method, const QString& procName, Result failure, Body&& body) {
    try {
        return body();
    } catch (const RunError& error) {
        method.ErrReg(error.code, error.text, procName);
    } catch (const std::bad_alloc&) {
        method.ErrReg(7, StandardErrorText(7), procName);
    } catch (const std::exception& error) {
        method.ErrReg(InvalidCall, QString::fromLocal8Bit(error.what()), procName);
    }
    return failure;
}

} // namespace hlpkit
