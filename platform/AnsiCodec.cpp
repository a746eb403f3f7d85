#include "platform/AnsiCodec.h"

#include <iconv.h>

#include <array>
#include <cstdint>
#include <optional>

namespace platform {
namespace {

// "CP932", not "SHIFT_JIS": the latter maps 0x5C and 0x7E to yen sign and overline.
constexpr const char* kCodePage = "CP932";

// Marks a table slot with no mapping; U+0000 itself only ever comes from the single byte 0x00.
constexpr char16_t kNoChar = 0;
constexpr std::uint16_t kNoBytes = 0;

class Iconv {
public:
    Iconv(const char* to, const char* from) : handle_(iconv_open(to, from)) {}
    ~Iconv() {
        if (valid())
            iconv_close(handle_);
    }
    Iconv(const Iconv&) = delete;
    Iconv& operator=(const Iconv&) = delete;
    bool valid() const { return handle_ != reinterpret_cast<iconv_t>(-1); }

    // Converts one complete character; std::nullopt when the converter rejects it.
    std::optional<QByteArray> Convert(const char* in, size_t inSize) {
        char input[4] = {};
        std::copy(in, in + inSize, input);
        char output[8];
        char* inPtr = input;
        char* outPtr = output;
        size_t inLeft = inSize;
        size_t outLeft = sizeof output;
        iconv(handle_, nullptr, nullptr, nullptr, nullptr);
        if (iconv(handle_, &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<size_t>(-1) || inLeft != 0)
            return std::nullopt;
        return QByteArray(output, static_cast<qsizetype>(sizeof output - outLeft));
    }

private:
    iconv_t handle_;
};

bool IsTrailByte(unsigned char byte) {
    return byte >= 0x40 && byte <= 0xFC && byte != 0x7F;
}

std::optional<char16_t> SingleUnit(const QByteArray& utf16) {
    if (utf16.size() != 2)
        return std::nullopt;
    return static_cast<char16_t>(static_cast<unsigned char>(utf16[0]) |
                                 (static_cast<unsigned char>(utf16[1]) << 8));
}

// Each direction is a flat table, asked of the system converter once per process. Start-up
// decodes every line of every definition table; one converter call per character made
// that the slowest step of loading. Encoding builds its own table only when first needed.
struct DecodeTables {
    // Single bytes by value, double bytes by (lead << 8) | trail; kNoChar where undefined.
    std::array<char16_t, 256> single{};
    std::array<char16_t, 65536> pair{};

    DecodeTables() {
        for (int byte = 0; byte < 0x80; ++byte)
            single[byte] = static_cast<char16_t>(byte);
        Iconv toUnicode("UTF-16LE", kCodePage);
        if (!toUnicode.valid())
            return; // every non-ASCII byte then decodes to U+FFFD
        for (int byte = 0x80; byte < 0x100; ++byte) {
            if (AnsiCodec::IsLeadByte(static_cast<unsigned char>(byte)))
                continue;
            const char in = static_cast<char>(byte);
            if (const auto out = toUnicode.Convert(&in, 1))
                single[byte] = SingleUnit(*out).value_or(kNoChar);
        }
        for (int lead = 0x81; lead <= 0xFC; ++lead) {
            if (!AnsiCodec::IsLeadByte(static_cast<unsigned char>(lead)))
                continue;
            for (int trail = 0x40; trail <= 0xFC; ++trail) {
                if (!IsTrailByte(static_cast<unsigned char>(trail)))
                    continue;
                const char in[2] = {static_cast<char>(lead), static_cast<char>(trail)};
                if (const auto out = toUnicode.Convert(in, 2))
                    pair[(lead << 8) | trail] = SingleUnit(*out).value_or(kNoChar);
            }
        }
    }
};

struct EncodeTable {
    // UTF-16 code unit to bytes: a single byte below 0x100, else (lead << 8) | trail.
    std::array<std::uint16_t, 65536> bytes{};

