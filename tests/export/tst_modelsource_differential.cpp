// The indexed template fill against the plain one: for every generated template, model name
// and set of digitals, signals and feed values, both must write the same lines, show the same
// messages in the same order and fail at the same place.

#include "export/ModelSourceExport.h"
#include "hlpkit/CMethod.h"
#include "model/CCustom.h"
#include "model/CCustoms.h"
#include "model/CDigital.h"
#include "model/CMode.h"
#include "model/CModes.h"
#include "model/COkuris.h"
#include "shell/messages/Messages.h"
#include "tests/support/CapturedReports.h"
#include "tests/support/ScriptedPrompter.h"

#include <QHash>
#include <QRandomGenerator>
#include <QTest>

#include <array>
#include <memory>

using vokg::CCustom;
using vokg::CDigital;
using vokg::CMode;
using vokg::COkuris;
using vokg::ModelSourceExport;
using vokg::ModelSourceNotice;
using vokg::ModelSourceResult;

namespace {

const QString kValue = QStringLiteral(u"[値]");

const std::array<const char*, 22> kFeedKeys{
    "X_P1_A", "X_P1_B", "X_T1_A", "X_T1_B", "X_P2_A", "X_P2_B", "X_T2_A", "X_T2_B",
    "Y_P1_A", "Y_P1_B", "Y_T1_A", "Y_T1_B", "Y_P2_A", "Y_P2_B", "Y_T2_A", "Y_T2_B",
    "XYLM",   "XGA",    "YGA",    "P1X",    "P1Y",    "ZLM",
};

// Names chosen to collide: parts of each other, the same name in several modes, letter case,
// brackets, and "値", whose key is the placeholder itself.
const QStringList kDigitalNames{
    QStringLiteral("A"),      QStringLiteral("AB"),  QStringLiteral("B"),         QStringLiteral("BA"),
    QStringLiteral("ABC"),    QStringLiteral("a"),   QStringLiteral("A]"),        QStringLiteral("[A"),
    QStringLiteral("COMMON"), QStringLiteral("X1"),  QStringLiteral("X10"),       QStringLiteral("1"),
    QStringLiteral("WIP"),    QStringLiteral(u"値"), QStringLiteral("gus_x_l1_"),
};
const QStringList kLocations{
    QStringLiteral("I1"),  QStringLiteral("I10"), QStringLiteral("I2"), QStringLiteral("O1"),
    QStringLiteral("O10"), QStringLiteral("O1_"), QStringLiteral("O"),  QStringLiteral("I"),
};

// The plain fill, written the straightforward way: every search a scan of the lines from its
// start. The n-th digital of a name goes on after the line the previous one filled.
class PlainFill {
public:
    PlainFill(const vokg::CModes& modes, const vokg::CCustoms& customs, COkuris& okuris,
              vokg::Messenger& messenger)
        : modes_(modes), customs_(customs), okuris_(okuris), messenger_(messenger) {}

