#include "hlpkit/CMethod.h"
#include "hlpkit/RunError.h"
#include "shell/VersionFile.h"
#include "tests/support/CapturedReports.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using vokg::VersionFile;

namespace {

// A version record the way the machine writes it: each text byte is 242 + key - the character's
// code, each key byte 245 - the digit's code; bytes 10 to 13 hold anything.
QByteArray Record(const QByteArray& text, const QByteArray& keyDigits) {
    int key = 0;
    for (const char digit : keyDigits)
        key += digit - '0';
    QByteArray record(17, '\x7A');
    for (int i = 0; i < 9; ++i)
        record[i] = i < text.size() ? char(242 + key - static_cast<unsigned char>(text[i])) : '\0';
    for (int i = 0; i < 4; ++i)
        record[13 + i] = char(245 - keyDigits[i]);
    return record;
}

QByteArray Bytes(std::initializer_list<int> values) {
    QByteArray bytes;
    for (const int value : values)
        bytes += char(value);
    return bytes;
}

} // namespace

class TestVersionFile : public QObject {
    Q_OBJECT

private slots:
    void decodesTheRecord_data();
    void decodesTheRecord();
    void refusesWhatStandsForNoCharacter_data();
    void refusesWhatStandsForNoCharacter();
    void readsTheFileAndReportsWhatItCannot();
};

void TestVersionFile::decodesTheRecord_data() {
    QTest::addColumn<QByteArray>("record");
    QTest::addColumn<QString>("text");
    QTest::newRow("key 0: each byte is 242 minus the code") << Record("V1.12", "0000") << "V1.12";
    QTest::newRow("key 2+0+2+4") << Record("VK2300-12", "2024") << "VK2300-12";
    QTest::newRow("half-width katakana")
        << Record("V1.12-\xC3\xBD\xC4", "2024") << QStringLiteral(u"V1.12-ﾃｽﾄ");
    QTest::newRow("byte 1 holds 0: an empty text") << Record("", "1111") << "";
    QTest::newRow("a 0 ends the text")
        << Record("AB", "9999").replace(2, 1, QByteArray(1, '\0')).replace(3, 1, "x") << "AB";
    // A key byte that stands for no digit counts 0: the 7 written as "A" leaves the key 0, so
    // each text byte reads 7 codes lower.
    QTest::newRow("a key character that is no digit")
        << Record("HI", "0700").replace(14, 1, QByteArray(1, char(245 - 'A'))) << "AB";
    QTest::newRow("bytes after the record are never read") << Record("V2", "0000") + "trailing bytes"
                                                           << "V2";
}

void TestVersionFile::decodesTheRecord() {
    QFETCH(QByteArray, record);
    QFETCH(QString, text);
    QCOMPARE(VersionFile::Decode(record), text);
}

void TestVersionFile::refusesWhatStandsForNoCharacter_data() {
    QTest::addColumn<QByteArray>("record");
    QTest::addColumn<int>("code");
    QTest::newRow("16 bytes") << Record("V1", "0000").left(16) << int(hlpkit::InputPastEndOfFile);
    QTest::newRow("nothing at all") << QByteArray() << int(hlpkit::InputPastEndOfFile);
    QTest::newRow("a key byte above 245")
        << Record("V1", "0000").replace(16, 1, QByteArray(1, char(250))) << int(hlpkit::InvalidCall);
    // 242 - 1 + 36 is past the single-byte codes.
    QTest::newRow("a text code above 255")
        << Record("V", "9999").replace(0, 1, QByteArray(1, char(1))) << int(hlpkit::InvalidCall);
    QTest::newRow("a text code below 0")
        << Record("V", "0000").replace(0, 1, QByteArray(1, char(250))) << int(hlpkit::InvalidCall);
    QTest::newRow("a lead byte alone")
        << Record("V", "0000").replace(0, 1, Bytes({242 - 0x81})) << int(hlpkit::InvalidCall);
}

void TestVersionFile::refusesWhatStandsForNoCharacter() {
    QFETCH(QByteArray, record);
    QFETCH(int, code);
    try {
        VersionFile::Decode(record);
        QFAIL("the record was decoded");
    } catch (const hlpkit::RunError& error) {
        QCOMPARE(error.code, code);
    }
}

void TestVersionFile::readsTheFileAndReportsWhatItCannot() {
    CapturedReports reports;
    hlpkit::CMethod method;
    QTemporaryDir dir;
    const QString good = dir.filePath(QStringLiteral("good.vok"));
    const QString shortFile = dir.filePath(QStringLiteral("short.vok"));
    for (const auto& [path, bytes] :
         {std::pair{good, Record("V1.12", "2024")}, std::pair{shortFile, QByteArray(5, '\xC5')}}) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QCOMPARE(VersionFile::ReadVersionVok(good, method), std::optional<QString>(QStringLiteral("V1.12")));
    QCOMPARE(reports.count(), 0);
    QCOMPARE(VersionFile::ReadVersionVok(shortFile, method), std::nullopt);
    QCOMPARE(VersionFile::ReadVersionVok(dir.filePath(QStringLiteral("none.vok")), method), std::nullopt);
    QCOMPARE(reports.count(), 2);
    QCOMPARE(reports.procedure(0), QStringLiteral("ReadVersionVok"));
    QVERIFY(reports.boxes().at(0).text.contains(QStringLiteral("the file holds 5 bytes")));
    QCOMPARE(reports.procedure(1), QStringLiteral("ReadVersionVok"));
    QVERIFY(reports.boxes().at(1).text.contains(QStringLiteral("[ErrCode] 53")));
}

QTEST_GUILESS_MAIN(TestVersionFile)
#include "tst_version_file.moc"
