#include "hlpkit/CMethod.h"
#include "model/AccessModes.h"
#include "model/CModes.h"
#include "model/HeaderField.h"
#include "model/TableFile.h"
#include "platform/AnsiCodec.h"
#include "shell/messages/Messages.h"
#include "tests/support/DefinitionBuilder.h"
#include "tests/support/ScriptedPrompter.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace vokg;
using testsupport::DefinitionBuilder;

namespace {

const QString kMissing = QStringLiteral("<missing>");

// Offsets of the digitals of the standard definitions below.
constexpr int kSpeed = 100;  // 2 bytes
constexpr int kLimit = 102;  // 1 byte
constexpr int kLow = 103;    // 1 byte, bounds by name
constexpr int kModex = 104;  // 1 byte SEL
constexpr int kGhost = 105;  // 1 byte, lower bound names no digital
constexpr int kDb1 = 200;    // 2 bytes
constexpr int kDb5 = 202;    // 1 byte ON/OFF
constexpr int kOffset = 210; // 2 bytes signed
constexpr int kTrim = 212;   // 1 byte signed

QByteArray PatternImage(int tables) {
    QByteArray image(tables * kTableSize, '\0');
    for (qsizetype i = 0; i < image.size(); ++i)
        image[i] = char((i * 7 + 3) & 0xFF);
    return image;
}

void Put(QByteArray& image, qsizetype offset, const QByteArray& bytes) {
    image.replace(offset, bytes.size(), bytes);
}

QByteArray Hex(const char* hex) {
    return QByteArray::fromHex(hex);
}

bool WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

} // namespace

class TestModes : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir_;
    QStringList boxes_;
    hlpkit::CMethod method_;
    testsupport::ScriptedPrompter prompter_;
    Messenger messenger_{prompter_, QStringLiteral("VOKG_SET")};

    ModelContext Context() { return {method_, messenger_}; }
    DefinitionBuilder Builder() const { return DefinitionBuilder(dir_->path()); }

    static QString ProcOf(const QString& box) { return box.section(QStringLiteral("\r\n"), 0, 0); }
    static int CodeOf(const QString& box) {
        const auto match = QRegularExpression(QStringLiteral("\\[ErrCode\\] (-?\\d+)")).match(box);
        return match.hasMatch() ? match.captured(1).toInt() : 0;
    }

    void WriteStandardDefinitions() {
        const DefinitionBuilder builder = Builder();
        QVERIFY(
            !builder
                 .WriteLines(QStringLiteral("Set01.e"), {QStringLiteral("BASIC"), QStringLiteral("SPECIAL"),
                                                         QStringLiteral("Manufacturer")})
                 .isEmpty());
        QVERIFY(
            !builder
                 .Write(QStringLiteral("Set02.e"),
                        {
                            DefinitionBuilder::Digital("BASIC", "SPEED", "NUM", "0", "3000", kSpeed, 2),
                            DefinitionBuilder::Digital("BASIC", "LIMIT", "NUM", "0", "250", kLimit, 1),
                            DefinitionBuilder::Digital("BASIC", "LOW", "NUM", "LIMIT", "SPEED", kLow, 1),
                            DefinitionBuilder::Digital("BASIC", "MODEX", "SEL", "LIMIT", "SPEED", kModex, 1),
                            DefinitionBuilder::Digital("BASIC", "GHOST", "NUM", "NOSUCH", "250", kGhost, 1),
                            DefinitionBuilder::Digital("SPECIAL", "DB1", "NUM", "0", "65535", kDb1, 2,
                                                       "first<RETURN>second"),
                            DefinitionBuilder::Digital("SPECIAL", "DB5", "SEL", "0", "1", kDb5, 1),
                            DefinitionBuilder::Digital("Manufacturer", "OFFSET", "NUM", "-100", "100",
                                                       kOffset, 2),
                            DefinitionBuilder::Digital("Manufacturer", "TRIM", "NUM", "-10", "10", kTrim, 1),
                        })
                 .isEmpty());
        QVERIFY(!builder
                     .Write(QStringLiteral("Set03.e"), {{"SPECIAL", "DB5", "OF", "0"},
                                                        {"SPECIAL", "DB5", "ON", "1"},
                                                        {"BASIC", "MODEX", "A", "1"},
                                                        {"BASIC", "MODEX", "B", "2"},
                                                        {"BASIC", "MODEX", "C", "2"}})
                     .isEmpty());
    }

    // The standard definitions, read; fails the test when any read fails.
    std::unique_ptr<CModes> LoadStandard() {
        WriteStandardDefinitions();
        auto modes = std::make_unique<CModes>(Context());
        if (!modes->ReadSet01e(dir_->path()) || !modes->ReadSet02e(dir_->path()) ||
            !modes->ReadSet03e(dir_->path()))
            return nullptr;
        return modes;
    }

    static CDigital& Digital(CModes& modes, const char* mode, const char* name) {
        return *modes.Item(QString::fromLatin1(mode))->Digits().Find(QString::fromLatin1(name));
    }

    // A table holding a known value in every field of the standard definitions.
    static QByteArray ValuesTable(const QByteArray& name, const QByteArray& version) {
        QByteArray table = PatternImage(1);
        Put(table, 0, name.leftJustified(10, '\0'));
        Put(table, 10, version.leftJustified(10, '\0'));
        Put(table, kSpeed, Hex("012C"));  // 300
        Put(table, kLimit, Hex("FA"));    // 250
        Put(table, kLow, Hex("05"));      // 5
        Put(table, kModex, Hex("02"));    // 2
        Put(table, kGhost, Hex("07"));    // 7
        Put(table, kDb1, Hex("9C40"));    // 40000
        Put(table, kDb5, Hex("01"));      // 1
        Put(table, kOffset, Hex("FF9C")); // -100
        Put(table, kTrim, Hex("F6"));     // -10
        return table;
    }

