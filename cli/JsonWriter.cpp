#include "cli/JsonWriter.h"

#include <cstdio>

namespace vokg::cli {

void JsonWriter::Separate() {
    if (afterKey_) {
        afterKey_ = false;
        return;
    }
    if (!first_.empty()) {
        if (!first_.back())
            out_.append(',');
        first_.back() = false;
    }
}

JsonWriter& JsonWriter::BeginObject() {
    Separate();
    out_.append('{');
    first_.push_back(true);
    return *this;
}

JsonWriter& JsonWriter::EndObject() {
    out_.append('}');
    first_.pop_back();
    return *this;
}

JsonWriter& JsonWriter::BeginArray() {
    Separate();
    out_.append('[');
    first_.push_back(true);
    return *this;
}

JsonWriter& JsonWriter::EndArray() {
    out_.append(']');
    first_.pop_back();
    return *this;
}

JsonWriter& JsonWriter::Key(const QString& key) {
    Separate();
    Escape(out_, key);
    out_.append(':');
    afterKey_ = true;
    return *this;
}

JsonWriter& JsonWriter::Value(const QString& text) {
    Separate();
    Escape(out_, text);
    return *this;
}

JsonWriter& JsonWriter::Value(qint64 number) {
    Separate();
    out_.append(QByteArray::number(number));
    return *this;
}

JsonWriter& JsonWriter::Value(bool flag) {
    Separate();
    out_.append(flag ? "true" : "false");
    return *this;
}

void JsonWriter::Print() const {
    std::fwrite(out_.constData(), 1, static_cast<size_t>(out_.size()), stdout);
    std::fputc('\n', stdout);
}

void JsonWriter::Escape(QByteArray& out, const QString& text) {
    out.append('"');
    const QByteArray utf8 = text.toUtf8();
    for (const char ch : utf8) {
        const auto byte = static_cast<unsigned char>(ch);
        switch (ch) {
        case '"':
            out.append("\\\"");
            break;
        case '\\':
            out.append("\\\\");
            break;
        case '\n':
            out.append("\\n");
            break;
        case '\r':
            out.append("\\r");
            break;
        case '\t':
            out.append("\\t");
            break;
        default:
            if (byte < 0x20)
                out.append(QByteArray("\\u00") + QByteArray::number(byte, 16).rightJustified(2, '0'));
            else
                out.append(ch);
        }
    }
    out.append('"');
}

} // namespace vokg::cli
