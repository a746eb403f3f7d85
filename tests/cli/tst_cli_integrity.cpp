// The companion against damaged data files, hostile definitions and a hostile environment: what
// it stores is what it was told, what it cannot store it refuses, and it never leaves the user's
// data behind in a folder others could read.
#include "tests/cli/CliRun.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

using namespace clirun;

namespace {

constexpr int kFeed = 4096;

} // namespace

class CliIntegrityTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir settings_;
    QTemporaryDir temporary_;

    Run Cli(const QStringList& arguments) const {
        return RunCli(arguments, Environment(settings_.path(), temporary_.path()));
    }

private slots:
    void pitchViewSetBackToTheByteAsRead();
};

// X_P1_A entry 0 is stored as 01 5F: its pitch twin X_P1 row 0 reads 95. Setting the axis entry
// to 50 and then the pitch row back to 95 stores 95 in the low byte: the pitch view is written
// last, and 95 differs from what it showed after the axis edit.
void CliIntegrityTest::pitchViewSetBackToTheByteAsRead() {
    SampleCopy copy;
    QVERIFY(copy.Patch(1, kFeed, QByteArray("\x01\x5F", 2)));
    const Run run = Cli({QStringLiteral("set"), copy.dsg + QStringLiteral(":1"),
                         QStringLiteral("feed.X_P1_A[0]=50"), QStringLiteral("feed.pitch.X_P1[0]=95")});
    QVERIFY2(run.status == 0, run.err.constData());
    QCOMPARE(copy.Bytes().mid(kFeed, 2), QByteArray("\x00\x5F", 2));
    const Run dump = Cli({QStringLiteral("dump"), copy.dsg + QStringLiteral(":1")});
    const QJsonObject feed = QJsonDocument::fromJson(dump.out).object()[QStringLiteral("feed")].toObject();
    QCOMPARE(feed[QStringLiteral("X_P1_A")].toArray()[0].toInt(), 95);
    QCOMPARE(feed[QStringLiteral("pitch")].toObject()[QStringLiteral("X_P1")].toArray()[0].toInt(), 95);
}

QTEST_GUILESS_MAIN(CliIntegrityTest)
#include "tst_cli_integrity.moc"
