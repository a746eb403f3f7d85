#include "export/ModelSourceExport.h"
#include "hlpkit/CMethod.h"
#include "model/CCustom.h"
#include "model/CCustoms.h"
#include "model/CDigital.h"
#include "model/CMode.h"
#include "model/CModes.h"
#include "model/COkuris.h"
#include "platform/AnsiCodec.h"
#include "shell/messages/Messages.h"
#include "tests/support/CapturedReports.h"
#include "tests/support/ScriptedPrompter.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

#include <sys/resource.h>

using vokg::COkuris;
using vokg::ModelSourceBox;
using vokg::ModelSourceExport;
using vokg::ModelSourceNotice;

namespace {

const QString kValue = QStringLiteral(u"[値]");

// The sample world of these tests: the same digital name in two modes, signals whose names are
// parts of each other, an input, and feed values of their own.
struct World {
    hlpkit::CMethod method;
    testsupport::ScriptedPrompter prompter;
    vokg::Messenger messenger{prompter, QStringLiteral("VOKG_SET")};
    vokg::ModelContext Context() { return {method, messenger}; }
    vokg::CModes modes{Context()};
    vokg::CCustoms customs{Context()};
    COkuris okuris{Context()};

    World() {
        vokg::CMode& machine = modes.Add(QStringLiteral("MACHINE"));
        machine.Digits()
            .Add(QStringLiteral("COMMON"), QStringLiteral("NUM"), {}, QStringLiteral("-10"),
                 QStringLiteral("99"), {}, {}, 0x20, 1)
            .SetUserValue(12);
        machine.Digits()
            .Add(QStringLiteral("MOTOR"), QStringLiteral("SEL"), {}, {}, {}, {}, {}, 0x21, 1)
            .SetUserValue(2);
        vokg::CMode& sewing = modes.Add(QStringLiteral("SEWING"));
        sewing.Digits()
            .Add(QStringLiteral("COMMON"), QStringLiteral("NUM"), {}, QStringLiteral("-10"),
                 QStringLiteral("99"), {}, {}, 0x80, 1)
            .SetUserValue(-3);
        vokg::CCustom& input = customs.AddInput(QStringLiteral("I1"), {}, {}, 0, 0, 0);
        input.SetKino(5);
        input.SetLogic(1);
        vokg::CCustom& o1 = customs.Add(QStringLiteral("O1"), {}, {}, 0, 0, 0, 0, 0, 0, 0, 0);
        o1.SetKino(7);
        o1.SetDosa(1);
        o1.SetOnDelayTime(10);
        o1.SetZenpaTime(50);
        o1.SetChoppingOnTime(30);
        o1.SetChoppingOffTime(40);
        o1.SetOffDelayTime(20);
        customs.Add(QStringLiteral("O10"), {}, {}, 0, 0, 0, 0, 0, 0, 0, 0).SetKino(9);
        okuris.SetArray(QStringLiteral("X_P1_A"), 0, 300);
        okuris.SetArray(QStringLiteral("ZLM"), 200, 77);
        for (int value = 0; value < 7; ++value)
            okuris.SetArray(COkuris::OtherValuesKey(), value, 100 + value);
    }