    ModelSourceResult Fill(QStringList lines, const QString& model, const QString& section) {
        ModelSourceResult result;
        Keyword(lines, QStringLiteral(u"[機種]"), model);
        Keyword(lines, QStringLiteral(u"[セクション番号]"), section);
        QHash<QString, qsizetype> last;
        const auto thisDigital = [&](const QString& key, qint64 value) {
            const qsizetype line = Find(lines, key, last.contains(key) ? last.value(key) + 1 : 0);
            if (line < 0)
                return Fail(result, 82, key);
            if (!SetLine(result, lines, line, value))
                return false;
            last.insert(key, line);
            return true;
        };
        for (const CMode& mode : modes_)
            for (const CDigital& digital : mode.Digits())
                if (!thisDigital(u'[' + digital.digital() + u']', digital.UserValue()))
                    return result;
        for (const CCustom& row : customs_) {
            const bool output = row.INOUT() != 0;
            const qsizetype name = Find(lines,
                                        (output ? QStringLiteral("gst_out_") : QStringLiteral("gst_inp_")) +
                                            row.Location() + u'_',
                                        0);
            if (name < 0) {
                messenger_.ShowMsg(87, platform::BoxKind::Exclamation, row.Location());
                result.warnings.append({87, row.Location()});
                continue;
            }
            const QList<QPair<int, qint32>> settings =
                output ? QList<QPair<int, qint32>>{{1, row.Kino()},
                                                   {2, row.Logic()},
                                                   {3, row.Dosa()},
                                                   {5, row.OnDelayTime()},
                                                   {6, row.ZenpaTime()},
                                                   {7, row.ChoppingOnTime()},
                                                   {8, row.ChoppingOffTime()},
                                                   {9, row.OffDelayTime()}}
                       : QList<QPair<int, qint32>>{{1, row.Kino()}, {2, row.Logic()}, {3, row.Dosa()}};
            for (const auto& [offset, value] : settings) {
                if (name + offset >= lines.size()) {
                    result.failure = ModelSourceNotice{0, QStringLiteral("UpdateCustomize")};
                    return result;
                }
                if (!SetLine(result, lines, name + offset, value))
                    return result;
            }
        }
        for (const char* key : kFeedKeys) {
            const QString identifier = COkuris::CIdentifier(QString::fromLatin1(key));
            const qsizetype line = Find(lines, identifier, 0);
            const QString before = line < 0 ? QString() : lines.at(line);
            if (!okuris_.WriteOkuriParam_zrdlModel(QString::fromLatin1(key), lines)) {
                result.failure = line < 0 ? ModelSourceNotice{82, identifier} : ModelSourceNotice{86, before};
                return result;
            }
        }
        for (int value = 0; value < 7; ++value)
            if (!thisDigital(COkuris::OtherValueCIdentifier(value),
                             okuris_.GetValue(COkuris::OtherValueCaption(value))))
                return result;
        result.succeeded = true;
        result.lines = lines;
        return result;
    }

private:
    static void Keyword(QStringList& lines, const QString& search, const QString& replacement) {
        for (QString& line : lines)
            line.replace(search, replacement);
    }
    static qsizetype Find(const QStringList& lines, const QString& key, qsizetype start) {
        for (qsizetype i = start; i < lines.size(); ++i)
            if (lines.at(i).contains(key))
                return i;
        return -1;
    }
    bool Fail(ModelSourceResult& result, int message, const QString& detail) {
        messenger_.ShowMsg(message, platform::BoxKind::Exclamation, detail);
        result.failure = ModelSourceNotice{message, detail};
        return false;
    }
    bool SetLine(ModelSourceResult& result, QStringList& lines, qsizetype line, qint64 value) {
        if (!lines.at(line).contains(kValue))
            return Fail(result, 86, lines.at(line));
        lines[line].replace(kValue, QString::number(value));
        return true;
    }

    const vokg::CModes& modes_;
    const vokg::CCustoms& customs_;
    COkuris& okuris_;
    vokg::Messenger& messenger_;
};

// One generated case: the model objects and a template for them.
struct World {
    hlpkit::CMethod method;
    testsupport::ScriptedPrompter prompter;
    vokg::Messenger messenger{prompter, QStringLiteral("VOKG_SET")};
    vokg::ModelContext Context() { return {method, messenger}; }
    vokg::CModes modes{Context()};
    vokg::CCustoms customs{Context()};
    COkuris okuris{Context()};
    QStringList lines;
    QString model;
    QString section;
};

class Generator {
public:
    explicit Generator(quint32 seed) : random_(seed) {}

    void Populate(World& world) {
        const int modeCount = Between(1, 4);
        for (int m = 0; m < modeCount; ++m) {
            CMode& mode = world.modes.Add(QStringLiteral("MODE%1").arg(m));
            const int count = Between(0, 6);
            for (int d = 0; d < count; ++d) {
                // Mostly plain names, sometimes one that is part of another key or the placeholder.
                const QString name = Between(0, 3) == 0 ? Pick(kDigitalNames) : Pick(kDigitalNames.mid(0, 6));
                if (mode.Digits().Find(name))
                    continue;
                CDigital& digital =
                    mode.Digits().Add(name, QStringLiteral("NUM"), QString(), QStringLiteral("0"),
                                      QStringLiteral("9999"), QString(), QString(), 0, 2);
                digital.SetUserValue(Between(-40, 5000));
            }
        }
        for (const QString& location : kLocations) {
            if (Between(0, 2) == 0)
                continue;
            CCustom& row = location.startsWith(u'O')
                               ? world.customs.Add(location, QString(), QString(), 0, 0, 0, 0, 0, 0, 0, 0)
                               : world.customs.AddInput(location, QString(), QString(), 0, 0, 0);
            row.SetKino(Between(0, 200));
            row.SetLogic(Between(0, 1));
            row.SetDosa(Between(0, 1));
            row.SetOnDelayTime(Between(0, 900));
            row.SetOffDelayTime(Between(0, 900));
            row.SetChoppingOnTime(Between(0, 900));
            row.SetChoppingOffTime(Between(0, 900));
            row.SetZenpaTime(Between(0, 900));
        }
        for (int changes = Between(0, 6); changes > 0; --changes)
            world.okuris.SetArray(QString::fromLatin1(kFeedKeys[std::size_t(Between(0, 21))]), Between(0, 30),
                                  Between(0, 255));
        for (int value = 0; value < 7; ++value)
            world.okuris.SetArray(COkuris::OtherValuesKey(), value, Between(0, 3000));
        world.model = Between(0, 2) != 0
                          ? QStringLiteral("VK-2300")
                          : Pick(QStringList{QStringLiteral(" VK "), kValue, QStringLiteral("[A]"),
                                             QStringLiteral("gst_out_O1_"), QString()});
        world.section = Between(0, 2) != 0 ? QStringLiteral("3")
                                           : Pick(QStringList{QString(), kValue, QStringLiteral("[B]")});
    }

