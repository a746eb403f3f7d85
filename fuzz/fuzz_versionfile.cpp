// The version-information file (.vok). A text read is the decoding of the record's first bytes
// and the same from Decode; a refusal is reported and gives no text at all.

#include "fuzz/FuzzSupport.h"

#include "hlpkit/RunError.h"
#include "shell/VersionFile.h"

using fuzzing::Harness;
using fuzzing::Require;

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fuzzing::TheHarness();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Harness& harness = fuzzing::TheHarness();
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const QString path = harness.WriteScratch(QStringLiteral("VERSION.vok"), bytes);
    const std::optional<QString> text = vokg::VersionFile::ReadVersionVok(path, harness.method);
    const int reports = harness.TakeReports();
    if (!text) {
        Require(reports == 1, "a refused version file is reported once");
        return 0;
    }
    Require(reports == 0, "a version file read reports nothing");
    Require(bytes.size() >= vokg::VersionFile::kRecordLength, "a text comes only from a whole record");
    Require(text->size() <= 9, "the version text is at most nine characters", *text);
    try {
        Require(vokg::VersionFile::Decode(bytes) == *text, "the file's text is its record's decoding");
    } catch (const hlpkit::RunError&) {
        fuzzing::Broken("a record that reads decodes");
    }
    // Bytes after the record are never read.
    QByteArray longer = bytes.left(vokg::VersionFile::kRecordLength) + QByteArray(5, '\xff');
    try {
        Require(vokg::VersionFile::Decode(longer) == *text, "bytes after the record change nothing");
    } catch (const hlpkit::RunError&) {
        fuzzing::Broken("bytes after the record change nothing");
    }
    return 0;
}
