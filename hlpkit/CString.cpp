#include "hlpkit/CString.h"

#include "hlpkit/RunError.h"

#include <QLocale>

namespace hlpkit {

const QUuid CString::kClassId{0x01157cf0, 0x2c03, 0x4a88, 0xa5, 0xc5, 0xb3, 0xf1, 0x2b, 0x0c, 0x29, 0xaf};
const QUuid CString::kInterfaceId{0x31448dcd, 0x5c9d, 0x4e58, 0xa9, 0x77, 0x2a, 0x49, 0x58, 0xe2, 0xbc, 0x6d};

namespace {

constexpr int kEnter = 13;
constexpr int kMaxHexWidth = 4096;

bool IsDigit(int code) {
    return code >= '0' && code <= '9';
}

} // namespace

bool CString::CheckKeyAscii(int keyCode, int mode) {
    int code = keyCode;
    // Where "4,2" reads as four point two, the comma key is the decimal point key.
    bool ok = false;
    double sample = QLocale().toDouble(QStringLiteral("4,2"), &ok);
    if (code == ',' && ok && sample < 5)
        code = '.';

    const bool control = code >= 0 && code <= 30;
    const bool digit = IsDigit(code);
    switch (mode) {
    case DecimalUnsigned:
        return control || code == '.' || digit;
    case IntegerSigned:
        return control || code == '-' || digit;
    case DecimalSignedNoEnter:
    case DecimalSignedNoEnter2:
        return code != kEnter && (control || code == '-' || code == '.' || digit);
    case Digits:
        return control || digit;
    case DecimalSigned:
        return control || code == '-' || code == '.' || digit;
    case Letters:
        return control || IsABC(code);
    case YesNo:
        return code == 'Y' || code == 'y' || code == 'N' || code == 'n';
    case NonZeroDigit:
        return control || (code >= '1' && code <= '9');
    default:
        return false;
    }
}

int CString::CvToBigASC(int keyCode) {
    return (keyCode >= 'a' && keyCode <= 'z') ? keyCode - ('a' - 'A') : keyCode;
}

bool CString::IsABC(int keyCode) {
    return (keyCode >= 'A' && keyCode <= 'Z') || (keyCode >= 'a' && keyCode <= 'z');
}

QString CString::Fmt16(int value) {
    return Guarded(method_, QStringLiteral("Fmt16"), QString(), [&] {
        if (value < 0 || value > 255)
            throw RunError(Overflow,
                           StandardErrorText(Overflow) + QStringLiteral(": ") + QString::number(value));
        return QStringLiteral("%1").arg(value, 2, 16, QLatin1Char('0')).toUpper();
    });
}

QString CString::Fmt16Ex(int value, int width) {
    return Guarded(method_, QStringLiteral(" Fmt16Ex"), QString(), [&] {
        if (value < -32768 || value > 32767)
            throw RunError(Overflow,
                           StandardErrorText(Overflow) + QStringLiteral(": ") + QString::number(value));
        if (width < 0 || width > kMaxHexWidth)
            throw RunError(InvalidCall, StandardErrorText(InvalidCall) + QStringLiteral(": width ") +
                                            QString::number(width));
        QString digits = QString::number(quint16(value), 16).toUpper();
        if (digits.size() < width)
            digits.prepend(QString(width - digits.size(), QLatin1Char('0')));
        return digits;
    });
}

} // namespace hlpkit
