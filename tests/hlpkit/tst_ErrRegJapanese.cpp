#include "tests/support/CapturedReports.h"

#include "hlpkit/CMethod.h"
#include "hlpkit/SystemLocale.h"

#include <QCoreApplication>
#include <QtTest>

// Runs under a Japanese system locale, set before Qt reads it.
class TestErrRegJapanese : public QObject {
    Q_OBJECT

private slots:
    void japaneseSystemIsRecognised() {
        QCOMPARE(hlpkit::Language(), QStringLiteral("Japan"));
        QVERIFY(hlpkit::IsJapaneseSystem());
    }

    void boxClosesInJapanese() {
        CapturedReports reports;
        hlpkit::CMethod method;
        method.ErrReg(6, QStringLiteral("Overflow"), QStringLiteral("Proc"));
        QCOMPARE(reports.count(), 1);
        QVERIFY(reports.boxes().at(0).text.endsWith(
            QStringLiteral("[ErrCode] 6\r\n\r\nどうかこれを控えて報告をお願いいたします。")));
    }

    void otherLocalesAreNotJapanese() {
        QCOMPARE(hlpkit::Language(QLocale(QLocale::German, QLocale::Germany)), QStringLiteral("Germany"));
        QCOMPARE(hlpkit::Language(QLocale::c()), QString());
    }
};

int main(int argc, char** argv) {
    qputenv("LC_ALL", "ja_JP.UTF-8");
    qputenv("LANG", "ja_JP.UTF-8");
    QCoreApplication application(argc, argv);
    TestErrRegJapanese test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_ErrRegJapanese.moc"
