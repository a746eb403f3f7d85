#include "tests/support/CapturedReports.h"

#include "hlpkit/CString.h"

#include <QLocale>
#include <QtTest>

using hlpkit::CString;

class TestCString : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    void checkKeyAscii_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("accepted");
        struct Case {
            int mode;
            int key;
            bool accepted;
            const char* why;
        };
        const Case cases[] = {
            {1, '.', true, "decimal point"},
            {1, '-', false, "no sign in mode 1"},
            {1, '7', true, "digit"},
            {1, 8, true, "backspace"},
            {1, 13, true, "enter is a control"},
            {1, 'a', false, "letter"},
            {2, '-', true, "sign"},
            {2, '.', false, "no point in mode 2"},
            {2, '0', true, "digit 0"},
            {3, '-', true, "sign"},
            {3, '.', true, "point"},
            {3, 13, false, "enter rejected"},
            {3, 8, true, "backspace"},
            {4, 8, true, "backspace accepted"},
            {4, '9', true, "digit 9"},
            {4, '-', false, "sign"},
            {4, '.', false, "point"},
            {4, 30, true, "last control code"},
            {4, 31, false, "31 is no control"},
            {4, 0, true, "code 0"},
            {4, -1, false, "negative code"},
            {5, 13, true, "enter accepted"},
            {5, '-', true, "sign"},
            {5, '.', true, "point"},
            {5, ' ', false, "space"},
            {6, 'A', true, "upper A"},
            {6, 'z', true, "lower z"},
            {6, '[', false, "after Z"},
            {6, '`', false, "before a"},
            {6, '5', false, "digit"},
            {6, 9, true, "tab"},
            {7, 'Y', true, "Y"},
            {7, 'n', true, "n"},
            {7, 8, false, "backspace rejected"},
            {7, 13, false, "enter rejected"},
            {7, 'X', false, "other letter"},
            {8, '0', false, "zero"},
            {8, '1', true, "one"},
            {8, '9', true, "nine"},
            {8, 8, true, "backspace"},
            {9, 13, false, "enter rejected"},
            {9, '-', true, "sign"},
            {9, '.', true, "point"},
            {9, 8, true, "backspace"},
            {0, '1', false, "unknown mode 0"},
            {10, 8, false, "unknown mode 10"},
            {1, ',', false, "comma under C locale"},
        };
        for (const Case& c : cases)
            QTest::addRow("mode %d %s", c.mode, c.why) << c.mode << c.key << c.accepted;
    }
    void checkKeyAscii() {
        QFETCH(int, mode);
        QFETCH(int, key);
        QFETCH(bool, accepted);
        CString strings;
        QCOMPARE(strings.CheckKeyAscii(key, mode), accepted);
    }

    void commaIsDecimalPointWhereTheLocaleSaysSo_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("mode 1") << 1 << true;
        QTest::newRow("mode 3") << 3 << true;
        QTest::newRow("mode 5") << 5 << true;
        QTest::newRow("mode 9") << 9 << true;
        QTest::newRow("mode 2 has no point") << 2 << false;
        QTest::newRow("mode 4 has no point") << 4 << false;
    }
    void commaIsDecimalPointWhereTheLocaleSaysSo() {
        QFETCH(int, mode);
        QFETCH(bool, accepted);
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        CString strings;
        QCOMPARE(strings.CheckKeyAscii(',', mode), accepted);
        QVERIFY(!strings.CheckKeyAscii(';', mode));
    }

    void keyCaseHelpers() {
        CString strings;
        QCOMPARE(strings.CvToBigASC('a'), int('A'));
        QCOMPARE(strings.CvToBigASC('z'), int('Z'));
        QCOMPARE(strings.CvToBigASC('Q'), int('Q'));
        QCOMPARE(strings.CvToBigASC('{'), int('{'));
        QCOMPARE(strings.CvToBigASC('`'), int('`'));
        QCOMPARE(strings.CvToBigASC('5'), int('5'));
        QVERIFY(strings.IsABC('A') && strings.IsABC('Z') && strings.IsABC('a') && strings.IsABC('z'));
        QVERIFY(!strings.IsABC('@') && !strings.IsABC('[') && !strings.IsABC('`') && !strings.IsABC('{'));
        QVERIFY(!strings.IsABC(0xC1)); // a single-byte katakana code is no Latin letter
    }

    void fmt16_data() {
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("0") << 0 << "00";
        QTest::newRow("10") << 10 << "0A";
        QTest::newRow("15") << 15 << "0F";
        QTest::newRow("16") << 16 << "10";
        QTest::newRow("171") << 171 << "AB";
        QTest::newRow("255") << 255 << "FF";
    }
    void fmt16() {
        QFETCH(int, value);
        QFETCH(QString, text);
        CapturedReports reports;
        CString strings;
        QCOMPARE(strings.Fmt16(value), text);
        QCOMPARE(reports.count(), 0);
    }

    void fmt16Ex_data() {
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("width");
        QTest::addColumn<QString>("text");
        QTest::newRow("255 width 4") << 255 << 4 << "00FF";
        QTest::newRow("-1 width 2 is never shortened") << -1 << 2 << "FFFF";
        QTest::newRow("-32768") << -32768 << 4 << "8000";
        QTest::newRow("32767") << 32767 << 2 << "7FFF";
        QTest::newRow("0 width 0") << 0 << 0 << "0";
        QTest::newRow("0 width 3") << 0 << 3 << "000";
        QTest::newRow("-2 width 6") << -2 << 6 << "00FFFE";
        QTest::newRow("4096 width 4") << 4096 << 4 << "1000";
        QTest::newRow("lower-case digits upper-cased") << 0xabc << 1 << "ABC";
    }
    void fmt16Ex() {
        QFETCH(int, value);
        QFETCH(int, width);
        QFETCH(QString, text);
        CapturedReports reports;
        CString strings;
        QCOMPARE(strings.Fmt16Ex(value, width), text);
        QCOMPARE(reports.count(), 0);
    }

    void hexFormattingRejectsValuesOutsideTheirType_data() {
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("width");
        QTest::addColumn<bool>("byteForm");
        QTest::addColumn<QString>("procedure");
        QTest::addColumn<int>("code");
        QTest::newRow("byte 256") << 256 << 0 << true << "Fmt16" << 6;
        QTest::newRow("byte -1") << -1 << 0 << true << "Fmt16" << 6;
        QTest::newRow("short 32768") << 32768 << 4 << false << " Fmt16Ex" << 6;
        QTest::newRow("short -32769") << -32769 << 4 << false << " Fmt16Ex" << 6;
        QTest::newRow("negative width") << 1 << -1 << false << " Fmt16Ex" << 5;
    }
    void hexFormattingRejectsValuesOutsideTheirType() {
        QFETCH(int, value);
        QFETCH(int, width);
        QFETCH(bool, byteForm);
        QFETCH(QString, procedure);
        QFETCH(int, code);
        CapturedReports reports;
        CString strings;
        QString text = byteForm ? strings.Fmt16(value) : strings.Fmt16Ex(value, width);
        QVERIFY(text.isEmpty());
        QCOMPARE(reports.count(), 1);
        QCOMPARE(reports.procedure(0), procedure);
        QVERIFY(reports.boxes().at(0).text.contains(QStringLiteral("[ErrCode] %1\r\n").arg(code)));
    }
};

QTEST_GUILESS_MAIN(TestCString)
#include "tst_CString.moc"