    // A template as a careful author would write it for the world, then damaged a little.
    QStringList WellFormed(const World& world) {
        QStringList lines{QStringLiteral("/* zrdl_G[機種].c section [セクション番号] */")};
        for (const CMode& mode : world.modes)
            for (const CDigital& digital : mode.Digits())
                lines.append(QStringLiteral("    %1, /* [%2] */").arg(kValue, digital.digital()));
        for (const CCustom& row : world.customs) {
            const bool output = row.INOUT() != 0;
            if (Between(0, 7) == 0)
                continue; // a signal the author left out
            lines.append(QStringLiteral("/* %1%2_ */").arg(output ? "gst_out_" : "gst_inp_", row.Location()));
            for (int setting = 1; setting <= (output ? 9 : 3); ++setting)
                lines.append(setting == 4 ? QStringLiteral("    0, /* %1 stays */").arg(kValue)
                                          : QStringLiteral("    %1,").arg(kValue));
        }
        for (const char* key : kFeedKeys)
            lines.append(QStringLiteral("const ushort %1[] = { %2 };")
                             .arg(COkuris::CIdentifier(QString::fromLatin1(key)), kValue));
        for (int value = 0; value < 7; ++value)
            lines.append(
                QStringLiteral("ushort %1 = %2;").arg(COkuris::OtherValueCIdentifier(value), kValue));
        lines.append(QString());
        return Damage(lines, Between(0, 3));
    }

    // Lines made of random pieces: keys, parts of keys, markers, comments and noise.
    QStringList Scrambled(const World& world) {
        QStringList pieces{kValue,
                           kValue,
                           QStringLiteral(u"[機種]"),
                           QStringLiteral(u"[セクション番号]"),
                           QStringLiteral("/*"),
                           QStringLiteral("*/"),
                           QStringLiteral("//"),
                           QStringLiteral("["),
                           QStringLiteral("]"),
                           QStringLiteral("gst_out_"),
                           QStringLiteral("gst_inp_"),
                           QStringLiteral("_"),
                           QStringLiteral("1"),
                           QStringLiteral(" "),
                           QStringLiteral(u"値"),
                           QStringLiteral("gus_x_"),
                           QStringLiteral("l1_")};
        for (const QString& name : kDigitalNames)
            pieces << u'[' + name + u']' << name;
        for (const QString& location : kLocations)
            pieces << QStringLiteral("gst_out_") + location + u'_'
                   << QStringLiteral("gst_inp_") + location + u'_';
        for (const char* key : kFeedKeys)
            pieces << COkuris::CIdentifier(QString::fromLatin1(key));
        for (int value = 0; value < 7; ++value)
            pieces << COkuris::OtherValueCIdentifier(value);
        static_cast<void>(world);
        QStringList lines;
        for (int count = Between(0, 60); count > 0; --count) {
            QString line;
            for (int parts = Between(0, 5); parts > 0; --parts)
                line += Pick(pieces);
            lines.append(line);
        }
        return lines;
    }

    QStringList Damage(QStringList lines, int changes) {
        for (; changes > 0 && !lines.isEmpty(); --changes) {
            const qsizetype at = Between(0, int(lines.size()) - 1);
            switch (Between(0, 8)) {
            case 0: // a line gone
                lines.removeAt(at);
                break;
            case 1: // a line twice
                lines.insert(at, lines.at(at));
                break;
            case 2: // two lines exchanged
                if (at + 1 < lines.size())
                    lines.swapItemsAt(at, at + 1);
                break;
            case 3: // a placeholder forgotten
                lines[at].remove(kValue);
                break;
            case 4: // another line's key quoted in a comment
                lines[at] += QStringLiteral(" // see ") + Pick(lines);
                break;
            case 5: // the template cut short
                lines = lines.mid(0, at);
                break;
            case 6: // a keyword where a value should be
                lines[at].replace(kValue, QStringLiteral(u"[機種]"));
                break;
            case 7: // an extra placeholder
                lines[at] += kValue;
                break;
            default: // a line moved to the top
                lines.prepend(lines.takeAt(at));
                break;
            }
        }
        return lines;
    }

private:
    int Between(int low, int high) { return int(random_.bounded(low, high + 1)); }
    QString Pick(const QStringList& list) { return list.at(Between(0, int(list.size()) - 1)); }

