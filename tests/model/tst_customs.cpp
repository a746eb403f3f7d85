#include "hlpkit/CMethod.h"
#include "model/CCusSelections.h"
#include "model/CCustoms.h"
#include "model/TableFile.h"
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

QByteArray PatternImage(int tables) {
    QByteArray image(tables * kTableSize, '\0');
    for (qsizetype i = 0; i < image.size(); ++i)
        image[i] = char((i * 5 + 1) & 0xFF);
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

struct Settings {
    int kino, logic, dosa, onDelay, offDelay, choppingOn, choppingOff, zenpa;
};

Settings Of(const CCustom& row) {
    return {
        row.Kino(),           row.Logic(),           row.Dosa(),     row.OnDelayTime(), row.OffDelayTime(),
        row.ChoppingOnTime(), row.ChoppingOffTime(), row.ZenpaTime()};
}

bool operator==(const Settings& a, const Settings& b) {
    return a.kino == b.kino && a.logic == b.logic && a.dosa == b.dosa && a.onDelay == b.onDelay &&
           a.offDelay == b.offDelay && a.choppingOn == b.choppingOn && a.choppingOff == b.choppingOff &&
           a.zenpa == b.zenpa;
}

char* toString(const Settings& s) {
    return qstrdup(QStringLiteral("{%1 %2 %3 | %4 %5 %6 %7 %8}")
                       .arg(s.kino)
                       .arg(s.logic)
                       .arg(s.dosa)
                       .arg(s.onDelay)
                       .arg(s.offDelay)
                       .arg(s.choppingOn)
                       .arg(s.choppingOff)
                       .arg(s.zenpa)
                       .toLatin1()
                       .constData());
}

void Apply(CCustom& row, const Settings& s) {
    row.SetKino(s.kino);
    row.SetLogic(s.logic);
    row.SetDosa(s.dosa);
    row.SetOnDelayTime(s.onDelay);
    row.SetOffDelayTime(s.offDelay);
    row.SetChoppingOnTime(s.choppingOn);
    row.SetChoppingOffTime(s.choppingOff);
    row.SetZenpaTime(s.zenpa);
}

// Where the standard definitions below put each signal's settings.
struct Addresses {
    int kino, logic, dosa, onDelay, offDelay, choppingOn, choppingOff, zenpa;
};
constexpr Addresses kI1{100, 101, 102, 0, 0, 0, 0, 0};
constexpr Addresses kO1{200, 201, 202, 210, 212, 214, 216, 218};
constexpr Addresses kO2{203, 204, 205, 220, 222, 224, 226, 228};
constexpr Addresses kO3{206, 207, 208, 230, 232, 234, 236, 238};

// The table bytes of one row's settings.
void PutRow(QByteArray& image, qint64 base, const Addresses& at, const Settings& s, bool output) {
    Put(image, base + at.kino, QByteArray(1, char(s.kino)));
    Put(image, base + at.logic, QByteArray(1, char(s.logic)));
    Put(image, base + at.dosa, QByteArray(1, char(s.dosa)));
    if (!output)
        return;
    const auto word = [](int value) {
        QByteArray bytes(2, '\0');
        bytes[0] = char(value >> 8);
        bytes[1] = char(value & 0xFF);
        return bytes;
    };
    Put(image, base + at.onDelay, word(s.onDelay));
    Put(image, base + at.offDelay, word(s.offDelay));
    Put(image, base + at.choppingOn, word(s.choppingOn));
    Put(image, base + at.choppingOff, word(s.choppingOff));
    Put(image, base + at.zenpa, word(s.zenpa));
}

} // namespace

class TestCustoms : public QObject {
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