private slots:
    void initTestCase() {
        hlpkit::CMethod::SetErrorBox([this](const QString&, const QString& text) { boxes_.append(text); });
    }
    void init() {
        dir_ = std::make_unique<QTemporaryDir>();
        QVERIFY(dir_->isValid());
        hlpkit::CMethod::SetLogFolder(dir_->path());
        boxes_.clear();
        prompter_.Clear();
    }
    void cleanupTestCase() {
        hlpkit::CMethod::ResetErrorBox();
        hlpkit::CMethod::SetLogFolder(QString());
    }

    void readsDefinitions() {
        const auto modes = LoadStandard();
        QVERIFY(modes);
        QCOMPARE(modes->Count(), 3);
        QCOMPARE(modes->Item(1)->ModeName(), QStringLiteral("BASIC"));
        QCOMPARE(modes->Item(3)->ModeName(), QStringLiteral("Manufacturer"));
        QCOMPARE(modes->Item(QStringLiteral("basic")), modes->Item(1)); // keys ignore letter case
        QStringList order;
        for (const CDigital& digital : modes->Item(1)->Digits())
            order << digital.digital();
        QCOMPARE(order, QStringList({"SPEED", "LIMIT", "LOW", "MODEX", "GHOST"}));

        const CDigital& db1 = Digital(*modes, "SPECIAL", "DB1");
        QCOMPARE(db1.DetailAdvice(), QStringLiteral("first\r\nsecond"));
        QCOMPARE(db1.Unit(), QStringLiteral("mm"));
        QCOMPARE(db1.RamAddress(), kDb1);
        QCOMPARE(db1.RamSize(), 2);

        const CDigital& low = Digital(*modes, "BASIC", "LOW");
        QCOMPARE(low.Min(), QStringLiteral("LIMIT"));
        QCOMPARE(low.MinString(), QStringLiteral("LIMIT"));
        QCOMPARE(low.MaxString(), QStringLiteral("SPEED"));
        const CDigital& modex = Digital(*modes, "BASIC", "MODEX");
        QCOMPARE(modex.Min(), QStringLiteral("LIMIT"));
        QVERIFY(modex.MinString().isEmpty());
        QVERIFY(modex.MaxString().isEmpty());
        QVERIFY(Digital(*modes, "BASIC", "SPEED").MinString().isEmpty());

        QVERIFY(Digital(*modes, "Manufacturer", "OFFSET").IsSignedField());
        QVERIFY(!Digital(*modes, "SPECIAL", "DB1").IsSignedField());

        QCOMPARE(Digital(*modes, "SPECIAL", "DB5").Selections().Count(), 2);
        QCOMPARE(Digital(*modes, "SPECIAL", "DB5").Selections().Item(2)->Selection(), QStringLiteral("ON"));
        QVERIFY(boxes_.isEmpty());
    }

    void counts() {
        const auto modes = LoadStandard();
        QVERIFY(modes);
        QCOMPARE(modes->AllDititalCount(), 9);
        QCOMPARE(modes->CountThisDititalCount(0), 2);
        QCOMPARE(modes->CountThisDititalCount(1), 2);
        QCOMPARE(modes->CountThisDititalCount(2), 0);
        QCOMPARE(modes->CountThisDititalCount(-1), 0);
        QCOMPARE(modes->DifDititalCount(), 0);
        Digital(*modes, "BASIC", "SPEED").SetCmpValue(3);
        Digital(*modes, "SPECIAL", "DB1").SetUserValue(3);
        QCOMPARE(modes->DifDititalCount(), 2);
        Digital(*modes, "SPECIAL", "DB1").SetCmpValue(3);
        QCOMPARE(modes->DifDititalCount(), 1);
    }

    void accessModes_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("special");
        QTest::addColumn<bool>("manufacturer");
        QTest::newRow("SPECIAL") << "SPECIAL" << true << false;
        QTest::newRow("Special") << "Special" << true << false;
        QTest::newRow("Japanese special") << QStringLiteral(u"特殊") << true << false;
        QTest::newRow("Japanese special with blank") << QStringLiteral(u"特殊 ") << false << false;
        QTest::newRow("MANUFACTURER") << "MANUFACTURER" << false << true;
        QTest::newRow("manufacturer") << "manufacturer" << false << true;
        QTest::newRow("Japanese manufacturer") << QStringLiteral(u"メーカー") << false << true;
        QTest::newRow("other") << "BASIC" << false << false;
        QTest::newRow("special inside") << "SPECIAL2" << false << false;
    }
    void accessModes() {
        QFETCH(QString, name);
        QFETCH(bool, special);
        QFETCH(bool, manufacturer);
        QCOMPARE(IsSpecialMode(name), special);
        QCOMPARE(IsManufacturerMode(name), manufacturer);
    }

    void readFailures_data() {
        QTest::addColumn<QStringList>("set01");
        QTest::addColumn<QStringList>("set02");
        QTest::addColumn<QStringList>("set03");
        QTest::addColumn<int>("failingRead");
        QTest::addColumn<int>("kept"); // modes, digitals or selections kept by the failing read
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("where");

        const QStringList modes{"A", "B"};
        const auto row = [](const char* mode, const char* name, const char* address = "10",
                            const char* size = "1") {
            return QStringList{mode, name, "NUM", "", "0", "9", "", "", address, size}.join(u'\t');
        };
        const QStringList digitals{row("A", "D1", "10"), row("B", "D2", "11")};
        const QStringList none;

        QTest::newRow("Set01 missing") << QStringList{kMissing} << none << none << 1 << 0 << 53 << "Set01.e";
        QTest::newRow("Set01 blank line")
            << QStringList{"A", "", "B"} << none << none << 1 << 1 << 9 << "Set01.e line 2";
        QTest::newRow("Set01 duplicate, letter case aside")
            << QStringList{"A", "B", "a"} << none << none << 1 << 2 << 457 << "Set01.e line 3";
        QTest::newRow("Set02 missing") << modes << QStringList{kMissing} << none << 2 << 0 << 53 << "Set02.e";
        QTest::newRow("Set02 unknown mode")
            << modes << QStringList{row("A", "D1"), row("X", "D2"), row("B", "D3")} << none << 2 << 1 << 5
            << "Set02.e line 2";
        QTest::newRow("Set02 duplicate digital")
            << modes << QStringList{row("A", "D1", "10"), row("A", "d1", "11")} << none << 2 << 1 << 457
            << "Set02.e line 2";
        QTest::newRow("same name in two modes is fine, failure later")
            << modes << QStringList{row("A", "D1", "10"), row("B", "D1", "11"), "A\tD2\tNUM"} << none << 2
            << 2 << 9 << "Set02.e line 3";
        QTest::newRow("Set02 blank line")
            << modes << QStringList{row("A", "D1"), ""} << none << 2 << 1 << 9 << "Set02.e line 2";
        QTest::newRow("Set02 size 4") << modes << QStringList{row("A", "D1"), row("A", "D2", "20", "4")}
                                      << none << 2 << 1 << 5 << "Set02.e line 2";
        QTest::newRow("Set02 word past the table")
            << modes << QStringList{row("A", "D1", "8190", "2"), row("A", "D2", "8191", "2")} << none << 2
            << 1 << 9 << "Set02.e line 2";
        QTest::newRow("Set02 address beyond 32 bits")
            << modes << QStringList{row("A", "D1", "99999999999")} << none << 2 << 0 << 6 << "Set02.e line 1";
        QTest::newRow("Set03 missing")
            << modes << digitals << QStringList{kMissing} << 3 << 0 << 53 << "Set03.e";
        QTest::newRow("Set03 unknown mode")
            << modes << digitals << QStringList{"A\tD1\tOF\t0", "Z\tD1\tON\t1"} << 3 << 1 << 5
            << "Set03.e line 2";
        QTest::newRow("Set03 unknown digital")
            << modes << digitals << QStringList{"A\tD1\tOF\t0", "A\tD2\tON\t1"} << 3 << 1 << 5
            << "Set03.e line 2";
        QTest::newRow("Set03 duplicate selection")
            << modes << digitals << QStringList{"A\tD1\tOF\t0", "A\tD1\tON\t1", "A\tD1\tOF\t2"} << 3 << 2
            << 457 << "Set03.e line 3";
        QTest::newRow("Set01 a mode named by NUL characters")
            << QStringList{"A", QString(100, QChar(u'\0')), "B"} << none << none << 1 << 1 << 5
            << "Set01.e line 2: field 0 holds the control character U+0000";
        QTest::newRow("Set02 an escape sequence in a detail")
            << modes
            << QStringList{row("A", "D1", "10"), QStringList{"B", "D2", "NUM", "", "0", "9", "",
                                                             QStringLiteral(u"\u001B[2Jgone"), "11", "1"}
                                                     .join(u'\t')}
            << none << 2 << 1 << 5 << "Set02.e line 2: field 7 holds the control character U+001B";
        QTest::newRow("Set03 a lone carriage return in a choice")
            << modes << digitals << QStringList{"A\tD1\tOF\t0", "A\tD1\tO\rN\t1"} << 3 << 1 << 5
            << "Set03.e line 2: field 2 holds the control character U+000D";
        QTest::newRow("Set03 too few fields") << modes << digitals << QStringList{"A\tD1\tOF\t0", "A\tD1\tON"}
                                              << 3 << 1 << 9 << "Set03.e line 2";
    }
    void readFailures() {
        QFETCH(QStringList, set01);
        QFETCH(QStringList, set02);
        QFETCH(QStringList, set03);
        QFETCH(int, failingRead);
        QFETCH(int, kept);
        QFETCH(int, code);
        QFETCH(QString, where);

        const DefinitionBuilder builder = Builder();
        const QList<QPair<QString, QStringList>> files{
            {"Set01.e", set01}, {"Set02.e", set02}, {"Set03.e", set03}};
        for (const auto& [name, lines] : files) {
            if (lines != QStringList{kMissing})
                QVERIFY(!builder.WriteLines(name, lines).isEmpty());
        }
        CModes modes(Context());
        const bool results[3] = {modes.ReadSet01e(dir_->path()),
                                 failingRead > 1 && modes.ReadSet02e(dir_->path()),
                                 failingRead > 2 && modes.ReadSet03e(dir_->path())};
        for (int read = 1; read < failingRead; ++read)
            QVERIFY2(results[read - 1], qPrintable(QStringLiteral("read %1 should pass").arg(read)));
        QVERIFY(!results[failingRead - 1]);

        QCOMPARE(boxes_.size(), 1);
        QCOMPARE(ProcOf(boxes_.first()), QStringLiteral("ReadSet0%1e").arg(failingRead));
        QCOMPARE(CodeOf(boxes_.first()), code);
        QVERIFY2(boxes_.first().contains(where), qPrintable(boxes_.first()));
        // The failure is in the log too, under the operation's name.
        QFile log(QDir(dir_->path()).filePath(QStringLiteral("Err.log")));
        QVERIFY(log.open(QIODevice::ReadOnly));
        QVERIFY(log.readAll().contains(QStringLiteral("ReadSet0%1e").arg(failingRead).toLatin1()));

        qsizetype selections = 0;
        for (const CMode& mode : modes) {
            for (const CDigital& digital : mode.Digits())
                selections += digital.Selections().Count();
        }
        const qsizetype actual[3] = {modes.Count(), modes.AllDititalCount(), selections};
        QCOMPARE(actual[failingRead - 1], kept);
    }

    void itemLookups() {
        const auto modes = LoadStandard();
        QVERIFY(modes);
        CDigitals& digits = modes->Item(QStringLiteral("BASIC"))->Digits();
        QCOMPARE(digits.Item(QStringLiteral("limit")), digits.Item(2));
        QVERIFY(boxes_.isEmpty());

        QCOMPARE(digits.Item(QStringLiteral("NOPE")), nullptr);
        QCOMPARE(boxes_.size(), 1);
        QCOMPARE(ProcOf(boxes_.last()), QStringLiteral("CDigitals Item vntIndexKey=NOPE"));
        QCOMPARE(digits.Item(6), nullptr);
        QCOMPARE(ProcOf(boxes_.last()), QStringLiteral("CDigitals Item vntIndexKey=6"));
        QCOMPARE(digits.Find(QStringLiteral("NOPE")), nullptr);
        QCOMPARE(boxes_.size(), 2);

        QVERIFY(digits.Remove(QStringLiteral("LIMIT")));
        QCOMPARE(digits.Count(), 4);
        QCOMPARE(digits.Item(2)->digital(), QStringLiteral("LOW"));
        QCOMPARE(digits.Find(QStringLiteral("GHOST")), digits.Item(4));
        QVERIFY(!digits.Remove(QStringLiteral("LIMIT")));
        QCOMPARE(modes->Item(QStringLiteral("nope")), nullptr);
        QCOMPARE(modes->Item(4), nullptr);
    }

    void getSelection() {
        const auto modes = LoadStandard();
        QVERIFY(modes);
        const CSelections& choices = Digital(*modes, "BASIC", "MODEX").Selections();
        QCOMPARE(choices.GetSelection(1), QStringLiteral("A"));
        QCOMPARE(choices.GetSelection(2), QStringLiteral("C")); // the later of two equal values
        QCOMPARE(choices.GetSelection(7), QStringLiteral("?"));
        QCOMPARE(Digital(*modes, "SPECIAL", "DB5").Selections().GetSelection(0), QStringLiteral("OF"));
    }

    void updateUserValue_data() {
        QTest::addColumn<QString>("digital");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("set");
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("logged");
        QTest::newRow("selection") << "DB5"
                                   << "ON" << true << 1 << ""
                                   << "";
        QTest::newRow("selection, other case")
            << "DB5"
            << "on" << false << 9 << "UpdateUserValue:cannot find selection ->on"
            << "";
        QTest::newRow("selection by value text")
            << "DB5"
            << "1" << false << 9 << "UpdateUserValue:cannot find selection ->1"
            << "";
        QTest::newRow("number ties to even") << "DB1"
                                             << "12.5" << true << 12 << ""
                                             << "";
        QTest::newRow("number with unit") << "DB1"
                                          << "77 mm" << true << 77 << ""
                                          << "";
        QTest::newRow("no number") << "DB1"
                                   << "abc" << true << 0 << ""
                                   << "";
        QTest::newRow("beyond 32 bits") << "DB1"
                                        << "99999999999" << false << 9 << ""
                                        << "UpdateUserValue";
    }
    void updateUserValue() {
        QFETCH(QString, digital);
        QFETCH(QString, text);
        QFETCH(bool, set);
        QFETCH(int, value);
        QFETCH(QString, shown);
        QFETCH(QString, logged);
        const auto modes = LoadStandard();
        QVERIFY(modes);
        CDigital& target = *modes->Item(QStringLiteral("SPECIAL"))->Digits().Find(digital);
        target.SetUserValue(9);
        QCOMPARE(target.UpdateUserValue(text), set);
        QCOMPARE(target.UserValue(), value);
        QCOMPARE(prompter_.MessageTexts(), shown.isEmpty() ? QStringList() : QStringList{shown});
        QCOMPARE(boxes_.isEmpty(), logged.isEmpty());
        if (!logged.isEmpty())
            QCOMPARE(ProcOf(boxes_.first()), logged);
    }

    void readsValuesAndResolvesBounds() {
        const auto modes = LoadStandard();
        QVERIFY(modes);
        const QString path = Builder().Path(QStringLiteral("data.dsg"));
        QVERIFY(WriteFile(path, PatternImage(1) + ValuesTable("AB", "ABCDEFGHIJ")));

        QVERIFY(modes->ReadDataDigitals(FileKind::User, path, TablePosition(2), OpeningState{true, false}));
        QVERIFY(boxes_.isEmpty());
        QCOMPARE(modes->KishuName(), QStringLiteral("AB"));
        QCOMPARE(modes->DataVersion(), QStringLiteral("ABCDEFGHIJ"));
        QCOMPARE(Digital(*modes, "BASIC", "SPEED").UserValue(), 300);
        QCOMPARE(Digital(*modes, "BASIC", "LIMIT").UserValue(), 250);
        QCOMPARE(Digital(*modes, "SPECIAL", "DB1").UserValue(), 40000);
        QCOMPARE(Digital(*modes, "Manufacturer", "OFFSET").UserValue(), -100);
        QCOMPARE(Digital(*modes, "Manufacturer", "TRIM").UserValue(), -10);
        QCOMPARE(Digital(*modes, "BASIC", "MODEX").UserValue(), 2);
        QCOMPARE(Digital(*modes, "SPECIAL", "DB1").CmpValue(), 0);

        const CDigital& low = Digital(*modes, "BASIC", "LOW");
        QCOMPARE(low.Min(), QStringLiteral("250"));
        QCOMPARE(low.Max(), QStringLiteral("300"));
        QCOMPARE(low.MinString(), QStringLiteral("LIMIT"));
        QCOMPARE(Digital(*modes, "BASIC", "GHOST").Min(), QStringLiteral("0"));
        QCOMPARE(Digital(*modes, "BASIC", "MODEX").Min(), QStringLiteral("LIMIT"));
        QCOMPARE(modes->GetUserValueByName(QStringLiteral("SPEED")), 300);
        QCOMPARE(modes->GetUserValueByName(QStringLiteral("speed")), 0);
    }

    void readsComparison() {
        const auto modes = LoadStandard();
        QVERIFY(modes);
        const QString userPath = Builder().Path(QStringLiteral("user.dsg"));
        const QString comparisonPath = Builder().Path(QStringLiteral("comparison.dsg"));
        QVERIFY(WriteFile(userPath, ValuesTable("USER", "1.00")));
        QByteArray other = ValuesTable("OTHER", "2.00");
        Put(other, kLimit, Hex("10"));
        Put(other, kSpeed, Hex("0001"));
        QVERIFY(WriteFile(comparisonPath, other));

        QVERIFY(modes->ReadDataDigitals(FileKind::User, userPath, 1, OpeningState{true, false}));
        QVERIFY(modes->ReadDataDigitals(FileKind::Comparison, comparisonPath, 1, OpeningState{false, true}));
        QCOMPARE(modes->KishuName(), QStringLiteral("USER"));
        QCOMPARE(modes->KishuName2(), QStringLiteral("OTHER"));
        QCOMPARE(modes->DataVersion2(), QStringLiteral("2.00"));
        QCOMPARE(Digital(*modes, "BASIC", "LIMIT").CmpValue(), 16);
        QCOMPARE(Digital(*modes, "BASIC", "LIMIT").UserValue(), 250);
        QCOMPARE(Digital(*modes, "BASIC", "LOW").Min(), QStringLiteral("250")); // user values only
        QCOMPARE(modes->DifDititalCount(), 2);

        // A comparison kind read while the user file opens touches no header text.
        QVERIFY(modes->ReadDataDigitals(FileKind::Comparison, comparisonPath, 1, OpeningState{true, false}));
        QCOMPARE(modes->KishuName(), QStringLiteral("USER"));
        QVERIFY(boxes_.isEmpty());
    }

    void failedReadChangesNothing_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<qint64>("position");
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("code");
        QTest::newRow("missing file") << "absent.dsg" << QByteArray() << qint64(1) << 0 << 53;
        QTest::newRow("file ends inside the table")
            << "short.dsg" << QByteArray(kTableSize + 100, 'x') << TablePosition(2) << 0 << 62;
        QTest::newRow("unknown kind") << "other.dsg" << ValuesTable("X", "Y") << qint64(1) << 2 << 5;
    }
    void failedReadChangesNothing() {
        QFETCH(QString, file);
        QFETCH(QByteArray, bytes);
        QFETCH(qint64, position);
        QFETCH(int, kind);
        QFETCH(int, code);
        const auto modes = LoadStandard();
        QVERIFY(modes);
        const QString good = Builder().Path(QStringLiteral("good.dsg"));
        QVERIFY(WriteFile(good, ValuesTable("GOOD", "1.00")));
        QVERIFY(modes->ReadDataDigitals(FileKind::User, good, 1, OpeningState{true, false}));
        const QString path = Builder().Path(file);
        if (!bytes.isEmpty())
            QVERIFY(WriteFile(path, bytes));

        QVERIFY(!modes->ReadDataDigitals(static_cast<vokg::FileKind>(kind), path, position,
                                         OpeningState{true, false}));
        QCOMPARE(boxes_.size(), 1);
        QCOMPARE(ProcOf(boxes_.first()), QStringLiteral("ReadDataDigitals"));
        QCOMPARE(CodeOf(boxes_.first()), code);
        QCOMPARE(modes->KishuName(), QStringLiteral("GOOD"));
        QCOMPARE(Digital(*modes, "BASIC", "SPEED").UserValue(), 300);
        QCOMPARE(Digital(*modes, "SPECIAL", "DB1").UserValue(), 40000);
    }

    void saveWritesOnlyNamedBytes() {
        const auto modes = LoadStandard();
        QVERIFY(modes);
        modes->SetKishuName(QStringLiteral("VK-2300"));
        modes->SetDataVersion(QStringLiteral("1.00"));
        const QList<QPair<const char*, int>> values{{"SPEED", 300}, {"LIMIT", 255}, {"LOW", 0},
                                                    {"MODEX", 2},   {"GHOST", 9},   {"DB1", 40000},
                                                    {"DB5", 1},     {"OFFSET", -1}, {"TRIM", -128}};
        for (const auto& [name, value] : values) {
            for (CMode& mode : *modes) {
                if (CDigital* digital = mode.Digits().Find(QString::fromLatin1(name)))
                    digital->SetUserValue(value);
            }
        }
        QByteArray image = PatternImage(3);
        QByteArray expected = image;
        const qint64 base = TableOffset(TablePosition(2));
        Put(expected, base,
            QByteArray("VK-2300").leftJustified(10, '\0') + QByteArray("1.00").leftJustified(10, '\0'));
        Put(expected, base + kSpeed, Hex("012C"));
        Put(expected, base + kLimit, Hex("FF"));
        Put(expected, base + kLow, Hex("00"));
        Put(expected, base + kModex, Hex("02"));
        Put(expected, base + kGhost, Hex("09"));
        Put(expected, base + kDb1, Hex("9C40"));
        Put(expected, base + kDb5, Hex("01"));
        Put(expected, base + kOffset, Hex("FFFF"));
        Put(expected, base + kTrim, Hex("80"));

        QVERIFY(modes->SaveOneTable(image, TablePosition(2)));
        QVERIFY(boxes_.isEmpty());
        QCOMPARE(image.toHex(), expected.toHex());

        // What was saved reads back as it was, 2-byte values above 32767 and signed fields included.
        const QString path = Builder().Path(QStringLiteral("saved.dsg"));
        QVERIFY(WriteFile(path, image));
        for (CMode& mode : *modes) {
            for (CDigital& digital : mode.Digits())
                digital.SetUserValue(12);
        }
        QVERIFY(modes->ReadDataDigitals(FileKind::User, path, TablePosition(2), OpeningState{true, false}));
        for (const auto& [name, value] : values) {
            for (CMode& mode : *modes) {
                if (const CDigital* digital = mode.Digits().Find(QString::fromLatin1(name)))
                    QCOMPARE(digital->UserValue(), value);
            }
        }
        QCOMPARE(modes->KishuName(), QStringLiteral("VK-2300"));
    }

    void saveOverflow_data() {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QString>("digital");
        QTest::addColumn<int>("value");
        QTest::newRow("256 in one byte") << "BASIC"
                                         << "LIMIT" << 256;
        QTest::newRow("-1 in an unsigned byte") << "BASIC"
                                                << "LIMIT" << -1;
        QTest::newRow("65536 in two bytes") << "SPECIAL"
                                            << "DB1" << 65536;
        QTest::newRow("-1 in an unsigned word") << "SPECIAL"
                                                << "DB1" << -1;
        QTest::newRow("128 in a signed byte") << "Manufacturer"
                                              << "TRIM" << 128;
        QTest::newRow("-129 in a signed byte") << "Manufacturer"
                                               << "TRIM" << -129;
        QTest::newRow("32768 in a signed word") << "Manufacturer"
                                                << "OFFSET" << 32768;
        QTest::newRow("-32769 in a signed word") << "Manufacturer"
                                                 << "OFFSET" << -32769;
    }
    void saveOverflow() {
        QFETCH(QString, mode);
        QFETCH(QString, digital);
        QFETCH(int, value);
        const auto modes = LoadStandard();
        QVERIFY(modes);
        modes->Item(mode)->Digits().Find(digital)->SetUserValue(value);
        QByteArray image = PatternImage(2);
        const QByteArray before = image;
        QVERIFY(!modes->SaveOneTable(image, TablePosition(1)));
        QCOMPARE(boxes_.size(), 1);
        QCOMPARE(ProcOf(boxes_.first()), QStringLiteral("SaveOneTable"));
        QCOMPARE(CodeOf(boxes_.first()), 6);
        QVERIFY2(boxes_.first().contains(digital), qPrintable(boxes_.first()));
        QCOMPARE(image, before); // nothing half-written, not even the header
    }

    void saveOutsideTheImage() {
        const auto modes = LoadStandard();
        QVERIFY(modes);
        QByteArray image = PatternImage(2);
        const QByteArray before = image;
        QVERIFY(!modes->SaveOneTable(image, TablePosition(3)));
        QCOMPARE(ProcOf(boxes_.value(0)), QStringLiteral("SaveOneTable"));
        QCOMPARE(CodeOf(boxes_.value(0)), 9);
        QCOMPARE(image, before);
    }

    void headerBytes_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("field");
        QTest::newRow("short") << "AB" << QByteArray("AB").leftJustified(10, '\0');
        QTest::newRow("exactly ten bytes") << "ABCDEFGHIJ" << QByteArray("ABCDEFGHIJ");
        QTest::newRow("eleven characters") << "ABCDEFGHIJK" << QByteArray("ABCDEFGHIJ");
        QTest::newRow("double byte across the end")
            << QStringLiteral(u"ABCDEFGHIあ") << QByteArray("ABCDEFGHI\0", 10);
        QTest::newRow("six double-byte characters")
            << QStringLiteral(u"あいうえおか")
            << *platform::AnsiCodec::EncodeStrict(QStringLiteral(u"あいうえお"));
    }
    void headerBytes() {
        QFETCH(QString, name);
        QFETCH(QByteArray, field);
        const auto modes = LoadStandard();
        QVERIFY(modes);
        modes->SetKishuName(name);
        modes->SetDataVersion(QStringLiteral("V1"));
        QByteArray image = PatternImage(1);
        QVERIFY(modes->SaveOneTable(image, 1));
        QCOMPARE(image.left(10).toHex(), field.toHex());
        QCOMPARE(image.mid(10, 10), QByteArray("V1").leftJustified(10, '\0'));
        // Nothing spills past the two fields: the bytes up to the first digital keep the pattern.
        QCOMPARE(image.mid(20, kSpeed - 20), PatternImage(1).mid(20, kSpeed - 20));
    }

    void headerWithoutCodePageForm() {
        const auto modes = LoadStandard();
        QVERIFY(modes);
        modes->SetKishuName(QStringLiteral(u"Caf\u00e9\u0101"));
        QByteArray image = PatternImage(1);
        const QByteArray before = image;
        QVERIFY(!modes->SaveOneTable(image, 1));
        QCOMPARE(ProcOf(boxes_.value(0)), QStringLiteral("SaveHedder"));
        QCOMPARE(image, before);
    }

    // Stored files written by other programs hold header fields that do not decode. Such a field
    // goes back byte for byte while nobody edits it, whichever other field is edited; only an
    // edited text is encoded anew.
    void headerFieldsNobodyEditedSaveAsRead_data() {
        QTest::addColumn<QByteArray>("name"); // the 10 bytes as stored
        QTest::addColumn<QByteArray>("version");
        QTest::newRow("half a double-byte character at the end")
            << QByteArray("ABCDEFGHI\x82", 10) << QByteArray("1.00").leftJustified(10, '\0');
        QTest::newRow("bytes code page 932 cannot map")
            << QByteArray("AB\xFD\0\0\0\0\0\0\0", 10) << QByteArray("V\x80\xA0", 3).leftJustified(10, '\0');
        QTest::newRow("blanks, and bytes after a NUL")
            << QByteArray("AB  \0XY\0\0\0", 10) << QByteArray("  V1      ");
    }
    void headerFieldsNobodyEditedSaveAsRead() {
        QFETCH(QByteArray, name);
        QFETCH(QByteArray, version);
        const auto modes = LoadStandard();
        QVERIFY(modes);
        QByteArray stored = ValuesTable("", "");
        Put(stored, 0, name + version);
        const QString path = Builder().Path(QStringLiteral("other.dsg"));
        QVERIFY(WriteFile(path, stored));
        QVERIFY(modes->ReadDataDigitals(FileKind::User, path, 1, OpeningState{true, false}));

        QByteArray image = PatternImage(2);
        QVERIFY(modes->SaveOneTable(image, TablePosition(2)));
        QVERIFY2(boxes_.isEmpty(), qPrintable(boxes_.join(QLatin1Char('\n'))));
        QCOMPARE(image.mid(kTableSize, 20).toHex(), (name + version).toHex());

        // Typing the shown text again is no edit either.
        modes->SetKishuName(modes->KishuName());
        modes->SetDataVersion(QStringLiteral("2.00"));
        QVERIFY(modes->SaveOneTable(image, TablePosition(2)));
        QCOMPARE(image.mid(kTableSize, 20).toHex(),
                 (name + QByteArray("2.00").leftJustified(10, '\0')).toHex());

        modes->SetKishuName(QStringLiteral("VK-9"));
        QVERIFY(modes->SaveOneTable(image, TablePosition(2)));
        QCOMPARE(image.mid(kTableSize, 10), QByteArray("VK-9").leftJustified(10, '\0'));
        QVERIFY(boxes_.isEmpty());
    }

    // The one rule for a header text typed in the header editor or assigned on the command line:
    // what the file cannot give back as it was given is refused with the header editor's message.
    void headerTextRule_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message"); // empty: accepted
        const QString tooLong = QStringLiteral("Number of character must be less than as follows.\n\n10");
        QTest::newRow("plain") << "VK-2300"
                               << "";
        QTest::newRow("ten characters") << "ABCDEFGHIJ"
                                        << "";
        QTest::newRow("double-byte within ten bytes") << QStringLiteral(u"ミシン-1") << "";
        QTest::newRow("backslash and tilde") << "A\\B~"
                                             << "";
        QTest::newRow("empty") << ""
                               << "";
        QTest::newRow("eleven characters") << "ABCDEFGHIJK" << tooLong;
        QTest::newRow("double-byte past ten bytes") << QStringLiteral(u"ミシンミシンA") << tooLong;
        QTest::newRow("escape sequence") << QStringLiteral(u"A\u001B[2J")
                                         << QStringLiteral("\"U+001B\" cannot be stored in the data file.");
        QTest::newRow("tab") << QStringLiteral(u"A\tB")
                             << QStringLiteral("\"U+0009\" cannot be stored in the data file.");
        QTest::newRow("NUL") << QString(QChar(u'\0'))
                             << QStringLiteral("\"U+0000\" cannot be stored in the data file.");
        QTest::newRow("DEL") << QStringLiteral(u"A\u007F")
                             << QStringLiteral("\"U+007F\" cannot be stored in the data file.");
        QTest::newRow("yen sign comes back as backslash")
            << QStringLiteral(u"\u00A5100")
            << QStringLiteral(u"\"\u00A5\" cannot be stored in the data file.");
        QTest::newRow("overline comes back as tilde")
            << QStringLiteral(u"A\u203E") << QStringLiteral(u"\"\u203E\" cannot be stored in the data file.");
        QTest::newRow("no code page 932 form")
            << QStringLiteral(u"V1\u00E9")
            << QStringLiteral(u"\"\u00E9\" cannot be stored in the data file.");
        QTest::newRow("outside the basic plane")
            << QStringLiteral(u"AB\U0001F600")
            << QStringLiteral(u"\"\U0001F600\" cannot be stored in the data file.");
    }
    void headerTextRule() {
        QFETCH(QString, text);
        QFETCH(QString, message);
        QCOMPARE(HeaderField::AcceptText(text, messenger_), message.isEmpty());
        QCOMPARE(prompter_.MessageTexts(), message.isEmpty() ? QStringList() : QStringList{message});
        if (!message.isEmpty())
            QCOMPARE(prompter_.Prompts().first().kind, int(platform::BoxKind::Exclamation));
    }
};

QTEST_GUILESS_MAIN(TestModes)
#include "tst_modes.moc"
