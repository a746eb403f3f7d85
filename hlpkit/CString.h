#pragma once

#include "hlpkit/CMethod.h"
#include "hlpkit/HlpObject.h"

#include <QString>

namespace hlpkit {

// Key-code and string helpers. A key code is a character code as a key press delivers it;
// codes 0 to 30 are control keys.
class HLPKIT_EXPORT CString : public HlpObject {
public:
    static const QUuid kClassId;
    static const QUuid kInterfaceId;
    QUuid ClassId() const override { return kClassId; }
    QUuid InterfaceId() const override { return kInterfaceId; }

    // Input modes of CheckKeyAscii.
    enum KeyMode : int {
        DecimalUnsigned = 1,      // control, ".", digits
        IntegerSigned = 2,        // control, "-", digits
        DecimalSignedNoEnter = 3, // control, "-", ".", digits; Enter rejected
        Digits = 4,               // control, digits
        DecimalSigned = 5,        // control, "-", ".", digits
        Letters = 6,              // control, "A"-"Z", "a"-"z"
        YesNo = 7,                // "Y", "y", "N", "n" only
        NonZeroDigit = 8,         // control, "1"-"9"
        DecimalSignedNoEnter2 = 9 // as DecimalSigned, Enter rejected
    };

    // Whether the key is accepted in the given input mode. Where the comma is the decimal
    // separator of the current locale, a comma key counts as ".".
    bool CheckKeyAscii(int keyCode, int mode);

    // The code of the upper-case form of the character (single-byte letters only).
    int CvToBigASC(int keyCode);

    // True for "A" to "Z" and "a" to "z".
    bool IsABC(int keyCode);

    // Two upper-case hexadecimal digits of a byte value; "" (reported) outside 0..255.
    QString Fmt16(int value);

    // Upper-case hexadecimal form of a 16-bit value (negative ones as four-digit two's
    // complement), padded on the left with "0" to `width`; never shortened. "" (reported) when
    // the value is not a 16-bit value or the width is negative or beyond any sensible field.
    QString Fmt16Ex(int value, int width);

private:
    CMethod method_;
};

} // namespace hlpkit