    std::unique_ptr<CCustoms> LoadStandard() {
        const DefinitionBuilder builder = Builder();
        if (builder
                .Write(QStringLiteral("Set04.e"),
                       {DefinitionBuilder::Input("I1", "Standard input", kI1.kino, kI1.logic, kI1.dosa),
                        DefinitionBuilder::Input("I2", "TE BOARD input", 103, 104, 105)})
                .isEmpty())
            return nullptr;
        const auto output = [](const char* location, const char* category, const Addresses& at) {
            return DefinitionBuilder::Output(location, category, at.kino, at.logic, at.dosa, at.onDelay,
                                             at.offDelay, at.choppingOn, at.choppingOff, at.zenpa);
        };
        if (builder
                .Write(QStringLiteral("Set05.e"),
                       {output("O1", "Standard output", kO1), output("O2", "TE BOARD Output", kO2),
                        output("O3", "Valve signal", kO3)})
                .isEmpty())
            return nullptr;
        auto customs = std::make_unique<CCustoms>(Context());
        if (!customs->ReadSet04e(dir_->path()) || !customs->ReadSet05e(dir_->path()))
            return nullptr;
        return customs;
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
    }
    void cleanupTestCase() {
        hlpkit::CMethod::ResetErrorBox();
        hlpkit::CMethod::SetLogFolder(QString());
    }

    void readsSignals() {
        const auto customs = LoadStandard();
        QVERIFY(customs);
        QCOMPARE(customs->Count(), 5);
        QStringList order;
        for (const CCustom& row : *customs)
            order << row.Location();
        QCOMPARE(order, QStringList({"I1", "I2", "O1", "O2", "O3"}));
        QCOMPARE(customs->Item(QStringLiteral("o2")), customs->Item(4));
        const CCustom& i1 = *customs->Item(1);
        QCOMPARE(i1.INOUT(), 0);
        QCOMPARE(i1.Category(), QStringLiteral("Standard input"));
        QCOMPARE(i1.LogicAdrs(), kI1.logic);
        const CCustom& o1 = *customs->Item(QStringLiteral("O1"));
        QCOMPARE(o1.INOUT(), 1);
        QCOMPARE(o1.DosaAdrs(), kO1.dosa);
        QCOMPARE(o1.OnDelayTimeAdrs(), kO1.onDelay);
        QCOMPARE(o1.OffDelayTimeAdrs(), kO1.offDelay);
        QCOMPARE(o1.ChoppingOnTimeAdrs(), kO1.choppingOn);
        QCOMPARE(o1.ChoppingOffTimeAdrs(), kO1.choppingOff);
        QCOMPARE(o1.ZenpaTimeAdrs(), kO1.zenpa);
        QVERIFY(boxes_.isEmpty());
    }

    void groups_data() {
        QTest::addColumn<QString>("group");
        QTest::addColumn<int>("rows");
        QTest::newRow("all inputs") << LoadMsg(475) << 2;
        QTest::newRow("all outputs: the word in any case") << LoadMsg(476) << 2;
        QTest::newRow("one group") << "Standard output" << 1;
        QTest::newRow("group text is case-sensitive") << "standard output" << 0;
        QTest::newRow("a group no row has") << "I/O BOARD No.3 output" << 0;
    }
    void groups() {
        QFETCH(QString, group);
        QFETCH(int, rows);
        const auto customs = LoadStandard();
        QVERIFY(customs);
        QCOMPARE(customs->CountRow(group), rows);
    }

    void included_data() {
        QTest::addColumn<QString>("group");
        QTest::addColumn<QString>("category");
        QTest::addColumn<bool>("included");
        QTest::newRow("all inputs, lower case word") << LoadMsg(475) << "Extra input" << true;
        QTest::newRow("all inputs, output row") << LoadMsg(475) << "Standard output" << false;
        QTest::newRow("all outputs, mixed case") << LoadMsg(476) << "TE BOARD Output" << true;
        QTest::newRow("all outputs, no word") << LoadMsg(476) << "Valve signal" << false;
        QTest::newRow("equal") << "TE BOARD input"
                               << "TE BOARD input" << true;
        QTest::newRow("different case") << "TE BOARD input"
                                        << "TE Board input" << false;
    }
    void included() {
        QFETCH(QString, group);
        QFETCH(QString, category);
        QFETCH(bool, included);
        QCOMPARE(CCustoms::Included(group, category), included);
    }