    ModelSourceExport Export() { return ModelSourceExport(modes, customs, okuris, Context()); }
    QStringList Messages() const {
        QStringList texts;
        for (const auto& prompt : prompter.Prompts())
            texts.append(QString::number(prompt.kind) + u' ' + prompt.text);
        return texts;
    }
};

QStringList Block(const QString& name, int settings) {
    QStringList lines{QStringLiteral("/* %1 */").arg(name)};
    for (int line = 1; line <= settings; ++line)
        lines.append(line == 4 ? QStringLiteral("    0, /* %1 is the template's own */").arg(kValue)
                               : QStringLiteral("    %1,").arg(kValue));
    return lines;
}

QStringList FeedLines() {
    QStringList lines;
    for (const QString& key : COkuris::AxisKeys() + COkuris::LongKeys())
        lines.append(QStringLiteral("const ushort %1[] = { %2 };").arg(COkuris::CIdentifier(key), kValue));
    for (int value = 0; value < 7; ++value)
        lines.append(QStringLiteral("ushort %1 = %2;").arg(COkuris::OtherValueCIdentifier(value), kValue));
    return lines;
}

// A template that fills completely for World.
QStringList GoodTemplate() {
    return QStringList{QStringLiteral(u"/* zrdl_G[機種].c, section [セクション番号] */"),
                       QStringLiteral("const char params[] = {"),
                       QStringLiteral("    %1, /* [COMMON] of MACHINE */").arg(kValue),
                       QStringLiteral("    %1, %1, /* [MOTOR] twice */").arg(kValue),
                       QStringLiteral("    %1, /* [COMMON] of SEWING */").arg(kValue),
                       QStringLiteral("};")} +
           Block(QStringLiteral("gst_out_O10_"), 9) + Block(QStringLiteral("gst_out_O1_"), 9) +
           Block(QStringLiteral("gst_inp_I1_"), 3) + FeedLines() + QStringList{QString()};
}

// The template as a file: code page 932, lines joined by `lineEnd`.
QByteArray Bytes(const QStringList& lines, const char* lineEnd) {
    QByteArray bytes;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (i > 0)
            bytes += lineEnd;
        bytes += platform::AnsiCodec::EncodeStrict(lines.at(i)).value();
    }
    return bytes;
}

QByteArray ReadFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

bool WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

} // namespace

class TestModelSourceExport : public QObject {
    Q_OBJECT

private slots:
    void fillsEveryMarker();
    void failuresStopTheExport_data();
    void failuresStopTheExport();
    void aMissingSignalOnlyWarns();
    void lineEndsGiveTheSameOutput_data();
    void lineEndsGiveTheSameOutput();
    void createReplacesTheOutputOrLeavesItWhole();
    void bytesOutsideTheMarkersAreKept();
    void checksComeInTheirOrder_data();
    void checksComeInTheirOrder();

private:
    QTemporaryDir dir_;
    QString Path(const QString& name) const { return dir_.filePath(name); }
};

void TestModelSourceExport::fillsEveryMarker() {
    World world;
    const vokg::ModelSourceResult result =
        world.Export().Fill({GoodTemplate(), QStringLiteral("VK-2300"), QStringLiteral("7")});
    QVERIFY(result.succeeded);
    QCOMPARE(world.Messages(), QStringList());
    const QStringList untouched{QStringLiteral("    0, /* %1 is the template's own */").arg(kValue)};
    const auto block = [&](const QString& name, const QList<int>& values) {
        QStringList lines{QStringLiteral("/* %1 */").arg(name)};
        for (qsizetype i = 0; i < values.size(); ++i) {
            if (i == 3)
                lines += untouched;
            lines.append(QStringLiteral("    %1,").arg(values.at(i)));
        }
        return lines;
    };
    const QStringList expected =
        QStringList{QStringLiteral(u"/* zrdl_GVK-2300.c, section 7 */"),
                    QStringLiteral("const char params[] = {"),
                    QStringLiteral("    12, /* [COMMON] of MACHINE */"),
                    QStringLiteral("    2, 2, /* [MOTOR] twice */"),
                    QStringLiteral("    -3, /* [COMMON] of SEWING */"),
                    QStringLiteral("};")} +
        // O1's key is not part of O10's block name; each output writes ON delay, full wave,
        // chopping ON, chopping OFF and OFF delay below the template's own line.
        block(QStringLiteral("gst_out_O10_"), {9, 0, 0, 0, 0, 0, 0, 0}) +
        block(QStringLiteral("gst_out_O1_"), {7, 0, 1, 10, 50, 30, 40, 20}) +
        block(QStringLiteral("gst_inp_I1_"), {5, 1, 0});
    QCOMPARE(result.lines.mid(0, expected.size()), expected);

    QStringList axis(31, QStringLiteral("0"));
    axis[0] = QStringLiteral("300");
    QStringList zlm(201, QStringLiteral("0"));
    zlm[200] = QStringLiteral("77");
    QCOMPARE(result.lines.at(expected.size()),
             QStringLiteral("const ushort gus_x_s8_cw_[] = { %1 };").arg(axis.join(QStringLiteral(", "))));
    QVERIFY(result.lines.contains(
        QStringLiteral("const ushort gus_y_l1_[] = { %1 };").arg(zlm.join(QStringLiteral(", ")))));
    QCOMPARE(result.lines.mid(result.lines.size() - 8),
             (QStringList{QStringLiteral("ushort gms_p1_pls_base_ = 100;"),
                          QStringLiteral("ushort gms_p1_pls_all_ = 101;"),
                          QStringLiteral("ushort gms_pmd_pd_inpos_ = 102;"),
                          QStringLiteral("ushort gus_s8_top_ = 103;"),
                          QStringLiteral("ushort gus_x_pos_kd_speed_ = 104;"),
                          QStringLiteral("ushort gus_y_pos_kd_speed_ = 105;"),
                          QStringLiteral("ushort gus_xy_inv_ = 106;"), QString()}));
    QCOMPARE(result.lines.join(u'\n').count(kValue), 2); // the two output blocks' own lines
}

