// The catalogue of bad inputs (tests/data/bad-inputs.tsv): each class of damaged file, hostile
// definition package, refused assignment and unusable file, run through the companion as a user
// runs it. Each ends with its exact status and message, and with every file as it was.
#include "tests/cli/CliRun.h"

#include <QDirIterator>
#include <QFileInfo>
#include <QMap>
#include <QTest>

#include <utility>

using clirun::Run;

namespace {

// "\t", "\r", "\n", "\\" and "\xHH" of the table, as bytes.
QByteArray Unescape(const QString& text) {
    const QByteArray in = text.toUtf8();
    QByteArray out;
    for (qsizetype i = 0; i < in.size(); ++i) {
        if (in[i] != '\\' || i + 1 >= in.size()) {
            out += in[i];
            continue;
        }
        const char next = in[++i];
        if (next == 't')
            out += '\t';
        else if (next == 'r')
            out += '\r';
        else if (next == 'n')
            out += '\n';
        else if (next == 'x' && i + 2 < in.size()) {
            out += char(in.mid(i + 1, 2).toInt(nullptr, 16));
            i += 2;
        } else
            out += next;
    }
    return out;
}

QByteArray ReadFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Every file below `root` with its bytes and permissions.
QMap<QString, QByteArray> Tree(const QString& root) {
    QMap<QString, QByteArray> files;
    QDirIterator it(root, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        files.insert(QDir(root).relativeFilePath(path),
                     QByteArray::number(int(QFileInfo(path).permissions()), 16) + ':' + ReadFile(path));
    }
    return files;
}

bool Apply(const QString& action, const QString& folder, const QString& defs) {
    const QString kind = action.section(u':', 0, 0);
    const QString dsg = QDir(folder).filePath(QStringLiteral("SAMPLE.DSG"));
    if (kind == QLatin1String("size"))
        return QFile::resize(dsg, action.section(u':', 1).toLongLong());
    if (kind == QLatin1String("remove"))
        return QFile::remove(QDir(folder).filePath(action.section(u':', 1)));
    if (kind == QLatin1String("remove-defs"))
        return QFile::remove(QDir(defs).filePath(action.section(u':', 1)));
    if (kind == QLatin1String("chmod"))
        return ::chmod(QFile::encodeName(QDir(folder).filePath(action.section(u':', 1, 1))).constData(),
                       action.section(u':', 2).toUInt(nullptr, 8)) == 0;
    if (kind == QLatin1String("patch")) {
        QFile file(dsg);
        const QByteArray bytes = QByteArray::fromHex(action.section(u':', 3).toLatin1());
        return file.open(QIODevice::ReadWrite) &&
               file.seek(qint64(action.section(u':', 1, 1).toInt() - 1) * 8192 +
                         action.section(u':', 2, 2).toLongLong()) &&
               file.write(bytes) == bytes.size();
    }
    if (kind == QLatin1String("defs")) {
        const QString path = QDir(defs).filePath(action.section(u':', 1, 1));
        QByteArray bytes = ReadFile(path);
        const QByteArray from = Unescape(action.section(u':', 2, 2));
        if (!bytes.contains(from))
            return false;
        bytes.replace(bytes.indexOf(from), from.size(), Unescape(action.section(u':', 3, 3)));
        QFile file(path);
        return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
    }
    if (kind == QLatin1String("archive")) {
        // The package folder holds the hostile archive alone, as a damaged installation would.
        for (const QString& name : QDir(defs).entryList(QDir::Files))
            QFile::remove(QDir(defs).filePath(name));
        QTemporaryDir made;
        return QProcess::execute(
                   QStringLiteral("/usr/bin/python3"),
                   {QStringLiteral(VOKG_SOURCE_DIR "/tools/make_hostile_lha.py"), made.path()}) == 0 &&
               QFile::copy(QDir(made.path()).filePath(action.section(u':', 1)),
                           QDir(defs).filePath(QStringLiteral("VOKG_SET.e")));
    }
    return false;
}

} // namespace

