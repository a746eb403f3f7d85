#include "platform/AnsiCodec.h"

#include <iconv.h>

#include <optional>

namespace platform {
namespace {

// "CP932", not "SHIFT_JIS": the latter maps 0x5C and 0x7E to yen sign and overline.
constexpr const char* kCodePage = "CP932";

class Iconv {
public:
    Iconv(const char* to, const char* from) : handle_(iconv_open(to, from)) {}
    ~Iconv() {
        if (handle_ != reinterpret_cast<iconv_t>(-1))
            iconv_close(handle_);
    }
    Iconv(const Iconv&) = delete;
    Iconv& operator=(const Iconv&) = delete;
    bool valid() const { return handle_ != reinterpret_cast<iconv_t>(-1); }
    iconv_t get() const { return handle_; }

private:
    iconv_t handle_;
};

} // namespace

bool AnsiCodec::IsLeadByte(unsigned char byte) {
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

QString AnsiCodec::Decode(QByteArrayView bytes) {
    QString result;
    result.reserve(bytes.size());
    // Plain ASCII needs no converter; definition tables are mostly ASCII.
    qsizetype i = 0;
    const auto* data = reinterpret_cast<const unsigned char*>(bytes.data());
    const qsizetype size = bytes.size();
    std::optional<Iconv> converter; // opened on the first non-ASCII byte only
    while (i < size) {
        const unsigned char byte = data[i];
        if (byte < 0x80) {
            result.append(QChar(byte));
            ++i;
            continue;
        }
        const int width = (IsLeadByte(byte) && i + 1 < size) ? 2 : 1;
        char in[2] = {static_cast<char>(data[i]), width == 2 ? static_cast<char>(data[i + 1]) : '\0'};
        char out[8];
        char* inPtr = in;
        char* outPtr = out;
        size_t inLeft = static_cast<size_t>(width);
        size_t outLeft = sizeof out;
        if (!converter)
            converter.emplace("UTF-16LE", kCodePage);
        if (converter->valid()) {
            iconv(converter->get(), nullptr, nullptr, nullptr, nullptr);
            if (iconv(converter->get(), &inPtr, &inLeft, &outPtr, &outLeft) != static_cast<size_t>(-1) &&
                inLeft == 0) {
                const auto units = (sizeof out - outLeft) / 2;
                for (size_t u = 0; u < units; ++u)
                    result.append(QChar(static_cast<char16_t>(static_cast<unsigned char>(out[2 * u]) |
                                                              (static_cast<unsigned char>(out[2 * u + 1]) << 8))));
                i += width;
                continue;
            }
        }
        result.append(QChar::ReplacementCharacter);
        i += width;
    }
    return result;
}

std::optional<QByteArray> AnsiCodec::EncodeStrict(const QString& text) {
    QByteArray result;
    result.reserve(text.size() * 2);
    std::optional<Iconv> converter; // opened on the first non-ASCII character only
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar ch = text.at(i);
        if (ch.unicode() < 0x80) {
            result.append(static_cast<char>(ch.unicode()));
            continue;
        }
        if (!converter)
            converter.emplace(kCodePage, "UTF-16LE");
        if (!converter->valid())
            return std::nullopt;
        char16_t units[2] = {ch.unicode(), 0};
        size_t inLeft = 2;
        if (ch.isHighSurrogate() && i + 1 < text.size()) {
            units[1] = text.at(++i).unicode();
            inLeft = 4;
        }
        char* inPtr = reinterpret_cast<char*>(units);
        char out[8];
        char* outPtr = out;
        size_t outLeft = sizeof out;
        iconv(converter->get(), nullptr, nullptr, nullptr, nullptr);
        if (iconv(converter->get(), &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<size_t>(-1))
            return std::nullopt;
        result.append(out, static_cast<qsizetype>(sizeof out - outLeft));
    }
    return result;
}

QByteArray AnsiCodec::Encode(const QString& text) {
    if (auto strict = EncodeStrict(text))
        return *strict;
    QByteArray result;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar ch = text.at(i);
        if (ch.isHighSurrogate() && i + 1 < text.size()) {
            ++i;
            result.append('?');
            continue;
        }
        if (auto bytes = EncodeStrict(QString(ch)))
            result.append(*bytes);
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
