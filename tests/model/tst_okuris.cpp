#include "hlpkit/CMethod.h"
#include "model/COkuris.h"
#include "shell/messages/Messages.h"
#include "tests/support/ScriptedPrompter.h"
#include "tests/support/TableBuilder.h"

#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

using testsupport::TableBuilder;
using vokg::COkuris;

namespace {

constexpr int kFeed = 4096; // the feed table's offset inside a table

struct LoggedError {
    QString procName;
    int code;
};

} // namespace

class TestOkuris : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir_;
    testsupport::ScriptedPrompter prompter_;
    vokg::Messenger messenger_{prompter_, QStringLiteral("VOKG_SET")};
    hlpkit::CMethod method_;
    QList<LoggedError> errors_;

    vokg::ModelContext Context() { return {method_, messenger_}; }

    QString Write(const TableBuilder& builder, const QString& name = QStringLiteral("feed.dsg")) {
        const QString path = dir_.filePath(name);
        if (!builder.WriteTo(path))
            qFatal("cannot write the test file");
        return path;
    }

    // A feed object that has read table 1 of `builder`'s image.
    void ReadInto(COkuris& okuris, const TableBuilder& builder) {
        QVERIFY(okuris.ReadData(Write(builder), 1));
        QVERIFY(errors_.isEmpty());
    }

    static QList<qsizetype> ChangedOffsets(const QByteArray& before, const QByteArray& after) {
        QList<qsizetype> changed;
        for (qsizetype i = 0; i < before.size(); ++i)
            if (before.at(i) != after.at(i))
                changed.append(i);
        return changed;
    }

    static int Byte(const QByteArray& image, qsizetype offset) {
        return static_cast<unsigned char>(image.at(offset));
    }