class BadInputsTest : public QObject {
    Q_OBJECT
private slots:
    void everyBadInputIsToldAndChangesNothing_data();
    void everyBadInputIsToldAndChangesNothing();
};

void BadInputsTest::everyBadInputIsToldAndChangesNothing_data() {
    QTest::addColumn<QStringList>("setup");
    QTest::addColumn<QString>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("message");
    QFile table(QStringLiteral(VOKG_SOURCE_DIR "/tests/data/bad-inputs.tsv"));
    QVERIFY(table.open(QIODevice::ReadOnly | QIODevice::Text));
    bool header = true;
    int rows = 0;
    while (!table.atEnd()) {
        const QString line = QString::fromUtf8(table.readLine()).chopped(1);
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        const QStringList fields = line.split(u'\t');
        QCOMPARE(fields.size(), 5);
        if (std::exchange(header, false))
            continue;
        const QStringList setup =
            fields[1] == QLatin1String("-") ? QStringList() : fields[1].split(QStringLiteral(" ; "));
        QTest::newRow(qPrintable(fields[0])) << setup << fields[2] << fields[3].toInt() << fields[4];
        ++rows;
    }
    QVERIFY(rows >= 20);
}

void BadInputsTest::everyBadInputIsToldAndChangesNothing() {
    QFETCH(QStringList, setup);
    QFETCH(QString, arguments);
    QFETCH(int, status);
    QFETCH(QString, message);
    QTemporaryDir root;
    const QString folder = root.filePath(QStringLiteral("user"));
    const QString defs = root.filePath(QStringLiteral("defs"));
    const QString temporary = root.filePath(QStringLiteral("tmp"));
    QVERIFY(QDir().mkpath(folder) && QDir().mkpath(defs) && QDir().mkpath(temporary) &&
            QDir().mkpath(root.filePath(QStringLiteral("config"))));
    for (const QString& name : {QStringLiteral("SAMPLE.DSG"), QStringLiteral("SAMPLE.DSK")}) {
        QVERIFY(QFile::copy(clirun::Sample(name), QDir(folder).filePath(name)));
        QFile::setPermissions(QDir(folder).filePath(name), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    }
    for (int n = 1; n <= 7; ++n) {
        const QString name = QStringLiteral("Set%1.e").arg(n, 2, 10, QLatin1Char('0'));
        QVERIFY(QFile::copy(QStringLiteral(VOKG_SOURCE_DIR "/data/definitions/") + name,
                            QDir(defs).filePath(name)));
    }
    for (const QString& action : setup)
        QVERIFY2(Apply(action, folder, defs), qPrintable(action));
    auto fill = [&](QString text) {
        return text.replace(QLatin1String("{dsg}"), QDir(folder).filePath(QStringLiteral("SAMPLE.DSG")))
            .replace(QLatin1String("{folder}"), folder)
            .replace(QLatin1String("{defs}"), defs);
    };
    QStringList argv;
    for (const QString& argument : arguments.split(u' '))
        argv.append(QString::fromUtf8(Unescape(fill(argument))));
    const auto userBefore = Tree(folder);
    const auto defsBefore = Tree(defs);

    const Run run =
        clirun::RunCli(argv, clirun::Environment(root.filePath(QStringLiteral("config")), temporary));

    QVERIFY2(run.status == status,
             qPrintable(QStringLiteral("status %1: %2").arg(run.status).arg(QString::fromUtf8(run.err))));
    if (message != QLatin1String("-"))
        QVERIFY2(QString::fromUtf8(run.err).contains(QString::fromUtf8(Unescape(fill(message)))),
                 run.err.constData());
    QCOMPARE(Tree(folder), userBefore);
    QCOMPARE(Tree(defs), defsBefore);
    // Nothing was written beside the user's folder either.
    QCOMPARE(QDir(root.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
             (QStringList{QStringLiteral("config"), QStringLiteral("defs"), QStringLiteral("tmp"),
                          QStringLiteral("user")}));
}

QTEST_GUILESS_MAIN(BadInputsTest)
#include "tst_bad_inputs.moc"