void TestModelSourceExport::failuresStopTheExport_data() {
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<int>("message");
    QTest::addColumn<QString>("detail");
    const QStringList good = GoodTemplate();
    const auto without = [&](const QString& part) {
        QStringList lines;
        for (const QString& line : good)
            if (!line.contains(part))
                lines.append(line);
        return lines;
    };
    const auto edited = [&](int line, const QString& text) {
        QStringList lines = good;
        lines[line] = text;
        return lines;
    };
    QTest::newRow("the second digital of a name has no line of its own")
        << without(QStringLiteral("of SEWING")) << 82 << "[COMMON]";
    QTest::newRow("a digital without its line") << without(QStringLiteral("[MOTOR]")) << 82 << "[MOTOR]";
    QTest::newRow("a key line without its placeholder")
        << edited(3, QStringLiteral("    2, /* [MOTOR] */")) << 86 << "    2, /* [MOTOR] */";
    // The template's first "[COMMON]" is now in a comment above: it is found first, as a search
    // from the top finds it.
    QTest::newRow("a key quoted in a comment first")
        << edited(1, QStringLiteral("/* see [COMMON] */")) << 86 << "/* see [COMMON] */";
    QTest::newRow("a block setting without its placeholder")
        << edited(good.indexOf(QStringLiteral("/* gst_out_O1_ */")) + 5, QStringLiteral("    10,")) << 86
        << "    10,";
    QTest::newRow("a block cut short by the end")
        << good.mid(0, good.indexOf(QStringLiteral("/* gst_inp_I1_ */")) + 3) << 0 << "UpdateCustomize";
    QTest::newRow("a feed array without its line")
        << without(QStringLiteral("gus_y_l1_")) << 82 << "gus_y_l1_";
    QTest::newRow("a feed line without its placeholder")
        << edited(good.indexOf(QStringLiteral("const ushort gus_x_l2_[] = { %1 };").arg(kValue)),
                  QStringLiteral("const ushort gus_x_l2_[] = {};"))
        << 86 << "const ushort gus_x_l2_[] = {};";
    QTest::newRow("a feed value without its line")
        << without(QStringLiteral("gus_xy_inv_")) << 82 << "gus_xy_inv_";
}

void TestModelSourceExport::failuresStopTheExport() {
    QFETCH(QStringList, lines);
    QFETCH(int, message);
    QFETCH(QString, detail);
    CapturedReports reports;
    World world;
    const QString templatePath = Path(QStringLiteral("failing.c"));
    const QString output = Path(QStringLiteral("failing_out.c"));
    QVERIFY(WriteFile(templatePath, Bytes(lines, "\r\n")));
    QVERIFY(WriteFile(output, "the previous output\r\n"));
    const vokg::ModelSourceResult result =
        world.Export().Create(templatePath, output, QStringLiteral("VK-2300"), QString());
    QVERIFY(!result.succeeded);
    QCOMPARE(result.failure, (ModelSourceNotice{message, detail}));
    if (message != 0) {
        QCOMPARE(world.Messages(),
                 QStringList{QStringLiteral("2 ") + vokg::ComposeMessage(message, {detail})});
        QCOMPARE(reports.count(), 0);
    } else {
        QCOMPARE(world.Messages(), QStringList());
        QCOMPARE(reports.count(), 1);
        QCOMPARE(reports.procedure(0), detail);
        QVERIFY(reports.boxes().first().text.contains(QStringLiteral("Subscript out of range")));
    }
    QCOMPARE(ReadFile(output), QByteArray("the previous output\r\n"));
}