    QRandomGenerator random_;
};

struct Outcome {
    ModelSourceResult result;
    QList<testsupport::ScriptedPrompter::Prompt> prompts;
};

} // namespace

class TestModelSourceDifferential : public QObject {
    Q_OBJECT

private slots:
    void indexedFillMatchesThePlainFill_data();
    void indexedFillMatchesThePlainFill();
};

void TestModelSourceDifferential::indexedFillMatchesThePlainFill_data() {
    QTest::addColumn<bool>("scrambled");
    QTest::addColumn<int>("cases");
    QTest::newRow("well-formed templates, a little damaged") << false << 3000;
    QTest::newRow("templates of random pieces") << true << 3000;
}

void TestModelSourceDifferential::indexedFillMatchesThePlainFill() {
    QFETCH(bool, scrambled);
    QFETCH(int, cases);
    CapturedReports reports;
    QHash<QString, int> outcomes; // how the cases ended, so that no kind of ending goes untested
    for (int seed = 1; seed <= cases; ++seed) {
        World world;
        Generator generator(quint32(seed) * 7919u + (scrambled ? 1u : 0u));
        generator.Populate(world);
        world.lines = scrambled ? generator.Scrambled(world) : generator.WellFormed(world);

        const auto run = [&](auto&& fill) {
            world.prompter.Clear();
            Outcome outcome{fill(), world.prompter.Prompts()};
            return outcome;
        };
        const Outcome plain = run([&] {
            return PlainFill(world.modes, world.customs, world.okuris, world.messenger)
                .Fill(world.lines, world.model, world.section);
        });
        const int reportsBefore = reports.count();
        const Outcome indexed = run([&] {
            return ModelSourceExport(world.modes, world.customs, world.okuris, world.Context())
                .Fill(vokg::ModelSourceRequest{world.lines, world.model, world.section});
        });

        const QByteArray where =
            QStringLiteral("seed %1:\n%2").arg(seed).arg(world.lines.join(u'\n')).toUtf8();
        QVERIFY2(indexed.result.succeeded == plain.result.succeeded, where.constData());
        QVERIFY2(indexed.result.lines == plain.result.lines, where.constData());
        QVERIFY2(indexed.result.failure == plain.result.failure, where.constData());
        QVERIFY2(indexed.result.warnings == plain.result.warnings, where.constData());
        QCOMPARE(indexed.prompts.size(), plain.prompts.size());
        for (qsizetype i = 0; i < plain.prompts.size(); ++i) {
            QVERIFY2(indexed.prompts.at(i).kind == plain.prompts.at(i).kind, where.constData());
            QVERIFY2(indexed.prompts.at(i).text == plain.prompts.at(i).text, where.constData());
        }
        // A failure without a message was reported through the error log, once, by its step.
        const bool logged = indexed.result.failure && indexed.result.failure->message == 0;
        QCOMPARE(reports.count() - reportsBefore, logged ? 1 : 0);
        if (logged)
            QCOMPARE(reports.procedure(reports.count() - 1), indexed.result.failure->detail);

        const QString ending = indexed.result.succeeded ? (indexed.result.warnings.isEmpty()
                                                               ? QStringLiteral("written")
                                                               : QStringLiteral("written with warnings"))
                                                        : QString::number(indexed.result.failure->message);
        ++outcomes[ending];
    }
    qInfo() << outcomes;
    // Every way a fill can end was met: written, written with a missing block, a missing key, a
    // line without its placeholder and a block cut short by the end of the template.
    for (const QString& ending : {QStringLiteral("82"), QStringLiteral("86"), QStringLiteral("0")})
        QVERIFY2(outcomes.value(ending) > 0, qPrintable(ending));
    if (!scrambled) {
        QVERIFY(outcomes.value(QStringLiteral("written")) > 0);
        QVERIFY(outcomes.value(QStringLiteral("written with warnings")) > 0);
    }
}

QTEST_GUILESS_MAIN(TestModelSourceDifferential)
#include "tst_modelsource_differential.moc"
