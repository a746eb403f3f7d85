// The program's command line: --help, --version, the screenshot options and the comma-separated
// items, and the window icon.
#include "shell/Version.h"
#include "shell/gui/ProgramIcon.h"
#include "shell/gui/ProgramRun.h"

#include <QProcess>
#include <QProcessEnvironment>
#include <QTest>

class TestProgramOptions : public QObject {
    Q_OBJECT

private slots:
    void commandLine_data();
    void commandLine();
    void helpAndVersionWithoutADisplay_data();
    void helpAndVersionWithoutADisplay();
    void iconHasEverySize();
};

void TestProgramOptions::commandLine_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("answerOnly");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("commandLine");
    QTest::addColumn<QString>("screenshot");
    QTest::newRow("nothing") << QStringList{} << false << 0 << QString() << QString();
    QTest::newRow("one file") << QStringList{"/d/A.DSG"} << false << 0 << "/d/A.DSG" << QString();
    QTest::newRow("items joined by commas") << QStringList{"/d/missing.DSG", "/d/A.DSG", "ZRDL"} << false << 0
                                            << "/d/missing.DSG,/d/A.DSG,ZRDL" << QString();
    QTest::newRow("one argument of items")
        << QStringList{"zrdl,/d/A.DSG"} << false << 0 << "zrdl,/d/A.DSG" << QString();
    QTest::newRow("screenshot among the items")
        << QStringList{"--screenshot", "/t/shot.png", "/d/A.DSG"} << false << 0 << "/d/A.DSG"
        << "/t/shot.png";
    QTest::newRow("a file named like an option after --")
        << QStringList{"--", "-x.DSG"} << false << 0 << "-x.DSG" << QString();
    QTest::newRow("help") << QStringList{"--help"} << true << 0 << QString() << QString();
    QTest::newRow("short help") << QStringList{"-h", "/d/A.DSG"} << true << 0 << QString() << QString();
    QTest::newRow("version") << QStringList{"--version"} << true << 0 << QString() << QString();
    QTest::newRow("unknown option") << QStringList{"--frobnicate"} << true << 2 << QString() << QString();
    QTest::newRow("screenshot without its file")
        << QStringList{"--screenshot"} << true << 2 << QString() << QString();
}

void TestProgramOptions::commandLine() {
    QFETCH(QStringList, arguments);
    QFETCH(bool, answerOnly);
    QFETCH(int, status);
    QFETCH(QString, commandLine);
    QFETCH(QString, screenshot);
    const vokg::ProgramOptions options =
        vokg::ParseProgramArguments(QStringList{QStringLiteral("/opt/VOKG_SET")} + arguments);
    QCOMPARE(options.answerOnly, answerOnly);
    QCOMPARE(options.answerStatus, status);
    QCOMPARE(options.commandLine, commandLine);
    QCOMPARE(options.screenshotPath, screenshot);
    if (status != 0)
        QVERIFY2(options.answer.contains(QStringLiteral("Try '/opt/VOKG_SET --help'")),
                 qPrintable(options.answer));
}

void TestProgramOptions::helpAndVersionWithoutADisplay_data() {
    QTest::addColumn<QString>("option");
    QTest::addColumn<QStringList>("expectedLines");
    QTest::newRow("version") << QStringLiteral("--version")
                             << QStringList{
                                    QStringLiteral("VOKG_SET %1").arg(QLatin1String(vokg::kProgramVersion))};
    QTest::newRow("help") << QStringLiteral("--help")
                          << QStringList{QStringLiteral("--help"), QStringLiteral("--version"),
                                         QStringLiteral("--screenshot <FILE>"), QStringLiteral("ZRDL")};
}

void TestProgramOptions::helpAndVersionWithoutADisplay() {
    QFETCH(QString, option);
    QFETCH(QStringList, expectedLines);
    // No display and no platform named: the window system is never asked for.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QLatin1String(name));
    QProcess program;
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(VOKG_BINARY_DIR "/bin/VOKG_SET"), {option});
    QVERIFY(program.waitForFinished(30000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 0);
    const QString out = QString::fromLocal8Bit(program.readAllStandardOutput());
    if (option == QLatin1String("--version"))
        QCOMPARE(out, expectedLines.first() + QLatin1Char('\n'));
    QVERIFY2(out.startsWith(option == QLatin1String("--help") ? QStringLiteral("Usage: ")
                                                              : QStringLiteral("VOKG_SET")),
             qPrintable(out));
    for (const QString& expected : expectedLines)
        QVERIFY2(out.contains(expected), qPrintable(expected + QStringLiteral(" in:\n") + out));
    QCOMPARE(program.readAllStandardError(), QByteArray());
}

void TestProgramOptions::iconHasEverySize() {
    const QIcon icon = vokg::ProgramIcon();
    QVERIFY(!icon.isNull());
    for (const int size : {16, 32, 64, 128}) {
        const QImage picture = icon.pixmap(size, size).toImage();
        QCOMPARE(picture.size(), QSize(size, size));
        // The corners stay see-through, the field is the icon's blue, the needle (x 38 to 42 of
        // 64) white where it is wider than a pixel.
        QCOMPARE(qAlpha(picture.pixel(0, 0)), 0);
        QCOMPARE(QColor(picture.pixel(size / 8, size * 40 / 64)), QColor(0x1f, 0x5f, 0xa8));
        if (size >= 32)
            QCOMPARE(QColor(picture.pixel(size * 39 / 64, size * 30 / 64)), QColor(Qt::white));
    }
}

QTEST_MAIN(TestProgramOptions)
#include "tst_program_options.moc"