    EncodeTable() {
        Iconv fromUnicode(kCodePage, "UTF-16LE");
        if (!fromUnicode.valid())
            return; // every non-ASCII character then fails to encode
        // Several byte pairs decode to the same character (the duplicated extension rows);
        // which one is written back is the converter's choice, so ask it rather than
        // inverting the decode table.
        for (int code = 0x80; code < 0x10000; ++code) {
            if (code >= 0xD800 && code <= 0xDFFF)
                continue;
            const char in[2] = {static_cast<char>(code & 0xFF), static_cast<char>(code >> 8)};
            const auto out = fromUnicode.Convert(in, 2);
            if (!out || out->isEmpty() || out->size() > 2)
                continue;
            const auto first = static_cast<unsigned char>((*out)[0]);
            bytes[code] =
                out->size() == 1
                    ? first
                    : static_cast<std::uint16_t>((first << 8) | static_cast<unsigned char>((*out)[1]));
        }
    }
};

const DecodeTables& Decoding() {
    static const DecodeTables tables;
    return tables;
}

// Bytes of one UTF-16 code unit; std::nullopt when code page 932 has no character for it.
std::optional<std::uint16_t> EncodeUnit(char16_t code) {
    if (code < 0x80)
        return code;
    static const EncodeTable table;
    const std::uint16_t bytes = table.bytes[code];
    if (bytes == kNoBytes)
        return std::nullopt;
    return bytes;
}

void AppendBytes(QByteArray& out, std::uint16_t bytes) {
    if (bytes > 0xFF)
        out.append(static_cast<char>(bytes >> 8));
    out.append(static_cast<char>(bytes & 0xFF));
}

} // namespace

bool AnsiCodec::Available() {
    const Iconv toUnicode("UTF-16LE", kCodePage);
    const Iconv fromUnicode(kCodePage, "UTF-16LE");
    return toUnicode.valid() && fromUnicode.valid();
}

bool AnsiCodec::IsLeadByte(unsigned char byte) {
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

QString AnsiCodec::Decode(QByteArrayView bytes) {
    const auto* data = reinterpret_cast<const unsigned char*>(bytes.data());
    const qsizetype size = bytes.size();
    QString result(size, Qt::Uninitialized);
    QChar* out = result.data();
    qsizetype written = 0;
    const DecodeTables* tables = nullptr; // definition tables are mostly ASCII: build on need
    qsizetype i = 0;
    while (i < size) {
        const unsigned char byte = data[i];
        if (byte < 0x80) {
            out[written++] = QChar(byte);
            ++i;
            continue;
        }
        if (!tables)
            tables = &Decoding();
        if (IsLeadByte(byte)) {
            // A lead byte followed by something that cannot be a trail byte (a tab, a line
            // end, the end of the text) stands alone: the next byte is kept, so a damaged
            // character never swallows the field separator after it.
            if (i + 1 < size && IsTrailByte(data[i + 1])) {
                const char16_t ch = tables->pair[(byte << 8) | data[i + 1]];
                out[written++] = ch != kNoChar ? QChar(ch) : QChar(QChar::ReplacementCharacter);
                i += 2;
                continue;
            }
            out[written++] = QChar(QChar::ReplacementCharacter);
            ++i;
            continue;
        }
        const char16_t ch = tables->single[byte];
        out[written++] = ch != kNoChar ? QChar(ch) : QChar(QChar::ReplacementCharacter);
        ++i;
    }
    result.truncate(written);
    return result;
}

std::optional<QByteArray> AnsiCodec::EncodeStrict(const QString& text) {
    QByteArray result;
    result.reserve(text.size() * 2);
    for (const QChar ch : text) {
        // Surrogates have no slot: code page 932 has nothing outside the basic plane.
        const auto bytes = EncodeUnit(ch.unicode());
        if (!bytes)
            return std::nullopt;
        AppendBytes(result, *bytes);
    }
    return result;
}

QByteArray AnsiCodec::Encode(const QString& text) {
    QByteArray result;
    result.reserve(text.size() * 2);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar ch = text.at(i);
        // A surrogate pair is one character and becomes one "?", not two.
        if (ch.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            ++i;
            result.append('?');
            continue;
        }
        if (const auto bytes = EncodeUnit(ch.unicode()))
            AppendBytes(result, *bytes);
        else
            result.append('?');
    }
    return result;
}

QByteArray AnsiCodec::CutAtCharBoundary(const QByteArray& bytes, int maxBytes) {
    if (maxBytes <= 0)
        return {};
    if (bytes.size() <= maxBytes)
        return bytes;
    int i = 0;
    while (i < maxBytes) {
        const int width = IsLeadByte(static_cast<unsigned char>(bytes.at(i))) ? 2 : 1;
        if (i + width > maxBytes)
            break;
        i += width;
    }
    return bytes.left(i);
}

} // namespace platform
