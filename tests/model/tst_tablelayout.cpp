#include "hlpkit/CMethod.h"
#include "model/CCustoms.h"
#include "model/CDigitals.h"
#include "model/CMode.h"
#include "model/CModes.h"
#include "model/TableLayout.h"
#include "shell/messages/Messages.h"
#include "tests/support/ScriptedPrompter.h"

#include <QTest>

using namespace vokg;

namespace {

// One field of a definition package: a digital ("D name address size"), an input row
// ("I name function logic operation") or an output row ("O name function logic operation
// on off choppingOn choppingOff fullWave").
using Rows = QStringList;

} // namespace

class TestTableLayout : public QObject {
    Q_OBJECT

    hlpkit::CMethod method_;
    testsupport::ScriptedPrompter prompter_;
    Messenger messenger_{prompter_, QStringLiteral("VOKG_SET")};

private slots:
    void everyByteBelongsToOneField_data() {
        QTest::addColumn<Rows>("rows");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("clash");
        QTest::newRow("fields on their own bytes, up to every edge")
            << Rows{"D FIRST 20 2",         "D BEFORE_AUTHOR 4029 2",      "D AFTER_PASSWORD 4067 1",
                    "D BEFORE_FEED 4094 2", "D AFTER_FEED 6864 1",         "D LAST 8190 2",
                    "I I1 22 23 24",        "O O1 25 26 27 28 30 32 34 36"}
            << ""
            << "";
        QTest::newRow("two digitals on one byte")
            << Rows{"D MACHTYP 32 1", "D HEADTYP 32 1"} << "Set02.e"
            << "Set02.e digital \"M/HEADTYP\" (byte 32) overlaps Set02.e digital \"M/MACHTYP\" (byte 32)";
        QTest::newRow("a word over the next byte")
            << Rows{"D AREAX 34 2", "D ORGX 35 1"} << "Set02.e"
            << "Set02.e digital \"M/ORGX\" (byte 35) overlaps Set02.e digital \"M/AREAX\" (bytes 34-35)";
        QTest::newRow("a digital on the model name")
            << Rows{"D MACHTYP 5 1"} << "Set02.e"
            << "Set02.e digital \"M/MACHTYP\" (byte 5) overlaps the model name (bytes 0-9)";
        QTest::newRow("a word into the data version")
            << Rows{"D AREAX 19 2"} << "Set02.e"
            << "Set02.e digital \"M/AREAX\" (bytes 19-20) overlaps the data version (bytes 10-19)";
        // The author starts one byte early, at 4031.
        QTest::newRow("a word into the author")
            << Rows{"D AREAX 4030 2"} << "Set02.e"
            << "Set02.e digital \"M/AREAX\" (bytes 4030-4031) overlaps the author field (bytes 4031-4050)";
        QTest::newRow("a digital on the password")
            << Rows{"D MACHTYP 4066 1"} << "Set02.e"
            << "Set02.e digital \"M/MACHTYP\" (byte 4066) overlaps the password field (bytes 4051-4066)";
        QTest::newRow("a word into the feed table") << Rows{"D AREAX 4095 2"} << "Set02.e"
                                                    << "Set02.e digital \"M/AREAX\" (bytes 4095-4096) "
                                                       "overlaps the feed table (bytes 4096-6863)";
        QTest::newRow("a signal's logic on a digital")
            << Rows{"D MACHTYP 100 1", "I I1 99 100 101"} << "Set04.e"
            << "Set04.e signal \"I1\" logic (byte 100) overlaps Set02.e digital \"M/MACHTYP\" (byte 100)";
        QTest::newRow("one row's function and operation on one byte")
            << Rows{"I I1 99 100 99"} << "Set04.e"
            << "Set04.e signal \"I1\" operation (byte 99) overlaps Set04.e signal \"I1\" function (byte 99)";
        QTest::newRow("time words of two outputs")
            << Rows{"O O1 200 201 202 210 212 214 216 218", "O O2 203 204 205 219 222 224 226 228"}
            << "Set05.e"
            << "Set05.e signal \"O2\" ON delay time (bytes 219-220) overlaps Set05.e signal \"O1\" full-wave "
               "time "
               "(bytes 218-219)";
        QTest::newRow("an output time word in the feed table")
            << Rows{"O O1 200 201 202 210 212 214 216 6863"} << "Set05.e"
            << "Set05.e signal \"O1\" full-wave time (bytes 6863-6864) overlaps the feed table "
               "(bytes "
               "4096-6863)";
    }
    void everyByteBelongsToOneField() {
        QFETCH(Rows, rows);
        QFETCH(QString, file);
        QFETCH(QString, clash);
        const ModelContext context{method_, messenger_};
        CModes modes(context);
        CCustoms customs(context);
        CMode& mode = modes.Add(QStringLiteral("M"));
        for (const QString& row : rows) {
            const QStringList f = row.split(QLatin1Char(' '));
            const auto n = [&](int i) { return f.at(i).toInt(); };
            if (f[0] == u"D")
                mode.Digits().Add(f[1], QStringLiteral("NUM"), {}, QStringLiteral("0"), QStringLiteral("1"),
                                  {}, {}, n(2), n(3));
            else if (f[0] == u"I")
                customs.AddInput(f[1], {}, QStringLiteral("Standard input"), n(2), n(3), n(4));
            else
                customs.Add(f[1], {}, QStringLiteral("Standard output"), n(2), n(3), n(4), n(5), n(6), n(7),
                            n(8), n(9));
        }
        const std::optional<LayoutClash> found = TableLayout::FindClash(modes, customs);
        QCOMPARE(found.has_value(), !clash.isEmpty());
        if (found) {
            QCOMPARE(found->description, clash);
            QCOMPARE(found->definitionFile, file);
        }
    }
};

QTEST_GUILESS_MAIN(TestTableLayout)
#include "tst_tablelayout.moc"