void TestModelSourceExport::aMissingSignalOnlyWarns() {
    World world;
    QStringList lines = GoodTemplate();
    lines.remove(lines.indexOf(QStringLiteral("/* gst_inp_I1_ */")), 4);
    const QString templatePath = Path(QStringLiteral("no_input.c"));
    QVERIFY(WriteFile(templatePath, Bytes(lines, "\r\n")));
    const vokg::ModelSourceResult result = world.Export().Create(
        templatePath, Path(QStringLiteral("no_input_out.c")), QStringLiteral("VK-2300"), {});
    QVERIFY(result.succeeded);
    QCOMPARE(result.warnings, (QList<ModelSourceNotice>{{87, QStringLiteral("I1")}}));
    QCOMPARE(world.Messages(),
             QStringList{QStringLiteral("2 ") + vokg::ComposeMessage(87, {QStringLiteral("I1")})});
    QVERIFY(
        ReadFile(Path(QStringLiteral("no_input_out.c"))).startsWith("/* zrdl_GVK-2300.c, section  */\r\n"));
}

void TestModelSourceExport::lineEndsGiveTheSameOutput_data() {
    QTest::addColumn<QByteArray>("lineEnd");
    QTest::addColumn<bool>("finalLineEnd");
    QTest::newRow("CR LF") << QByteArray("\r\n") << true;
    QTest::newRow("LF") << QByteArray("\n") << true;
    QTest::newRow("CR LF, no line end after the last line") << QByteArray("\r\n") << false;
    QTest::newRow("LF, no line end after the last line") << QByteArray("\n") << false;
}

void TestModelSourceExport::lineEndsGiveTheSameOutput() {
    QFETCH(QByteArray, lineEnd);
    QFETCH(bool, finalLineEnd);
    World world;
    QStringList lines = GoodTemplate();
    lines.removeLast(); // the empty element a final line end gives
    // A CR inside a line is the line's own, not a line end.
    lines[1] = QStringLiteral("const char params[] = {\r /* a CR of its own */");
    QByteArray bytes = Bytes(lines, lineEnd.constData());
    if (finalLineEnd)
        bytes += lineEnd;
    const QString templatePath = Path(QStringLiteral("ends.c"));
    const QString output = Path(QStringLiteral("ends_out.c"));
    QVERIFY(WriteFile(templatePath, bytes));
    QVERIFY(world.Export()
                .Create(templatePath, output, QStringLiteral("VK-2300"), QStringLiteral("7"))
                .succeeded);

    QStringList filled = world.Export().Fill({lines, QStringLiteral("VK-2300"), QStringLiteral("7")}).lines;
    QCOMPARE(filled.size(), lines.size());
    QByteArray expected = Bytes(filled, "\r\n") + "\r\n";
    // A template ending in a line end has one empty line more, written with its own CR LF.
    if (finalLineEnd)
        expected += "\r\n";
    QCOMPARE(ReadFile(output), expected);
    QVERIFY(expected.contains("const char params[] = {\r /* a CR of its own */\r\n"));
}

