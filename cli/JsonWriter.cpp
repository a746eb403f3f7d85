#include "cli/JsonWriter.h"

#include "cli/TerminalText.h"

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
    qsizetype plainFrom = 0;
    auto flushPlain = [&](qsizetype upTo) {
        if (upTo > plainFrom)
            out.append(QStringView(text).mid(plainFrom, upTo - plainFrom).toUtf8());
    };
    for (qsizetype at = 0; at < text.size(); ++at) {
        const char16_t code = text[at].unicode();
        const char* escape = nullptr;
        switch (code) {
        case u'"':
            escape = "\\\"";
            break;
        case u'\\':
            escape = "\\\\";
            break;
        case u'\n':
            escape = "\\n";
            break;
        case u'\r':
            escape = "\\r";
            break;
        case u'\t':
            escape = "\\t";
            break;
        default:
            break;
        }
        if (escape == nullptr && !IsControlCharacter(code))
            continue;
        flushPlain(at);
        plainFrom = at + 1;
        // DEL and the C1 controls are escaped too: valid JSON either way, and a dump read on a
        // terminal stays inert.
        if (escape != nullptr)
            out.append(escape);
        else
            out.append(QByteArray("\\u") + QByteArray::number(code, 16).toUpper().rightJustified(4, '0'));
    }
    flushPlain(text.size());
    out.append('"');
}

} // namespace vokg::cli
