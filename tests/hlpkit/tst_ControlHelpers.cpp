#include "tests/support/CapturedReports.h"

#include "hlpkit/CMethod.h"

#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QtTest>

using hlpkit::CMethod;

class TestControlHelpers : public QObject {
    Q_OBJECT

private slots:
    void textSelOp_data() {
        QTest::addColumn<bool>("held");
        QTest::addColumn<int>("selectionStart");
        QTest::addColumn<int>("selectionLength");
        QTest::newRow("Tab or Alt held selects everything") << true << 0 << 8;
        QTest::newRow("otherwise nothing is selected") << false << -1 << 0;
    }
    void textSelOp() {
        QFETCH(bool, held);
        QFETCH(int, selectionStart);
        QFETCH(int, selectionLength);
        QLineEdit box(QStringLiteral("ABCDEFGH"));
        box.setSelection(2, 3);
        CMethod method;
        method.TextSelOp(&box, held);
        QCOMPARE(box.selectionStart(), selectionStart);
        QCOMPARE(int(box.selectedText().size()), selectionLength);
        QCOMPARE(box.text(), QStringLiteral("ABCDEFGH"));
    }

    void textSelOpWithoutABoxIsReported() {
        CapturedReports reports;
        CMethod method;
        method.TextSelOp(nullptr, true);
        QCOMPARE(reports.count(), 1);
        QCOMPARE(reports.procedure(0), QStringLiteral("TextSelOp"));
    }

    void drawButtonEdge_data() {
        QTest::addColumn<int>("style");
        QTest::addColumn<QPalette::ColorRole>("outerTopLeft");
        QTest::addColumn<QPalette::ColorRole>("outerBottomRight");
        QTest::addColumn<QPalette::ColorRole>("innerTopLeft");
        QTest::addColumn<QPalette::ColorRole>("innerBottomRight");
        QTest::newRow("raised") << int(CMethod::EdgeRaised) << QPalette::Light << QPalette::Shadow
                                << QPalette::Midlight << QPalette::Dark;
        QTest::newRow("sunken") << int(CMethod::EdgeSunken) << QPalette::Dark << QPalette::Light
                                << QPalette::Shadow << QPalette::Midlight;
    }
    void drawButtonEdge() {
        QFETCH(int, style);
        QFETCH(QPalette::ColorRole, outerTopLeft);
        QFETCH(QPalette::ColorRole, outerBottomRight);
        QFETCH(QPalette::ColorRole, innerTopLeft);
        QFETCH(QPalette::ColorRole, innerBottomRight);

        QWidget strip;
        QPushButton button(&strip);
        button.setGeometry(10, 12, 20, 10);
        QPalette palette;
        palette.setColor(QPalette::Light, QColor(250, 0, 0));
        palette.setColor(QPalette::Midlight, QColor(0, 250, 0));
        palette.setColor(QPalette::Dark, QColor(0, 0, 250));
        palette.setColor(QPalette::Shadow, QColor(250, 250, 0));
        button.setPalette(palette);

        QImage image(48, 40, QImage::Format_RGB32);
        const QRgb background = qRgb(1, 2, 3);
        image.fill(background);
        CapturedReports reports;
        {
            QPainter painter(&image);
            CMethod method;
            method.DrawButtonEdge(painter, &button, style, 2);
        }
        QCOMPARE(reports.count(), 0);
        auto color = [&](QPalette::ColorRole role) { return palette.color(role).rgb(); };
        // The edge runs from (10-2, 12-2) to (10+20+2-1, 12+10+2-1).
        QCOMPARE(image.pixel(8, 10), color(outerTopLeft));
        QCOMPARE(image.pixel(20, 10), color(outerTopLeft));
        QCOMPARE(image.pixel(8, 18), color(outerTopLeft));
        QCOMPARE(image.pixel(31, 23), color(outerBottomRight));
        QCOMPARE(image.pixel(20, 23), color(outerBottomRight));
        QCOMPARE(image.pixel(31, 15), color(outerBottomRight));
        QCOMPARE(image.pixel(9, 11), color(innerTopLeft));
        QCOMPARE(image.pixel(30, 22), color(innerBottomRight));
        // Nothing outside the edge, nothing inside the inner ring.
        QCOMPARE(image.pixel(7, 9), background);
        QCOMPARE(image.pixel(32, 24), background);
        QCOMPARE(image.pixel(20, 16), background);
    }

    void drawButtonEdgeRejectsBadStyles_data() {
        QTest::addColumn<int>("style");
        QTest::newRow("no style") << 0;
        QTest::newRow("outer raised and sunken") << 3;
        QTest::newRow("inner raised and sunken") << 12;
        QTest::newRow("unknown bits") << 0x105;
    }
    void drawButtonEdgeRejectsBadStyles() {
        QFETCH(int, style);
        QWidget strip;
        QPushButton button(&strip);
        button.setGeometry(4, 4, 10, 10);
        QImage image(20, 20, QImage::Format_RGB32);
        image.fill(Qt::black);
        QImage before = image;
        CapturedReports reports;
        {
            QPainter painter(&image);
            CMethod method;
            method.DrawButtonEdge(painter, &button, style, 1);
        }
        QCOMPARE(image, before);
        QCOMPARE(reports.count(), 1);
        QCOMPARE(reports.procedure(0), QStringLiteral("DrawButtonEdge"));
    }
};

QTEST_MAIN(TestControlHelpers)
#include "tst_ControlHelpers.moc"
