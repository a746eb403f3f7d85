#pragma once

#include <QByteArray>
#include <QString>

#include <vector>

namespace vokg::cli {

// A small streaming JSON writer that keeps keys in the order they are written (the dump is
// read by people as well as by scripts, so model order matters).
class JsonWriter {
public:
    JsonWriter& BeginObject();
    JsonWriter& EndObject();
    JsonWriter& BeginArray();
    JsonWriter& EndArray();
    JsonWriter& Key(const QString& key);
    JsonWriter& Value(const QString& text);
    JsonWriter& Value(const char* text) { return Value(QString::fromUtf8(text)); }
    JsonWriter& Value(qint64 number);
    JsonWriter& Value(int number) { return Value(static_cast<qint64>(number)); }
    JsonWriter& Value(bool flag);

    template <class T> JsonWriter& Field(const QString& key, const T& value) { return Key(key).Value(value); }

    const QByteArray& Bytes() const { return out_; }
    // Writes the document and a line end to standard output.
    void Print() const;

private:
    void Separate();
    static void Escape(QByteArray& out, const QString& text);

    QByteArray out_;
    std::vector<bool> first_; // per open container: nothing written in it yet
    bool afterKey_ = false;
};

} // namespace vokg::cli