private slots:
    void initTestCase() {
        QVERIFY(dir_.isValid());
        hlpkit::CMethod::SetLogFolder(dir_.path());
        hlpkit::CMethod::SetErrorBox([this](const QString&, const QString& text) {
            const QRegularExpressionMatch code =
                QRegularExpression(QStringLiteral("\\[ErrCode\\] (\\d+)")).match(text);
            errors_.append({text.section(QStringLiteral("\r\n"), 0, 0), code.captured(1).toInt()});
        });
        QVERIFY2(!COkuris::OtherValuesKey().isEmpty(), "the message table lacks text 520");
    }
    void cleanupTestCase() { hlpkit::CMethod::ResetErrorBox(); }
    void init() {
        errors_.clear();
        prompter_.Clear();
    }

    void wordEntryAndItsPitchByte() {
        COkuris okuris(Context());
        TableBuilder builder;
        builder.Bytes(1, kFeed, QByteArrayView("\x01\x2C", 2));
        ReadInto(okuris, builder);
        QCOMPARE(okuris.GetArray(QStringLiteral("X_P1_A")).at(0), 300);
        QCOMPARE(okuris.GetArray(QStringLiteral("X_P1")).at(0), 0x2C);

        QVERIFY(okuris.SetArray(QStringLiteral("X_P1"), 0, 7));
        QByteArray image = builder.Image();
        QVERIFY(okuris.SaveData(image, 1));
        QCOMPARE(Byte(image, kFeed), 0x01);
        QCOMPARE(Byte(image, kFeed + 1), 0x07);
        QCOMPARE(ChangedOffsets(builder.Image(), image), QList<qsizetype>{kFeed + 1});
    }

    void arraysSitAtTheirOffsets_data() {
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("offset");
        QTest::addColumn<int>("count");
        QTest::addColumn<bool>("wide");
        const struct {
            const char* key;
            int offset;
            int count;
            bool wide;
        } rows[] = {
            {"X_P1_A", 0, 31, true},    {"X_P1_B", 62, 31, true},   {"X_T1_A", 124, 31, true},
            {"X_T1_B", 186, 31, true},  {"X_P2_A", 248, 31, false}, {"X_P2_B", 279, 31, false},
            {"X_T2_A", 310, 31, false}, {"X_T2_B", 341, 31, false}, {"Y_P1_A", 372, 31, true},
            {"Y_P1_B", 434, 31, true},  {"Y_T1_A", 496, 31, true},  {"Y_T1_B", 558, 31, true},
            {"Y_P2_A", 620, 31, false}, {"Y_P2_B", 651, 31, false}, {"Y_T2_A", 682, 31, false},
            {"Y_T2_B", 713, 31, false}, {"XYLM", 744, 201, true},   {"XGA", 1146, 201, true},
            {"ZLM", 1548, 201, true},   {"YGA", 1950, 201, true},   {"P1X", 2352, 201, false},
            {"P1Y", 2553, 201, false},
        };
        for (const auto& row : rows)
            QTest::newRow(row.key) << QString::fromLatin1(row.key) << row.offset << row.count << row.wide;
    }
    void arraysSitAtTheirOffsets() {
        QFETCH(QString, key);
        QFETCH(int, offset);
        QFETCH(int, count);
        QFETCH(bool, wide);
        // Every byte distinct from its neighbours: a layout off by one reads other numbers.
        TableBuilder builder;
        builder.FillPattern();
        const int width = wide ? 2 : 1;
        const auto stored = [&](int entry) {
            const qint64 at = TableBuilder::FileOffset(1, kFeed + offset + entry * width);
            return wide ? TableBuilder::PatternByte(at) * 256 + TableBuilder::PatternByte(at + 1)
                        : TableBuilder::PatternByte(at);
        };
        COkuris okuris(Context());
        ReadInto(okuris, builder);
        const QList<int> entries = okuris.GetArray(key);
        QCOMPARE(entries.size(), count);
        QCOMPARE(entries.first(), stored(0));
        QCOMPARE(entries.last(), stored(count - 1));
        QCOMPARE(okuris.CurrentFeedKey(), key);

        // A new last entry lands on the last bytes of the array and nowhere else.
        QVERIFY(okuris.SetArray(key, count - 1, 0x42));
        QByteArray image = builder.Image();
        QVERIFY(okuris.SaveData(image, 1));
        const qsizetype last = kFeed + offset + (count - 1) * width;
        QCOMPARE(Byte(image, last + width - 1), 0x42);
        if (wide)
            QCOMPARE(Byte(image, last), 0);
        for (qsizetype changed : ChangedOffsets(builder.Image(), image))
            QVERIFY2(changed >= last && changed < last + width, qPrintable(QString::number(changed)));
    }

    void pitchRowsSitOnTheirBytes_data() {
        QTest::addColumn<QString>("pitch");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("feedOffset");
        QTest::newRow("X_P1 row 0: low byte of X_P1_A 0") << "X_P1" << 0 << 1;
        QTest::newRow("X_P1 row 1: low byte of X_P1_B 0") << "X_P1" << 1 << 63;
        QTest::newRow("X_T1 row 48: low byte of X_T1_A 24") << "X_T1" << 48 << 124 + 49;
        QTest::newRow("X_P2 row 0: byte of X_P2_A 0") << "X_P2" << 0 << 248;
        QTest::newRow("X_P2 row 1: byte of X_P2_B 0") << "X_P2" << 1 << 279;
        QTest::newRow("Y_P1 row 49: low byte of Y_P1_B 24") << "Y_P1" << 49 << 434 + 49;
        QTest::newRow("Y_T2 row 48: byte of Y_T2_A 24") << "Y_T2" << 48 << 682 + 24;
        QTest::newRow("Y_T2 row 49: byte of Y_T2_B 24") << "Y_T2" << 49 << 737;
    }
    void pitchRowsSitOnTheirBytes() {
        QFETCH(QString, pitch);
        QFETCH(int, row);
        QFETCH(int, feedOffset);
        TableBuilder builder;
        builder.FillPattern();
        COkuris okuris(Context());
        ReadInto(okuris, builder);
        QCOMPARE(okuris.GetArray(pitch).at(row), TableBuilder::PatternByte(kFeed + feedOffset));

        const int value = TableBuilder::PatternByte(kFeed + feedOffset) ^ 0xFF;
        QVERIFY(okuris.SetArray(pitch, row, value));
        QByteArray image = builder.Image();
        QVERIFY(okuris.SaveData(image, 1));
        QCOMPARE(ChangedOffsets(builder.Image(), image), QList<qsizetype>{kFeed + feedOffset});
        QCOMPARE(Byte(image, kFeed + feedOffset), value);
    }

    void unchangedTableSavesBackByteForByte() {
        TableBuilder source(2);
        source.FillPattern();
        COkuris okuris(Context());
        QVERIFY(okuris.ReadData(Write(source), TableBuilder::FileOffset(2, 0) + 1));
        QCOMPARE(okuris.Position(), TableBuilder::FileOffset(2, 0) + 1);

        // Into a zeroed image: exactly the 2768 feed bytes of table 2 arrive, the byte after
        // them (table offset 6864) and everything else stays zero.
        TableBuilder target(2);
        target.Byte(2, 6864, 0xA5).Byte(2, kFeed - 1, 0x5A);
        QByteArray image = target.Image();
        QVERIFY(okuris.SaveData(image, TableBuilder::FileOffset(2, 0) + 1));
        const qsizetype start = TableBuilder::FileOffset(2, kFeed);
        QCOMPARE(image.mid(start, 2768), source.Image().mid(start, 2768));
        QCOMPARE(Byte(image, start + 2768), 0xA5);
        QCOMPARE(Byte(image, start - 1), 0x5A);
        QCOMPARE(image.left(start - 1), target.Image().left(start - 1));
        QCOMPARE(image.mid(start + 2768), target.Image().mid(start + 2768));

        // Entries 25..30 of a word array have no pitch twin and keep both bytes.
        const QByteArray tail = source.Image().mid(TableBuilder::FileOffset(2, kFeed + 50), 12);
        QCOMPARE(image.mid(TableBuilder::FileOffset(2, kFeed + 50), 12), tail);
        QVERIFY(errors_.isEmpty());
    }

    void sevenOtherValues() {
        TableBuilder builder;
        const int stored[] = {1, 0x0203, 0x7FFF, 0x8000, 0xFFFF, 300, 0x1234};
        for (int i = 0; i < 7; ++i)
            builder.Word(1, kFeed + 2754 + 2 * i, stored[i]);
        builder.Byte(1, kFeed + 2768, 0xEE);
        COkuris okuris(Context());
        ReadInto(okuris, builder);
        const QList<int> values = okuris.GetArray(COkuris::OtherValuesKey());
        QCOMPARE(values, QList<int>(std::begin(stored), std::end(stored)));
        for (int i = 0; i < 7; ++i)
            QCOMPARE(okuris.GetValue(COkuris::OtherValueCaption(i)), stored[i]);
        QCOMPARE(okuris.CurrentFeedKey(), COkuris::OtherValuesKey());

        QVERIFY(okuris.SetArray(COkuris::OtherValuesKey(), 6, 0x0A0B));
        QByteArray image = builder.Image();
        QVERIFY(okuris.SaveData(image, 1));
        QCOMPARE(ChangedOffsets(builder.Image(), image), (QList<qsizetype>{kFeed + 2766, kFeed + 2767}));
        QCOMPARE(Byte(image, kFeed + 2766), 0x0A);
        QCOMPARE(Byte(image, kFeed + 2767), 0x0B);
        QVERIFY(prompter_.Prompts().isEmpty());
    }

    void wordsFromHex8000UpRoundTrip() {
        TableBuilder builder;
        builder.Word(1, kFeed + 2 * 3, 0x8000)
            .Word(1, kFeed + 2 * 30, 0xFFFF)
            .Word(1, kFeed + 744 + 400, 0xABCD);
        COkuris okuris(Context());
        ReadInto(okuris, builder);
        QCOMPARE(okuris.GetArray(QStringLiteral("X_P1_A")).at(3), 0x8000);
        QCOMPARE(okuris.GetArray(QStringLiteral("X_P1_A")).at(30), 0xFFFF);
        QCOMPARE(okuris.GetArray(QStringLiteral("XYLM")).at(200), 0xABCD);
        QByteArray image = builder.Image();
        QVERIFY(okuris.SaveData(image, 1));
        QCOMPARE(image, builder.Image());

        // A negative number is stored as its 16-bit pattern and reads back as that word.
        QVERIFY(okuris.SetArray(QStringLiteral("XGA"), 0, -2));
        QCOMPARE(okuris.GetArray(QStringLiteral("XGA")).at(0), 0xFFFE);
        QVERIFY(okuris.SaveData(image, 1));
        QCOMPARE(Byte(image, kFeed + 1146), 0xFF);
        QCOMPARE(Byte(image, kFeed + 1147), 0xFE);
    }

    void valuesOutsideSixteenBitsAreRefused_data() {
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("code");
        QTest::newRow("word above 65535") << "X_T1_B" << 2 << 65536 << 6;
        QTest::newRow("word below -32768") << "YGA" << 2 << -32769 << 6;
        QTest::newRow("byte array far out") << "P1X" << 2 << 70000 << 6;
        QTest::newRow("index past the array") << "X_T1_B" << 31 << 1 << 9;
        QTest::newRow("negative index") << "Y_P2" << -1 << 1 << 9;
    }
    void valuesOutsideSixteenBitsAreRefused() {
        QFETCH(QString, key);
        QFETCH(int, index);
        QFETCH(int, value);
        QFETCH(int, code);
        TableBuilder builder;
        builder.FillPattern();
        COkuris okuris(Context());
        ReadInto(okuris, builder);
        const QList<int> before = okuris.GetArray(key);
        QVERIFY(!okuris.SetArray(key, index, value));
        QCOMPARE(okuris.GetArray(key), before);
        QCOMPARE(errors_.size(), 1);
        QCOMPARE(errors_.first().procName, QStringLiteral("SetArray"));
        QCOMPARE(errors_.first().code, code);
    }

    // Entry 2 of X_P1_A shares its low byte with row 4 of X_P1 (feed offsets 4 and 5); entry 24
    // of Y_T2_B is row 49 of Y_T2 (feed offset 737). -1 means "not set".
    void bothViewsStayConsistent_data() {
        QTest::addColumn<QString>("axisKey");
        QTest::addColumn<int>("entry");
        QTest::addColumn<QString>("pitchKey");
        QTest::addColumn<int>("row");
        QTest::addColumn<QList<int>>("steps"); // pairs: 0 = axis / 1 = pitch, value
        QTest::addColumn<int>("axisAfter");
        QTest::addColumn<int>("pitchAfter");
        QTest::addColumn<QByteArray>("fileBytes");

        const QString wideAxis = QStringLiteral("X_P1_A"), widePitch = QStringLiteral("X_P1");
        QTest::newRow("word: neither")
            << wideAxis << 2 << widePitch << 4 << QList<int>{} << 0x1234 << 0x34 << QByteArray("\x12\x34", 2);
        QTest::newRow("word: axis only") << wideAxis << 2 << widePitch << 4 << QList<int>{0, 0x0A0B} << 0x0A0B
                                         << 0x0B << QByteArray("\x0A\x0B", 2);
        QTest::newRow("word: pitch only") << wideAxis << 2 << widePitch << 4 << QList<int>{1, 0x77} << 0x1277
                                          << 0x77 << QByteArray("\x12\x77", 2);
        QTest::newRow("word: axis then pitch")
            << wideAxis << 2 << widePitch << 4 << QList<int>{0, 0x0A0B, 1, 0x77} << 0x0A77 << 0x77
            << QByteArray("\x0A\x77", 2);
        QTest::newRow("word: pitch then axis")
            << wideAxis << 2 << widePitch << 4 << QList<int>{1, 0x77, 0, 0x0A0B} << 0x0A77 << 0x77
            << QByteArray("\x0A\x77", 2);
        QTest::newRow("word: untouched pitch written back")
            << wideAxis << 2 << widePitch << 4 << QList<int>{0, 0x0A0B, 1, 0x0B} << 0x0A0B << 0x0B
            << QByteArray("\x0A\x0B", 2);
        QTest::newRow("word: pitch set back to the byte as read")
            << wideAxis << 2 << widePitch << 4 << QList<int>{0, 0x0A0B, 1, 0x34} << 0x0A34 << 0x34
            << QByteArray("\x0A\x34", 2);

        const QString byteAxis = QStringLiteral("Y_T2_B"), bytePitch = QStringLiteral("Y_T2");
        QTest::newRow("byte: neither")
            << byteAxis << 24 << bytePitch << 49 << QList<int>{} << 0x21 << 0x21 << QByteArray("\x21", 1);
        QTest::newRow("byte: axis only") << byteAxis << 24 << bytePitch << 49 << QList<int>{0, 0x40} << 0x40
                                         << 0x40 << QByteArray("\x40", 1);
        QTest::newRow("byte: pitch only") << byteAxis << 24 << bytePitch << 49 << QList<int>{1, 0x55} << 0x55
                                          << 0x55 << QByteArray("\x55", 1);
        QTest::newRow("byte: axis then pitch")
            << byteAxis << 24 << bytePitch << 49 << QList<int>{0, 0x40, 1, 0x55} << 0x55 << 0x55
            << QByteArray("\x55", 1);
        QTest::newRow("byte: pitch then axis")
            << byteAxis << 24 << bytePitch << 49 << QList<int>{1, 0x55, 0, 0x40} << 0x55 << 0x55
            << QByteArray("\x55", 1);
        QTest::newRow("byte: bad axis value overridden by pitch")
            << byteAxis << 24 << bytePitch << 49 << QList<int>{0, 300, 1, 0x55} << 0x55 << 0x55
            << QByteArray("\x55", 1);
        QTest::newRow("byte: untouched pitch written back")
            << byteAxis << 24 << bytePitch << 49 << QList<int>{0, 0x40, 1, 0x40} << 0x40 << 0x40
            << QByteArray("\x40", 1);
        QTest::newRow("byte: pitch set back to the byte as read")
            << byteAxis << 24 << bytePitch << 49 << QList<int>{0, 0x40, 1, 0x21} << 0x21 << 0x21
            << QByteArray("\x21", 1);
        QTest::newRow("byte: pitch changed, then set back to the byte as read")
            << byteAxis << 24 << bytePitch << 49 << QList<int>{1, 0x55, 1, 0x21} << 0x21 << 0x21
            << QByteArray("\x21", 1);
    }
    void bothViewsStayConsistent() {
        QFETCH(QString, axisKey);
        QFETCH(int, entry);
        QFETCH(QString, pitchKey);
        QFETCH(int, row);
        QFETCH(QList<int>, steps);
        QFETCH(int, axisAfter);
        QFETCH(int, pitchAfter);
        QFETCH(QByteArray, fileBytes);

        const int place = kFeed + (fileBytes.size() == 2 ? 2 * entry : 713 + entry);
        TableBuilder builder;
        builder.FillPattern().Bytes(
            1, place, fileBytes.size() == 2 ? QByteArrayView("\x12\x34", 2) : QByteArrayView("\x21", 1));
        COkuris okuris(Context());
        ReadInto(okuris, builder);
        for (qsizetype i = 0; i + 1 < steps.size(); i += 2)
            QVERIFY(okuris.SetArray(steps[i] == 0 ? axisKey : pitchKey, steps[i] == 0 ? entry : row,
                                    steps[i + 1]));
        QCOMPARE(okuris.GetArray(axisKey).at(entry), axisAfter);
        QCOMPARE(okuris.GetArray(pitchKey).at(row), pitchAfter);

        QByteArray image = builder.Image();
        QVERIFY(okuris.SaveData(image, 1));
        QCOMPARE(image.mid(place, fileBytes.size()), fileBytes);
        for (qsizetype changed : ChangedOffsets(builder.Image(), image))
            QVERIFY(changed >= place && changed < place + fileBytes.size());
        // What was saved reads back as the same two views.
        COkuris reread(Context());
        TableBuilder saved;
        saved.Bytes(1, 0, image);
        ReadInto(reread, saved);
        QCOMPARE(reread.GetArray(axisKey).at(entry), axisAfter);
        QCOMPARE(reread.GetArray(pitchKey).at(row), pitchAfter);
    }

    void byteOverflowFailsTheSaveAndChangesNothing_data() {
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("writer");
        QTest::newRow("axis byte 256") << "X_P2_A" << 0 << 256 << "SaveByByte";
        QTest::newRow("long byte -1") << "P1Y" << 200 << -1 << "SaveByByte";
        QTest::newRow("pitch of a word pair 300") << "X_P1" << 3 << 300 << "SaveByte1";
        QTest::newRow("pitch of a byte pair -5") << "Y_T2" << 10 << -5 << "SaveByte8";
    }
    void byteOverflowFailsTheSaveAndChangesNothing() {
        QFETCH(QString, key);
        QFETCH(int, index);
        QFETCH(int, value);
        QFETCH(QString, writer);
        TableBuilder builder;
        builder.FillPattern();
        COkuris okuris(Context());
        ReadInto(okuris, builder);
        // A good edit before the bad one must not reach the image either.
        QVERIFY(okuris.SetArray(QStringLiteral("X_P1_A"), 0, 0x0101));
        QVERIFY(okuris.SetArray(key, index, value));
        QCOMPARE(okuris.GetArray(key).at(index), value);

        QByteArray image = builder.Image();
        QVERIFY(!okuris.SaveData(image, 1));
        QCOMPARE(image, builder.Image());
        QCOMPARE(errors_.size(), 1);
        QCOMPARE(errors_.first().procName, writer);
        QCOMPARE(errors_.first().code, 6);
    }

    void failedReadKeepsWhatWasHeld() {
        TableBuilder good;
        good.FillPattern();
        COkuris okuris(Context());
        ReadInto(okuris, good);
        QVERIFY(okuris.SetArray(QStringLiteral("ZLM"), 5, 999));
        const QList<int> edited = okuris.GetArray(QStringLiteral("ZLM"));

        TableBuilder cut(2);
        cut.CutInside(2, 5000); // table 2's feed table ends inside the file's last byte
        const QString cutPath = Write(cut, QStringLiteral("cut.dsg"));
        QVERIFY(!okuris.ReadData(cutPath, TableBuilder::FileOffset(2, 0) + 1));
        QVERIFY(!okuris.ReadData(dir_.filePath(QStringLiteral("missing.dsg")), 1));
        QCOMPARE(errors_.size(), 2);
        QCOMPARE(errors_.at(0).procName, QStringLiteral("ReadData"));
        QCOMPARE(errors_.at(0).code, 62);
        QCOMPARE(errors_.at(1).code, 53);
        QCOMPARE(okuris.GetArray(QStringLiteral("ZLM")), edited);
        QCOMPARE(okuris.Position(), qint64(1));
    }

    void saveNeedsAReadTableAndRoomInTheImage() {
        COkuris okuris(Context());
        ReadInto(okuris, TableBuilder().FillPattern());
        COkuris empty(Context());
        QByteArray image = TableBuilder().FillPattern().Image();
        const QByteArray before = image;
        QVERIFY(!empty.SaveData(image, 1));
        QCOMPARE(image, before);
        QCOMPARE(errors_.last().procName, QStringLiteral("SaveData"));

        QByteArray shortImage = image.left(4096 + 2767);
        QVERIFY(!okuris.SaveData(shortImage, 1));
        QCOMPARE(shortImage, image.left(4096 + 2767));
        QVERIFY(!okuris.SaveData(image, 8193)); // a second table the image does not have
        QCOMPARE(image, before);
        QCOMPARE(errors_.size(), 3);
    }

    void unknownKeysAndCaptions() {
        COkuris okuris(Context());
        ReadInto(okuris, TableBuilder().FillPattern());
        okuris.GetArray(QStringLiteral("X_P1_B"));
        const QString expected = vokg::ComposeMessage(89, {QStringLiteral("X_P9_A")});
        QVERIFY(expected.endsWith(QStringLiteral("X_P9_A")));

        QVERIFY(okuris.GetArray(QStringLiteral("X_P9_A")).isEmpty());
        QCOMPARE(okuris.CurrentFeedKey(), QStringLiteral("X_P1_B"));
        QVERIFY(!okuris.SetArray(QStringLiteral("X_P9_A"), 0, 1));
        QCOMPARE(okuris.GetValue(QStringLiteral("X_P9_A")), 0);
        QVERIFY(okuris.GetArray(QStringLiteral("x_p1_a")).isEmpty()); // keys are case-sensitive

        const auto prompts = prompter_.Prompts();
        QCOMPARE(prompts.size(), 4);
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(prompts.at(i).kind, 2);
            QCOMPARE(prompts.at(i).text, expected);
        }
        QCOMPARE(prompts.at(3).text, vokg::ComposeMessage(89, {QStringLiteral("x_p1_a")}));
        QVERIFY(errors_.isEmpty());
    }

    void otherValuesIgnoreAnIndexPastTheSeventh() {
        COkuris okuris(Context());
        ReadInto(okuris, TableBuilder().FillPattern());
        const QList<int> before = okuris.GetArray(COkuris::OtherValuesKey());
        QVERIFY(!okuris.SetArray(COkuris::OtherValuesKey(), 7, 5));
        QVERIFY(!okuris.SetArray(COkuris::OtherValuesKey(), -1, 5));
        QCOMPARE(okuris.GetArray(COkuris::OtherValuesKey()), before);
        QVERIFY(prompter_.Prompts().isEmpty());
        QVERIFY(errors_.isEmpty());
    }

    void valueLists_data() {
        QTest::addColumn<QList<int>>("entries");
        QTest::addColumn<QString>("text");
        QTest::newRow("three") << QList<int>{12, 0, 255} << "12, 0, 255";
        QTest::newRow("negatives") << QList<int>{-1, -32768, 7} << "-1, -32768, 7";
        QTest::newRow("one") << QList<int>{65535} << "65535";
        QTest::newRow("none") << QList<int>{} << "";
    }
    void valueLists() {
        QFETCH(QList<int>, entries);
        QFETCH(QString, text);
        QCOMPARE(COkuris::CreateOkuriString_int(entries), text);
        QByteArray bytes;
        for (int entry : entries)
            bytes.append(static_cast<char>(entry));
        if (std::all_of(entries.begin(), entries.end(), [](int e) { return e >= 0 && e <= 255; }))
            QCOMPARE(COkuris::CreateOkuriString_byte(bytes), text);
    }

    void axisArrayRendersThirtyOneNumbers() {
        TableBuilder builder;
        for (int k = 0; k < 31; ++k)
            builder.Word(1, kFeed + 434 + 2 * k, k * 1000);
        COkuris okuris(Context());
        ReadInto(okuris, builder);
        QVERIFY(okuris.SetArray(QStringLiteral("Y_P1_B"), 30, -3));
        const QString text = COkuris::CreateOkuriString_int(okuris.GetArray(QStringLiteral("Y_P1_B")));
        QCOMPARE(text.count(QStringLiteral(", ")), 30);
        const QStringList numbers = text.split(QStringLiteral(", "));
        QCOMPARE(numbers.size(), 31);
        QCOMPARE(numbers.at(1), QStringLiteral("1000"));
        QCOMPARE(numbers.at(29), QStringLiteral("29000"));
        QCOMPARE(numbers.at(30), QStringLiteral("65533")); // -3 is held as its stored word
    }

    void fillsTheTemplateLineOfAnArray() {
        TableBuilder builder;
        for (int k = 0; k < 201; ++k)
            builder.Word(1, kFeed + 744 + 2 * k, k + 1);
        COkuris okuris(Context());
        ReadInto(okuris, builder);
        QStringList lines{QStringLiteral("/* GUS_X_L1_ [値] */"),
                          QStringLiteral("ushort gus_x_l1_[] = {[値]}; // [値]"),
                          QStringLiteral("ushort gus_x_l1_b = {[値]};")};
        QVERIFY(okuris.WriteOkuriParam_zrdlModel(QStringLiteral("XYLM"), lines));
        QStringList numbers;
        for (int k = 1; k <= 201; ++k)
            numbers.append(QString::number(k));
        const QString values = numbers.join(QStringLiteral(", "));
        QCOMPARE(lines.at(0), QStringLiteral("/* GUS_X_L1_ [値] */"));
        QCOMPARE(lines.at(1), QStringLiteral("ushort gus_x_l1_[] = {%1}; // %1").arg(values));
        QCOMPARE(lines.at(2), QStringLiteral("ushort gus_x_l1_b = {[値]};"));
        QVERIFY(prompter_.Prompts().isEmpty());
    }

    void templateProblemsLeaveTheLinesAlone_data() {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<int>("message");
        QTest::addColumn<QString>("detail");
        QTest::newRow("identifier missing")
            << "P1Y" << QStringList{QStringLiteral("gus_p1x_ [値]")} << 82 << "gus_p1y_";
        QTest::newRow("placeholder missing")
            << "X_T2_B"
            << QStringList{QStringLiteral("a"), QStringLiteral("guc_x_p2_ccw_ = {0};"),
                           QStringLiteral("guc_x_p2_ccw_ [値]")}
            << 86 << "guc_x_p2_ccw_ = {0};";
        QTest::newRow("pitch key has no identifier")
            << "X_P1" << QStringList{QStringLiteral("[値]")} << 89 << "X_P1";
        QTest::newRow("empty key") << "" << QStringList{QStringLiteral("[値]")} << 89 << "";
    }
    void templateProblemsLeaveTheLinesAlone() {
        QFETCH(QString, key);
        QFETCH(QStringList, lines);
        QFETCH(int, message);
        QFETCH(QString, detail);
        COkuris okuris(Context());
        ReadInto(okuris, TableBuilder().FillPattern());
        QStringList edited = lines;
        QVERIFY(!okuris.WriteOkuriParam_zrdlModel(key, edited));
        QCOMPARE(edited, lines);
        QCOMPARE(prompter_.Prompts().size(), 1);
        QCOMPARE(prompter_.Prompts().first().kind, 2);
        QCOMPARE(prompter_.Prompts().first().text, vokg::ComposeMessage(message, {detail}));
    }

    void identifiersAndKeys() {
        QCOMPARE(COkuris::AxisKeys().size(), 16);
        QCOMPARE(COkuris::PitchKeys().size(), 8);
        QCOMPARE(COkuris::CIdentifier(QStringLiteral("Y_T1_B")), QStringLiteral("gus_y_e8_ccw_"));
        QCOMPARE(COkuris::CIdentifier(QStringLiteral("ZLM")), QStringLiteral("gus_y_l1_"));
        QCOMPARE(COkuris::CIdentifier(QStringLiteral("Y_T1")), QString());
        QCOMPARE(COkuris::OtherValueCIdentifier(3), QStringLiteral("gus_s8_top_"));
        QCOMPARE(COkuris::OtherValueCIdentifier(7), QString());
        // Every key of the table names an array GetArray knows.
        COkuris okuris(Context());
        for (const QString& key : COkuris::AxisKeys() + COkuris::LongKeys() + COkuris::PitchKeys())
            QVERIFY2(!okuris.GetArray(key).isEmpty(), qPrintable(key));
        QVERIFY(prompter_.Prompts().isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestOkuris)
#include "tst_okuris.moc"
