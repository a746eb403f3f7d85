#include "hlpkit/AnsiText.h"

#include <cerrno>
#include <iconv.h>

namespace hlpkit::detail {

namespace {

// Length of the UTF-8 sequence that starts with `lead`; a stray byte counts as one.
int Utf8SequenceLength(unsigned char lead) {
    if (lead >= 0xF0)
        return 4;
    if (lead >= 0xE0)
        return 3;
    if (lead >= 0xC0)
        return 2;
    return 1;
}

QByteArray AsciiOnly(const QString& text) {
    QByteArray out;
    out.reserve(text.size());
    for (QChar ch : text)
        out.append(ch.unicode() < 0x80 ? char(ch.unicode()) : '?');
    return out;
}

class IconvHandle {
public:
    IconvHandle() : handle_(iconv_open("CP932", "UTF-8")) {}
    ~IconvHandle() {
        if (valid())
            iconv_close(handle_);
    }
    IconvHandle(const IconvHandle&) = delete;
    IconvHandle& operator=(const IconvHandle&) = delete;
    bool valid() const { return handle_ != reinterpret_cast<iconv_t>(-1); }
    iconv_t get() const { return handle_; }

private:
    iconv_t handle_;
};

} // namespace

QByteArray EncodeCp932(const QString& text) {
    IconvHandle converter;
    if (!converter.valid())
        return AsciiOnly(text);

    QByteArray input = text.toUtf8();
    QByteArray out;
    out.reserve(input.size() * 2 + 4);
    char* in = input.data();
    size_t inLeft = size_t(input.size());
    char buffer[256];
    while (inLeft > 0) {
        char* outPtr = buffer;
        size_t outLeft = sizeof buffer;
        size_t result = iconv(converter.get(), &in, &inLeft, &outPtr, &outLeft);
        out.append(buffer, qsizetype(outPtr - buffer));
        if (result != size_t(-1))
            continue;
        if (errno == E2BIG)
            continue;
        // An unmappable or broken character: replace it and go on with the next one.
        size_t skip = std::min<size_t>(inLeft, size_t(Utf8SequenceLength(static_cast<unsigned char>(*in))));
        out.append('?');
        in += skip;
        inLeft -= skip;
        iconv(converter.get(), nullptr, nullptr, nullptr, nullptr);
    }
    return out;
}

} // namespace hlpkit::detail
