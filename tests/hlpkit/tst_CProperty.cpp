#include "tests/support/CapturedReports.h"

#include "hlpkit/CProperty.h"

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUrl>
#include <QtTest>

using hlpkit::CProperty;

namespace {

const QString kApp = QStringLiteral("VOKG_SET_test");
const QString kSection = QStringLiteral("Setting");

QString StoredText(const QString& key) {
    QSettings settings(CProperty::SettingsFile(kApp), QSettings::IniFormat);
    return settings.value(kSection + QLatin1Char('/') + key).toString();
}

} // namespace

class TestCProperty : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init() { QFile::remove(CProperty::SettingsFile(kApp)); }
    void cleanup() {
        QFile::remove(CProperty::SettingsFile(kApp));
        CProperty::ResetOpenHook();
    }

    void settingsFileIsPerApplication() {
        QString file = CProperty::SettingsFile(kApp);
        QVERIFY(file.endsWith(QStringLiteral("/VOKG_SET/VOKG_SET_test.ini")));
        QVERIFY(file.startsWith(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)));
    }

    void regDefaultKeyFillsAbsentAndEmptyEntries_data() {
        QTest::addColumn<QVariant>("defaultValue");
        QTest::addColumn<QString>("stored");
        QTest::newRow("text") << QVariant(QStringLiteral("C:\\work")) << "C:\\work";
        QTest::newRow("number") << QVariant(1152) << "1152";
        QTest::newRow("true") << QVariant(true) << "True";
        QTest::newRow("false") << QVariant(false) << "False";
    }
    void regDefaultKeyFillsAbsentAndEmptyEntries() {
        QFETCH(QVariant, defaultValue);
        QFETCH(QString, stored);
        CapturedReports reports;
        CProperty property;
        QVERIFY(!property.ExistsRegEntry(kApp, kSection, QStringLiteral("Absent")));
        QVERIFY(property.RegDefaultKey(kApp, kSection, QStringLiteral("Absent"), defaultValue));
        QCOMPARE(StoredText(QStringLiteral("Absent")), stored);

        QVERIFY(property.WriteEntry(kApp, kSection, QStringLiteral("Empty"), QString()));
        QVERIFY(!property.ExistsRegEntry(kApp, kSection, QStringLiteral("Empty")));
        QVERIFY(property.RegDefaultKey(kApp, kSection, QStringLiteral("Empty"), defaultValue));
        QCOMPARE(StoredText(QStringLiteral("Empty")), stored);
        QVERIFY(property.ExistsRegEntry(kApp, kSection, QStringLiteral("Empty")));
        QCOMPARE(reports.count(), 0);
    }

    void regDefaultKeyNeverOverwrites() {
        CapturedReports reports;
        CProperty property;
        QVERIFY(
            property.WriteEntry(kApp, kSection, QStringLiteral("Path"), QStringLiteral("/home/user/data")));
        QVERIFY(
            property.RegDefaultKey(kApp, kSection, QVariant(QStringLiteral("Path")), QStringLiteral("/")));
        QCOMPARE(property.ReadEntry(kApp, kSection, QStringLiteral("Path")),
                 QStringLiteral("/home/user/data"));
        // Another section is another entry.
        QVERIFY(!property.ExistsRegEntry(kApp, QStringLiteral("SETTING"), QStringLiteral("Path")));
        QCOMPARE(reports.count(), 0);
    }

    void readEntryGivesTheDefaultForAbsentEntries() {
        CapturedReports reports;
        CProperty property;
        QCOMPARE(property.ReadEntry(kApp, kSection, QStringLiteral("Nope"), QStringLiteral("dflt")),
                 QStringLiteral("dflt"));
        QVERIFY(property.WriteEntry(kApp, kSection, QStringLiteral("Nope"), QStringLiteral("value")));
        QCOMPARE(property.ReadEntry(kApp, kSection, QStringLiteral("Nope"), QStringLiteral("dflt")),
                 QStringLiteral("value"));
        QCOMPARE(reports.count(), 0);
    }

    void badEntryNamesAreReported_data() {
        QTest::addColumn<QString>("app");
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("code");
        QTest::newRow("empty application") << ""
                                           << "Setting"
                                           << "Key" << 52;
        QTest::newRow("application with a path") << "../evil"
                                                 << "Setting"
                                                 << "Key" << 52;
        QTest::newRow("empty section") << "App"
                                       << ""
                                       << "Key" << 5;
        QTest::newRow("key with a slash") << "App"
                                          << "Setting"
                                          << "a/b" << 5;
    }
    void badEntryNamesAreReported() {
        QFETCH(QString, app);
        QFETCH(QString, section);
        QFETCH(QString, key);
        QFETCH(int, code);
        CapturedReports reports;
        CProperty property;
        QVERIFY(!property.RegDefaultKey(app, section, key, QStringLiteral("x")));
        QVERIFY(!property.WriteEntry(app, section, key, QStringLiteral("x")));
        QCOMPARE(reports.count(), 2);
        QCOMPARE(reports.procedure(0), QStringLiteral("RegDefaultKey"));
        QCOMPARE(reports.procedure(1), QStringLiteral("WriteEntry"));
        QVERIFY(reports.boxes().at(0).text.contains(QStringLiteral("[ErrCode] %1\r\n").arg(code)));
    }

    void aDefaultWithoutTextFormIsATypeMismatch() {
        CapturedReports reports;
        CProperty property;
        QVERIFY(!property.RegDefaultKey(kApp, kSection, QStringLiteral("Key"), QVariant()));
        QCOMPARE(reports.count(), 1);
        QVERIFY(reports.boxes().at(0).text.contains(QStringLiteral("[ErrCode] 13\r\n")));
        QVERIFY(!property.ExistsRegEntry(kApp, kSection, QStringLiteral("Key")));
    }

    void runAssociatedApp() {
        CapturedReports reports;
        QTemporaryDir dir;
        QString workbook = dir.filePath(QStringLiteral("VOKG_SET.xlsx"));
        {
            QFile file(workbook);
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        QList<QUrl> opened;
        bool accept = true;
        CProperty::SetOpenHook([&](const QUrl& url) {
            opened.append(url);
            return accept;
        });
        CProperty property;
        QVERIFY(property.RunAssociatedApp(nullptr, workbook, 3) > 32);
        QCOMPARE(opened, QList<QUrl>{QUrl::fromLocalFile(workbook)});
        QCOMPARE(reports.count(), 0);

        QCOMPARE(property.RunAssociatedApp(nullptr, dir.filePath(QStringLiteral("missing.xlsx")), 3), 2);
        QCOMPARE(opened.size(), 1); // a missing file never reaches the desktop
        QCOMPARE(reports.count(), 1);
        QCOMPARE(reports.procedure(0), QStringLiteral(" RunAssociatedApp"));

        // No program for the file is no fault of the program: told by the result, not reported.
        accept = false;
        QCOMPARE(property.RunAssociatedApp(nullptr, workbook, 3), CProperty::NoAssociation);
        QCOMPARE(reports.count(), 1);
    }

    void screenMetrics() {
        CapturedReports reports;
        CProperty property;
        QVERIFY(property.CrtResolution() > 0);
        QVERIFY(property.GetDlgBorderHeight() >= 0);
        QCOMPARE(reports.count(), 0);
    }

    void apSelDelObject() {
        QImage image(8, 8, QImage::Format_RGB32);
        CProperty property;
        std::optional<CProperty::PainterObject> old = CProperty::PainterObject(QPen(Qt::red));
        {
            QPainter idle;
            QVERIFY(!property.apSel_DelObject(idle, QBrush(Qt::blue), old));
            QVERIFY(old.has_value()); // nothing released when nothing was selected
        }
        QPainter painter(&image);
        QVERIFY(property.apSel_DelObject(painter, QBrush(Qt::blue), old));
        QCOMPARE(painter.brush().color(), QColor(Qt::blue));
        QVERIFY(!old.has_value());
        // Releasing nothing fails, though the selection happens.
        QVERIFY(!property.apSel_DelObject(painter, QPen(Qt::green), old));
        QCOMPARE(painter.pen().color(), QColor(Qt::green));
    }
};

QTEST_MAIN(TestCProperty)
#include "tst_CProperty.moc"
