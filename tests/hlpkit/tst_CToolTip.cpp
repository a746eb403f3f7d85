#include "tests/support/CapturedReports.h"

#include "hlpkit/CToolTip.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QtTest>

using hlpkit::CToolTip;

namespace {

QLabel* TipWindow() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == QLatin1String("hlpkitToolTip"))
            return qobject_cast<QLabel*>(widget);
    }
    return nullptr;
}

bool TipShown() {
    QLabel* tip = TipWindow();
    return tip != nullptr && tip->isVisible();
}

QString TipText() {
    return TipShown() ? TipWindow()->text() : QString();
}

void MoveMouse(QWidget& widget, QPoint position) {
    QPointF local(position);
    QMouseEvent move(QEvent::MouseMove, local, widget.mapToGlobal(local), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(&widget, &move);
}

} // namespace

class TestCToolTip : public QObject {
    Q_OBJECT

private slots:
    void showsTheToolUnderTheMouse() {
        CapturedReports reports;
        QWidget grid;
        grid.resize(200, 100);
        grid.show();
        CToolTip tip;
        QVERIFY(tip.Create(&grid));
        QVERIFY(tip.Add(1, QStringLiteral("first"), 0, 0, 100, 50));
        QVERIFY(tip.Add(2, QStringLiteral("second"), 100, 0, 200, 50));
        QCOMPARE(tip.ToolCount(), 2);
        tip.BackColor(QColor(0, 0, 255));
        tip.ForeColor(Qt::white);
        tip.InitialTime(0);
        tip.AutoPopTime(50000);
        tip.MaxWidth(320);
        tip.SetMargin(2, 3, 2, 3);

        MoveMouse(grid, {10, 10});
        QTRY_COMPARE(TipText(), QStringLiteral("first"));
        QLabel* window = TipWindow();
        QCOMPARE(window->palette().color(QPalette::Window), QColor(0, 0, 255));
        QCOMPARE(window->palette().color(QPalette::WindowText), QColor(Qt::white));
        QCOMPARE(window->contentsMargins(), QMargins(2, 3, 2, 3));
        QVERIFY(window->width() <= 320 + 4);

        MoveMouse(grid, {150, 10});
        QTRY_COMPARE(TipText(), QStringLiteral("second"));
        // Right and bottom lie just outside a tool.
        MoveMouse(grid, {150, 50});
        QTRY_VERIFY(!TipShown());

        // A new text shows at once while its tool is under the mouse.
        MoveMouse(grid, {99, 49});
        QTRY_COMPARE(TipText(), QStringLiteral("first"));
        tip.ToolText(1, QStringLiteral("changed"));
        QCOMPARE(TipText(), QStringLiteral("changed"));

        tip.Remove(1);
        QCOMPARE(tip.ToolCount(), 1);
        QVERIFY(!TipShown());
        QCOMPARE(reports.count(), 0);
    }

    void longTextsWrapAtTheMaximumWidth() {
        QWidget grid;
        grid.resize(200, 100);
        grid.show();
        CToolTip tip;
        QVERIFY(tip.Create(&grid));
        QVERIFY(
            tip.Add(7, QString(40, QLatin1Char('w')).append(QStringLiteral(" ")).repeated(6), 0, 0, 0, 0));
        tip.InitialTime(0);
        tip.MaxWidth(120);
        MoveMouse(grid, {190, 90}); // all four 0: the whole client area
        QTRY_VERIFY(TipShown());
        QVERIFY(TipWindow()->width() <= 120);
        QVERIFY(TipWindow()->height() > TipWindow()->fontMetrics().height() * 2);
    }

    void waitsForTheInitialTimeAndLeavesWithTheMouse() {
        QWidget grid;
        grid.resize(100, 100);
        grid.show();
        CToolTip tip;
        QVERIFY(tip.Create(&grid));
        QVERIFY(tip.Add(1, QStringLiteral("slow"), 0, 0, 0, 0));
        tip.InitialTime(300);
        MoveMouse(grid, {5, 5});
        QTest::qWait(50);
        QVERIFY(!TipShown());
        QTRY_VERIFY(TipShown());
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(&grid, &leave);
        QVERIFY(!TipShown());
    }

    void badCallsAreReported() {
        CapturedReports reports;
        CToolTip tip;
        QVERIFY(!tip.Add(1, QStringLiteral("no parent yet"), 0, 0, 0, 0));
        QVERIFY(!tip.Create(nullptr));
        QWidget grid;
        QVERIFY(tip.Create(&grid));
        QVERIFY(!tip.Add(1, QStringLiteral("upside down"), 10, 10, 5, 20));
        tip.ToolText(42, QStringLiteral("unknown tool"));
        tip.InitialTime(50000); // an unsigned 16-bit delay
        QCOMPARE(tip.InitialTime(), 50000);
        tip.AutoPopTime(65536);
        tip.InitialTime(-1);
        QCOMPARE(tip.InitialTime(), 50000); // the old value stays
        QStringList procedures;
        for (int i = 0; i < reports.count(); ++i)
            procedures << reports.procedure(i);
        QCOMPARE(procedures, (QStringList{QStringLiteral("Add"), QStringLiteral("Create"),
                                          QStringLiteral("Add"), QStringLiteral("ToolText"),
                                          QStringLiteral("AutoPopTime"), QStringLiteral("InitialTime")}));
        QCOMPARE(tip.ToolCount(), 0);
    }

    void outlivingItsParentIsHarmless() {
        CToolTip tip;
        {
            QWidget grid;
            QVERIFY(tip.Create(&grid));
            QVERIFY(tip.Add(1, QStringLiteral("x"), 0, 0, 0, 0));
        }
        tip.Remove(1);
        QCOMPARE(tip.ToolCount(), 0);
    }
};

QTEST_MAIN(TestCToolTip)
#include "tst_CToolTip.moc"
