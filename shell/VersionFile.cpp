#include "shell/VersionFile.h"

#include "hlpkit/RunError.h"
#include "platform/AnsiCodec.h"

#include <QFile>
#include <QFileInfo>

namespace vokg {
namespace {

constexpr int kTextBytes = 9;
constexpr int kKeyFirst = 13; // 0-based: bytes 14 to 17
constexpr int kKeyBase = 245;
constexpr int kTextBase = 242;

[[noreturn]] void OutOfRange(int code, int byteNumber) {
    throw hlpkit::RunError(
        hlpkit::InvalidCall,
        QStringLiteral("%1: byte %2 stands for the character code %3, which is no character")
            .arg(hlpkit::StandardErrorText(hlpkit::InvalidCall))
            .arg(byteNumber)
            .arg(code));
}

// The character of a single-byte code of code page 932: ASCII or a half-width katakana. A lead
// byte alone, or a byte the code page leaves undefined, is no character.
QChar Character(int code, int byteNumber) {
    if (code < 0 || code > 255)
        OutOfRange(code, byteNumber);
    if (code < 0x80)
        return QChar(char16_t(code));
    const unsigned char byte = static_cast<unsigned char>(code);
    const QString text = platform::AnsiCodec::Decode(QByteArrayView(reinterpret_cast<const char*>(&byte), 1));
    if (platform::AnsiCodec::IsLeadByte(byte) || text.size() != 1 ||
        text.at(0) == QChar::ReplacementCharacter)
        OutOfRange(code, byteNumber);
    return text.at(0);
}

} // namespace

QString VersionFile::Decode(QByteArrayView record) {
    if (record.size() < kRecordLength)
        throw hlpkit::RunError(hlpkit::InputPastEndOfFile,
                               QStringLiteral("%1: the file holds %2 bytes; a version record is %3")
                                   .arg(hlpkit::StandardErrorText(hlpkit::InputPastEndOfFile))
                                   .arg(record.size())
                                   .arg(kRecordLength));
    const auto byteAt = [&](int index) { return int(static_cast<unsigned char>(record[index])); };
    // The key: the digits the last four bytes stand for (any other character counts 0). Four
    // digits sum to 36 at most, so the key always fits its byte.
    int key = 0;
    for (int index = kKeyFirst; index < kRecordLength; ++index) {
        const int code = kKeyBase - byteAt(index);
        if (code < 0 || code > 255)
            OutOfRange(code, index + 1);
        if (code >= '0' && code <= '9')
            key += code - '0';
    }
    QString text;
    for (int index = 0; index < kTextBytes; ++index) {
        if (byteAt(index) == 0)
            break;
        text += Character(kTextBase - byteAt(index) + key, index + 1);
    }
    return text;
}

std::optional<QString> VersionFile::ReadVersionVok(const QString& path, hlpkit::CMethod& method) {
    std::optional<QString> text;
    hlpkit::Guarded(method, QStringLiteral("ReadVersionVok"), false, [&] {
        const QByteArray record = hlpkit::ReadFileOrRaise(path, kRecordLength);
        text = Decode(record);
        return true;
    });
    return text;
}

} // namespace vokg