    void readFailures_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QString>("proc");
        QTest::addColumn<int>("kept");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("where");
        const QString in1 = DefinitionBuilder::Input("I1", "Standard input", 1, 2, 3).join(u'\t');
        const QString out1 =
            DefinitionBuilder::Output("O1", "Standard output", 1, 2, 3, 4, 6, 8, 10, 12).join(u'\t');
        QTest::newRow("Set04 missing") << "Set04.e" << QStringList() << "ReadSet04e" << 0 << 53 << "Set04.e";
        QTest::newRow("Set04 blank line")
            << "Set04.e" << QStringList{in1, ""} << "ReadSet04e" << 1 << 9 << "Set04.e line 2";
        QTest::newRow("Set04 too few fields")
            << "Set04.e" << QStringList{in1, "I2\ttext\tStandard input\t4\t5"} << "ReadSet04e" << 1 << 9
            << "Set04.e line 2";
        QTest::newRow("signal names differing in case")
            << "Set04.e"
            << QStringList{in1, DefinitionBuilder::Input("i1", "Standard input", 4, 5, 6).join(u'\t')}
            << "ReadSet04e" << 1 << 457 << "Set04.e line 2";
        QTest::newRow("input address past the table")
            << "Set04.e"
            << QStringList{DefinitionBuilder::Input("I1", "Standard input", 8192, 2, 3).join(u'\t')}
            << "ReadSet04e" << 0 << 9 << "Set04.e line 1";
        QTest::newRow("Set05 ten fields")
            << "Set05.e" << QStringList{out1, out1.section(u'\t', 0, 9).replace("O1", "O2")} << "ReadSet05e"
            << 1 << 9 << "Set05.e line 2";
        QTest::newRow("time word past the table")
            << "Set05.e"
            << QStringList{DefinitionBuilder::Output("O1", "Standard output", 1, 2, 3, 4, 6, 8, 10, 8191)
                               .join(u'\t')}
            << "ReadSet05e" << 0 << 9 << "Set05.e line 1";
        QTest::newRow("Set05 duplicate")
            << "Set05.e" << QStringList{out1, out1} << "ReadSet05e" << 1 << 457 << "Set05.e line 2";
    }
    void readFailures() {
        QFETCH(QString, file);
        QFETCH(QStringList, lines);
        QFETCH(QString, proc);
        QFETCH(int, kept);
        QFETCH(int, code);
        QFETCH(QString, where);
        if (!lines.isEmpty())
            QVERIFY(!Builder().WriteLines(file, lines).isEmpty());
        CCustoms customs(Context());
        const bool read =
            file == u"Set04.e" ? customs.ReadSet04e(dir_->path()) : customs.ReadSet05e(dir_->path());
        QVERIFY(!read);
        QCOMPARE(customs.Count(), kept);
        QCOMPARE(boxes_.size(), 1);
        QCOMPARE(ProcOf(boxes_.first()), proc);
        QCOMPARE(CodeOf(boxes_.first()), code);
        QVERIFY2(boxes_.first().contains(where), qPrintable(boxes_.first()));
    }

    void nonNumericAddressIsZero() {
        QVERIFY(
            !Builder().WriteLines("Set04.e", {"I1\ttext\tStandard input\tnone\t&H10\t7 (bit 0)"}).isEmpty());
        CCustoms customs(Context());
        QVERIFY(customs.ReadSet04e(dir_->path()));
        QCOMPARE(customs.Item(1)->KinoAdrs(), 0);
        QCOMPARE(customs.Item(1)->LogicAdrs(), 16);
        QCOMPARE(customs.Item(1)->DosaAdrs(), 7);
    }

    void functions() {
        const QString path =
            Builder().WriteLines("Set06.e", {"  NONE  \t0\tNo function", "START\t1\tStart",
                                             "start\t2\tLower case is another name", "STOP\t&H10\tStop"});
        QVERIFY(!path.isEmpty());
        CCusSelections functions(Context());
        QVERIFY(functions.ReadSet6_7_8_9e(path));
        QCOMPARE(functions.Count(), 4);
        QCOMPARE(functions.Item(1)->Ditigal(), QStringLiteral("NONE"));
        QCOMPARE(functions.ValueByDigital(QStringLiteral("NONE")), qint16(0));
        QCOMPARE(functions.ValueByDigital(QStringLiteral("  NONE  ")), qint16(-1));
        QCOMPARE(functions.ValueByDigital(QStringLiteral("start")), qint16(2));
        QCOMPARE(functions.ValueByDigital(QStringLiteral("STOP")), qint16(16));
        QCOMPARE(functions.Item(QStringLiteral("16"))->Advice(), QStringLiteral("Stop"));
        QCOMPARE(functions.CategoryByDigital(QStringLiteral("STOP")), LoadMsg(262));
        QCOMPARE(LoadMsg(262), QStringLiteral("Customize"));
        QCOMPARE(functions.CategoryByDigital(QStringLiteral("GO")), QString());
        QCOMPARE(functions.CategoryByValue(2), LoadMsg(262));
        QCOMPARE(functions.CategoryByValue(3), QStringLiteral("-1"));
        QVERIFY(functions.dicValue().contains(QStringLiteral("16")));
        QCOMPARE(functions.dicDigital().size(), 4);

        QVERIFY(functions.Remove(QStringLiteral("1")));
        QCOMPARE(functions.ValueByDigital(QStringLiteral("START")), qint16(-1));
        QCOMPARE(functions.CategoryByValue(1), QStringLiteral("-1"));
        QCOMPARE(functions.Item(2)->Ditigal(), QStringLiteral("start"));
        QVERIFY(boxes_.isEmpty());
    }

    void functionFailures_data() {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<int>("kept");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("where");
        QTest::newRow("same value twice")
            << QStringList{"A\t1\ta", "B\t2\tb", "C\t1\tc"} << 2 << 457 << "line 3";
        QTest::newRow("same name twice after trimming")
            << QStringList{"A\t1\ta", " A \t2\tb"} << 1 << 457 << "line 2";
        QTest::newRow("value beyond 16 bits") << QStringList{"A\t1\ta", "B\t40000\tb"} << 1 << 6 << "line 2";
        QTest::newRow("two fields") << QStringList{"A\t1\ta", "B\t2"} << 1 << 9 << "line 2";
        QTest::newRow("blank line") << QStringList{"A\t1\ta", ""} << 1 << 9 << "line 2";
    }
    void functionFailures() {
        QFETCH(QStringList, lines);
        QFETCH(int, kept);
        QFETCH(int, code);
        QFETCH(QString, where);
        const QString path = Builder().WriteLines("Set07.e", lines);
        CCusSelections functions(Context());
        QVERIFY(!functions.ReadSet6_7_8_9e(path));
        QCOMPARE(functions.Count(), kept);
        QCOMPARE(functions.dicDigital().size(), kept);
        QCOMPARE(functions.dicValue().size(), kept);
        QCOMPARE(ProcOf(boxes_.value(0)), QStringLiteral("ReadSet6_7_8_9e"));
        QCOMPARE(CodeOf(boxes_.value(0)), code);
        QVERIFY2(boxes_.value(0).contains(where), qPrintable(boxes_.value(0)));
    }

    void readsTableTwo() {
        const auto customs = LoadStandard();
        QVERIFY(customs);
        QByteArray image = PatternImage(3);
        const qint64 base = TableOffset(TablePosition(2));
        QCOMPARE(base + kI1.kino, 8292);
        PutRow(image, base, kI1, {7, 1, 0, 0, 0, 0, 0, 0}, false);
        PutRow(image, base, kO1, {9, 0, 1, 40000, 0xFFFF, 80, 40, 300}, true);
        PutRow(image, base, kO2, {10, 1, 1, 1, 2, 3, 4, 5}, true);
        PutRow(image, base, kO3, {11, 0, 0, 6, 7, 8, 9, 10}, true);
        const QString path = Builder().Path(QStringLiteral("data.dsg"));
        QVERIFY(WriteFile(path, image));

        Apply(*customs->Item(QStringLiteral("I1")), {0, 0, 0, 55, 56, 57, 58, 59});
        QVERIFY(customs->ReadDataCustomize(path, TablePosition(2)));
        QVERIFY(boxes_.isEmpty());
        QCOMPARE(Of(*customs->Item(QStringLiteral("I1"))),
                 (Settings{7, 1, 0, 55, 56, 57, 58, 59})); // inputs keep times
        QCOMPARE(Of(*customs->Item(QStringLiteral("O1"))), (Settings{9, 0, 1, 40000, 65535, 80, 40, 300}));
        QCOMPARE(Of(*customs->Item(QStringLiteral("O2"))), (Settings{10, 1, 1, 1, 2, 3, 4, 5}));
        QCOMPARE(Of(*customs->Item(QStringLiteral("O3"))), (Settings{11, 0, 0, 6, 7, 8, 9, 10}));
    }

    void outputWithoutWordFollowsEachOpen() {
        const auto customs = LoadStandard();
        QVERIFY(customs);
        QByteArray first = PatternImage(1);
        QByteArray second = PatternImage(1);
        PutRow(first, 0, kO3, {1, 0, 0, 100, 200, 300, 400, 500}, true);
        PutRow(second, 0, kO3, {2, 1, 1, 600, 700, 800, 900, 1000}, true);
        const QString firstPath = Builder().Path(QStringLiteral("first.dsg"));
        const QString secondPath = Builder().Path(QStringLiteral("second.dsg"));
        QVERIFY(WriteFile(firstPath, first));
        QVERIFY(WriteFile(secondPath, second));

        QVERIFY(customs->ReadDataCustomize(firstPath, 1));
        QVERIFY(customs->ReadDataCustomize(secondPath, 1));
        QCOMPARE(Of(*customs->Item(QStringLiteral("O3"))), (Settings{2, 1, 1, 600, 700, 800, 900, 1000}));

        // Saving the second file's rows over a copy of it changes nothing at all.
        QByteArray saved = second;
        QVERIFY(customs->SaveCustomTable(saved, 1));
        QCOMPARE(saved.toHex(), second.toHex());
    }

    void saveWritesOnlyNamedBytes() {
        const auto customs = LoadStandard();
        QVERIFY(customs);
        const Settings i1{7, 1, 0, 0, 0, 0, 0, 0};
        const Settings o1{9, 0, 1, 40000, 0xFFFF, 40000, 65535, 300};
        const Settings o2{10, 1, 1, 1, 2, 3, 4, 5};
        const Settings o3{255, 0, 0, 6, 7, 8, 9, 10};
        Apply(*customs->Item(QStringLiteral("I1")), i1);
        Apply(*customs->Item(QStringLiteral("O1")), o1);
        Apply(*customs->Item(QStringLiteral("O2")), o2);
        Apply(*customs->Item(QStringLiteral("O3")), o3);
        QByteArray image = PatternImage(3);
        QByteArray expected = image;
        const qint64 base = TableOffset(TablePosition(3));
        PutRow(expected, base, kI1, i1, false);
        PutRow(expected, base, {103, 104, 105, 0, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 0, 0, 0}, false);
        PutRow(expected, base, kO1, o1, true);
        PutRow(expected, base, kO2, o2, true);
        PutRow(expected, base, kO3, o3, true);
        QCOMPARE(expected.mid(base + kO1.onDelay, 2), Hex("9C40"));
        QCOMPARE(expected.mid(base + kO1.choppingOn, 2), Hex("9C40"));

        QVERIFY(customs->SaveCustomTable(image, TablePosition(3)));
        QVERIFY(boxes_.isEmpty());
        QCOMPARE(image.toHex(), expected.toHex());

        // And it reads back as saved.
        const QString path = Builder().Path(QStringLiteral("saved.dsg"));
        QVERIFY(WriteFile(path, image));
        Apply(*customs->Item(QStringLiteral("O1")), {});
        QVERIFY(customs->ReadDataCustomize(path, TablePosition(3)));
        QCOMPARE(Of(*customs->Item(QStringLiteral("O1"))), o1);
    }

    void saveOverflow_data() {
        QTest::addColumn<QString>("location");
        QTest::addColumn<int>("field");
        QTest::addColumn<int>("value");
        QTest::newRow("function 256") << "I1" << 0 << 256;
        QTest::newRow("logic -1") << "O2" << 1 << -1;
        QTest::newRow("ON delay 65536") << "O1" << 3 << 65536;
        QTest::newRow("chopping OFF 70000") << "O3" << 6 << 70000;
        QTest::newRow("full wave -1") << "O3" << 7 << -1;
    }
    void saveOverflow() {
        QFETCH(QString, location);
        QFETCH(int, field);
        QFETCH(int, value);
        const auto customs = LoadStandard();
        QVERIFY(customs);
        CCustom& row = *customs->Item(location);
        Settings s = Of(row);
        int* fields[] = {&s.kino,     &s.logic,      &s.dosa,        &s.onDelay,
                         &s.offDelay, &s.choppingOn, &s.choppingOff, &s.zenpa};
        *fields[field] = value;
        Apply(row, s);
        QByteArray image = PatternImage(1);
        const QByteArray before = image;
        QVERIFY(!customs->SaveCustomTable(image, 1));
        QCOMPARE(ProcOf(boxes_.value(0)), QStringLiteral("SaveCustomTable"));
        QCOMPARE(CodeOf(boxes_.value(0)), 6);
        QVERIFY2(boxes_.value(0).contains(location), qPrintable(boxes_.value(0)));
        QCOMPARE(image, before);
    }

    void failedReadChangesNothing() {
        const auto customs = LoadStandard();
        QVERIFY(customs);
        const Settings o1{9, 0, 1, 4, 5, 6, 7, 8};
        Apply(*customs->Item(QStringLiteral("O1")), o1);
        QVERIFY(!customs->ReadDataCustomize(Builder().Path(QStringLiteral("absent.dsg")), 1));
        QCOMPARE(ProcOf(boxes_.value(0)), QStringLiteral("ReadData"));
        QCOMPARE(CodeOf(boxes_.value(0)), 53);

        const QString shortPath = Builder().Path(QStringLiteral("short.dsg"));
        QVERIFY(WriteFile(shortPath, PatternImage(1)));
        QVERIFY(!customs->ReadDataCustomize(shortPath, TablePosition(2)));
        QCOMPARE(CodeOf(boxes_.value(1)), 62);
        QCOMPARE(Of(*customs->Item(QStringLiteral("O1"))), o1);
        QCOMPARE(customs->Item(QStringLiteral("I1"))->Kino(), 0);
    }

    void dutyCodeToTimes_data() {
        QTest::addColumn<QString>("code");
        QTest::addColumn<int>("onTime");
        QTest::addColumn<int>("offTime");
        QTest::newRow("ALL") << "ALL" << 1 << 0;
        QTest::newRow("66L") << "66L" << 80 << 40;
        QTest::newRow("66H") << "66H" << 40 << 20;
        QTest::newRow("50L") << "50L" << 40 << 40;
        QTest::newRow("50H") << "50H" << 20 << 20;
        QTest::newRow("33") << "33" << 20 << 40;
        QTest::newRow("17") << "17" << 20 << 100;
        QTest::newRow("8") << "8" << 20 << 220;
        QTest::newRow("dash") << "-" << 0 << 0;
        QTest::newRow("MANUAL: the row's own times") << "MANUAL" << 123 << 456;
        QTest::newRow("unknown: unchanged") << "99" << -7 << -8;
        QTest::newRow("lower case is unknown") << "manual" << -7 << -8;
    }
    void dutyCodeToTimes() {
        QFETCH(QString, code);
        QFETCH(int, onTime);
        QFETCH(int, offTime);
        CCustom row;
        row.SetChoppingOnTime(123);
        row.SetChoppingOffTime(456);
        qint32 on = -7;
        qint32 off = -8;
        QString text = code;
        CCustoms::GetDutyInfo(0, row, on, off, text);
        QCOMPARE(on, onTime);
        QCOMPARE(off, offTime);
        QCOMPARE(text, code);
    }

    void dutyTimesToCode_data() {
        QTest::addColumn<int>("onTime");
        QTest::addColumn<int>("offTime");
        QTest::addColumn<QString>("code");
        QTest::newRow("full") << 1 << 0 << "ALL";
        QTest::newRow("66L") << 80 << 40 << "66L";
        QTest::newRow("8") << 20 << 220 << "8";
        QTest::newRow("0/0") << 0 << 0 << "MANUAL";
        QTest::newRow("swapped") << 40 << 80 << "MANUAL";
    }
    void dutyTimesToCode() {
        QFETCH(int, onTime);
        QFETCH(int, offTime);
        QFETCH(QString, code);
        const CCustom row;
        qint32 on = onTime;
        qint32 off = offTime;
        QString text = QStringLiteral("x");
        CCustoms::GetDutyInfo(1, row, on, off, text);
        QCOMPARE(text, code);
        QCOMPARE(on, onTime);
        QCOMPARE(off, offTime);
        CCustoms::GetDutyInfo(2, row, on, off, text);
        QCOMPARE(text, code);
    }

    void dutyTexts() {
        QCOMPARE(CCustoms::GetDutyInfo2(0), QStringLiteral("100%") + LoadMsg(303));
        QCOMPARE(CCustoms::GetDutyInfo2(1), QStringLiteral("8ms=ON, 4ms=OFF, 66%duty"));
        QCOMPARE(CCustoms::GetDutyInfo2(7), QStringLiteral("2ms=ON, 22ms=OFF, 8%duty"));
        QCOMPARE(CCustoms::GetDutyInfo2(8), QStringLiteral("????"));
        QCOMPARE(CCustoms::GetDutyInfo2(-1), QStringLiteral("????"));
    }

    void differences_data() {
        QTest::addColumn<int>("field");
        for (int field = 0; field < 8; ++field)
            QTest::addRow("field %d", field) << field;
    }
    void differences() {
        QFETCH(int, field);
        CCustom user;
        CCustom comparison;
        Apply(user, {1, 2, 3, 4, 5, 6, 7, 8});
        Apply(comparison, {1, 2, 3, 4, 5, 6, 7, 8});
        user.SetCategory(QStringLiteral("Standard output"));
        QVERIFY(!CCustoms::DoesDiff(comparison, user));
        Settings s = Of(comparison);
        int* fields[] = {&s.kino,     &s.logic,      &s.dosa,        &s.onDelay,
                         &s.offDelay, &s.choppingOn, &s.choppingOff, &s.zenpa};
        *fields[field] += 1;
        Apply(comparison, s);
        QVERIFY(CCustoms::DoesDiff(comparison, user));

        const QSet<QString> selected{QStringLiteral("Standard output")};
        QVERIFY(CCustoms::MustWrite(selected, true, true, comparison, user));
        QVERIFY(!CCustoms::MustWrite({QStringLiteral("Standard input")}, false, true, comparison, user));
        QVERIFY(!CCustoms::MustWrite(selected, true, true, user, user));
        QVERIFY(CCustoms::MustWrite(selected, false, true, user, user));
        QVERIFY(CCustoms::MustWrite(selected, true, false, user, user));
    }
};

QTEST_GUILESS_MAIN(TestCustoms)
#include "tst_customs.moc"
