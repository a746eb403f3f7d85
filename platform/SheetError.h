#pragma once

#include <QString>

#include <stdexcept>

namespace platform {

// What a sheet operation throws: a numeric code in the classic run-time numbering (1004 for a
// property value the sheet refuses, 75 for a file that cannot be written, 68 for a missing
// printer) and a text that says what was wrong. The exports turn it into their own error type.
class SheetError : public std::runtime_error {
public:
    enum : int {
        DeviceUnavailable = 68,
        PathFileAccessError = 75,
        ApplicationDefined = 1004,
    };

    SheetError(int code, const QString& text) : std::runtime_error(text.toStdString()), code_(code) {}

    int Code() const { return code_; }
    QString Text() const { return QString::fromStdString(what()); }

private:
    int code_;
};

} // namespace platform