void TestModelSourceExport::createReplacesTheOutputOrLeavesItWhole() {
    CapturedReports reports;
    World world;
    const QString templatePath = Path(QStringLiteral("replace.c"));
    QVERIFY(WriteFile(templatePath, Bytes(GoodTemplate(), "\n")));
    QDir(dir_.path()).mkdir(QStringLiteral("out"));
    const QString named = Path(QStringLiteral(u"out/zrdl_G[機種].c"));
    const QString written = Path(QStringLiteral("out/zrdl_GVK-2300.c"));
    QVERIFY(WriteFile(written, "old"));

    // "[機種]" in the file name becomes the model name; an existing file is replaced.
    QVERIFY(world.Export().Create(templatePath, named, QStringLiteral("VK-2300"), {}).succeeded);
    const QByteArray first = ReadFile(written);
    QVERIFY(first.startsWith("/* zrdl_GVK-2300.c"));
    QCOMPARE(QDir(Path(QStringLiteral("out"))).entryList(QDir::Files | QDir::Hidden),
             QStringList{QStringLiteral("zrdl_GVK-2300.c")});

    // A file the user may not write is left as it is, and so is a data file in use.
    QVERIFY(QFile::setPermissions(written, QFileDevice::ReadOwner));
    QVERIFY(!world.Export().Create(templatePath, named, QStringLiteral("VK-2300"), {}).succeeded);
    QCOMPARE(reports.count(), 1);
    QCOMPARE(reports.procedure(0), QStringLiteral("Write_zrdl_Modelc"));
    QVERIFY(QFile::setPermissions(written, QFileDevice::ReadOwner | QFileDevice::WriteOwner));
    const QString dataFile = Path(QStringLiteral("out/SAMPLE.DSG"));
    QVERIFY(WriteFile(dataFile, QByteArray(8192, 'x')));
    const vokg::ModelSourceResult refused =
        world.Export().Create(templatePath, dataFile, QStringLiteral("VK-2300"), {}, {dataFile});
    QVERIFY(!refused.succeeded);
    QCOMPARE(refused.failure, (ModelSourceNotice{0, QStringLiteral("Write_zrdl_Modelc")}));
    QCOMPARE(reports.count(), 2);
    QVERIFY(reports.boxes().last().text.contains(QStringLiteral("data file in use")));
    QCOMPARE(ReadFile(dataFile), QByteArray(8192, 'x'));

    // A model name that makes a folder that is not there writes nothing anywhere.
    QVERIFY(!world.Export().Create(templatePath, named, QStringLiteral("NEW/X"), {}).succeeded);
    QCOMPARE(reports.count(), 3);
    QCOMPARE(ReadFile(written), first);

    // A disk that fills up half-way through the new file: the old one is still there, whole.
    QVERIFY(WriteFile(written, "the previous output"));
    struct rlimit previous {};
    QCOMPARE(::getrlimit(RLIMIT_FSIZE, &previous), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = previous;
    small.rlim_cur = 1024; // the new file is several times larger
    QCOMPARE(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool filled = world.Export().Create(templatePath, named, QStringLiteral("VK-2300"), {}).succeeded;
    ::setrlimit(RLIMIT_FSIZE, &previous);
    std::signal(SIGXFSZ, oldHandler);
    QVERIFY(!filled);
    QCOMPARE(reports.count(), 4);
    QCOMPARE(reports.procedure(3), QStringLiteral("Write_zrdl_Modelc"));
    QCOMPARE(ReadFile(written), QByteArray("the previous output"));
    QCOMPARE(QDir(Path(QStringLiteral("out"))).entryList(QDir::Files | QDir::Hidden),
             (QStringList{QStringLiteral("SAMPLE.DSG"), QStringLiteral("zrdl_GVK-2300.c")}));
}

void TestModelSourceExport::bytesOutsideTheMarkersAreKept() {
    CapturedReports reports;
    World world;
    // A comment holding bytes that are no code page 932 text, and one whose character code page
    // 932 has twice (the program writes it back in the other form).
    const QByteArray strange = "/* \x81\x20 \xED\x40 */";
    QByteArray bytes = Bytes(GoodTemplate(), "\r\n");
    bytes.insert(0, strange + "\r\n");
    const QString templatePath = Path(QStringLiteral("strange.c"));
    const QString output = Path(QStringLiteral("strange_out.c"));
    QVERIFY(WriteFile(templatePath, bytes));
    QVERIFY(world.Export().Create(templatePath, output, QStringLiteral("VK-2300"), {}).succeeded);
    QVERIFY(ReadFile(output).startsWith(strange + "\r\n/* zrdl_GVK-2300.c"));

    // The same bytes in a line that gets a value cannot be kept: nothing is written.
    QVERIFY(WriteFile(output, "old"));
    bytes.replace("/* [COMMON] of MACHINE */", "/* [COMMON] \x81\x20 */");
    QVERIFY(WriteFile(templatePath, bytes));
    QVERIFY(!world.Export().Create(templatePath, output, QStringLiteral("VK-2300"), {}).succeeded);
    QCOMPARE(reports.count(), 1);
    QCOMPARE(reports.procedure(0), QStringLiteral("Write_zrdl_Modelc"));
    QVERIFY(reports.boxes().at(0).text.contains(QStringLiteral("line 4 of the template")));
    QCOMPARE(ReadFile(output), QByteArray("old"));

    // Nor a model name that code page 932 cannot hold.
    QVERIFY(WriteFile(templatePath, Bytes(GoodTemplate(), "\r\n")));
    QVERIFY(!world.Export().Create(templatePath, output, QStringLiteral(u"VK-\U0001F600"), {}).succeeded);
    QCOMPARE(reports.count(), 2);
    QVERIFY(reports.boxes().at(1).text.contains(QStringLiteral("line 1 of the new file")));
    QCOMPARE(ReadFile(output), QByteArray("old"));
}

void TestModelSourceExport::checksComeInTheirOrder_data() {
    QTest::addColumn<QString>("templateFile");
    QTest::addColumn<QString>("newFile");
    QTest::addColumn<QString>("model");
    QTest::addColumn<int>("message");
    QTest::addColumn<int>("box");
    const int templateBox = int(ModelSourceBox::Template);
    const int newFileBox = int(ModelSourceBox::NewFile);
    const int modelBox = int(ModelSourceBox::Model);
    QTest::newRow("all given") << "t.c"
                               << "out/new.c"
                               << "VK" << 0 << 0;
    QTest::newRow("no template, nothing else either") << "none.c"
                                                      << ""
                                                      << "" << 81 << templateBox;
    QTest::newRow("a folder for the template") << "out"
                                               << "out/new.c"
                                               << "VK" << 81 << templateBox;
    QTest::newRow("blank new file") << "t.c"
                                    << "   "
                                    << "" << 88 << newFileBox;
    QTest::newRow("a new file without a folder") << "t.c"
                                                 << "new.c"
                                                 << "VK" << 90 << newFileBox;
    QTest::newRow("a folder that is not there") << "t.c"
                                                << "gone/new.c"
                                                << "VK" << 90 << newFileBox;
    QTest::newRow("the model name in the folder part")
        << "t.c" << QStringLiteral(u"[機種]/new.c") << "VK" << 90 << newFileBox;
    QTest::newRow("blank model") << "t.c"
                                 << "out/zrdl_G[機種].c"
                                 << "  " << 85 << modelBox;
}

void TestModelSourceExport::checksComeInTheirOrder() {
    QFETCH(QString, templateFile);
    QFETCH(QString, newFile);
    QFETCH(QString, model);
    QFETCH(int, message);
    QFETCH(int, box);
    QDir(dir_.path()).mkdir(QStringLiteral("out"));
    QVERIFY(WriteFile(Path(QStringLiteral("t.c")), "x"));
    const auto path = [&](const QString& name) { return name.trimmed().isEmpty() ? name : Path(name); };
    // A name without a folder is checked as typed.
    const QString newFileText = newFile.contains(u'/') ? path(newFile) : newFile;
    const std::optional<vokg::ModelSourceCheck> check =
        ModelSourceExport::CheckInputs(path(templateFile), newFileText, model);
    QCOMPARE(check ? check->message : 0, message);
    if (check)
        QCOMPARE(int(check->box), box);
}

QTEST_GUILESS_MAIN(TestModelSourceExport)
#include "tst_modelsourceexport.moc"
