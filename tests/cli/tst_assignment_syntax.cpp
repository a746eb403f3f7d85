#include "cli/AssignmentSyntax.h"

#include <QTest>

using vokg::cli::Assignment;
using vokg::cli::FormatAssignment;
using vokg::cli::ParseAssignment;

Q_DECLARE_METATYPE(Assignment::Kind)

// What `set` reads from each assignment, before any rule judges the value.
class TestAssignmentSyntax : public QObject {
    Q_OBJECT

private slots:
    void parses_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<Assignment::Kind>("kind");
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("field");
        QTest::addColumn<int>("index");
        QTest::addColumn<bool>("pitch");
        QTest::addColumn<QString>("value");
        using K = Assignment::Kind;
        QTest::newRow("mode and digital") << "BASIC/BUZVOL=5" << K::Digital << "BASIC"
                                          << "BUZVOL"
                                          << "" << -1 << false << "5";
        QTest::newRow("digital alone") << "BUZVOL=5" << K::Digital << ""
                                       << "BUZVOL"
                                       << "" << -1 << false << "5";
        QTest::newRow("slash first is part of the name") << "/X=1" << K::Digital << ""
                                                         << "/X"
                                                         << "" << -1 << false << "1";
        QTest::newRow("second slash is part of the name") << "A/B/C=1" << K::Digital << "A"
                                                          << "B/C"
                                                          << "" << -1 << false << "1";
        QTest::newRow("value keeps later equals") << "BUZVOL==5" << K::Digital << ""
                                                  << "BUZVOL"
                                                  << "" << -1 << false << "=5";
        QTest::newRow("empty value") << "BUZVOL=" << K::Digital << ""
                                     << "BUZVOL"
                                     << "" << -1 << false << "";
        QTest::newRow("header") << "header.model=VK 1" << K::Header << ""
                                << "model"
                                << "" << -1 << false << "VK 1";
        QTest::newRow("header field unknown is a digital") << "header.colour=1" << K::Digital << ""
                                                           << "header.colour"
                                                           << "" << -1 << false << "1";
        QTest::newRow("customize") << "customize.I3.logic=1" << K::Customize << ""
                                   << "I3"
                                   << "logic" << -1 << false << "1";
        QTest::newRow("customize dotted location") << "customize.a.b.duty=50H" << K::Customize << ""
                                                   << "a.b"
                                                   << "duty" << -1 << false << "50H";
        QTest::newRow("feed") << "feed.X_P1_A[4]=12" << K::Feed << ""
                              << "X_P1_A"
                              << "" << 4 << false << "12";
        QTest::newRow("feed pitch") << "feed.pitch.P1[49]=3" << K::Feed << ""
                                    << "P1"
                                    << "" << 49 << true << "3";
        QTest::newRow("feed index too large") << "feed.X_P1_A[4294967296]=5" << K::Feed << ""
                                              << "X_P1_A"
                                              << "" << -1 << false << "5";
        QTest::newRow("feed without index is a digital") << "feed.X_P1_A=5" << K::Digital << ""
                                                         << "feed.X_P1_A"
                                                         << "" << -1 << false << "5";
    }
    void parses() {
        QFETCH(QString, text);
        const std::optional<Assignment> parsed = ParseAssignment(text);
        QVERIFY(parsed);
        QFETCH(Assignment::Kind, kind);
        QCOMPARE(parsed->kind, kind);
        QFETCH(QString, mode);
        QFETCH(QString, name);
        QFETCH(QString, field);
        QFETCH(int, index);
        QFETCH(bool, pitch);
        QFETCH(QString, value);
        QCOMPARE(parsed->mode, mode);
        QCOMPARE(parsed->name, name);
        QCOMPARE(parsed->field, field);
        if (parsed->kind == Assignment::Kind::Feed)
            QCOMPARE(parsed->index, index);
        QCOMPARE(parsed->pitch, pitch);
        QCOMPARE(parsed->value, value);
        // Written back, it reads the same.
        const std::optional<Assignment> again = ParseAssignment(FormatAssignment(*parsed));
        QVERIFY(again);
        QVERIFY(*again == *parsed);
    }

    void refuses_data() {
        QTest::addColumn<QString>("text");
        QTest::newRow("no equals") << "BUZVOL";
        QTest::newRow("no target") << "=5";
        QTest::newRow("empty") << "";
    }
    void refuses() {
        QFETCH(QString, text);
        QVERIFY(!ParseAssignment(text));
    }
};

QTEST_GUILESS_MAIN(TestAssignmentSyntax)
#include "tst_assignment_syntax.moc"
