#include "hlpkit/CMethod.h"
#include "shell/messages/ByteOrder.h"
#include "shell/messages/FormUnload.h"
#include "shell/messages/Messages.h"
#include "shell/messages/SharedProcedures.h"
#include "shell/messages/gui/PictureSet.h"
#include "tests/support/CapturedReports.h"
#include "tests/support/ScriptedPrompter.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <climits>

using platform::Answer;

class SharedProceduresTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void dutyPercent_data();
    void dutyPercent();
    void dutyPercentOfNothingIsReported();
    void dutyPercentThatDoesNotFitIsReported();
    void findInArray_data();
    void findInArray();
    void columnLetter_data();
    void columnLetter();
    void excelHeader();
    void byteOrderRoundTrips_data();
    void byteOrderRoundTrips();
    void byteOrderInsideBuffers();
    void deletesFileWhenItExists();
    void formUnloadDecisions_data();
    void formUnloadDecisions();
    void picturesById_data();
    void picturesById();
};

void SharedProceduresTest::dutyPercent_data() {
    QTest::addColumn<int>("on");
    QTest::addColumn<int>("off");
    QTest::addColumn<int>("percent");
    QTest::newRow("1/2") << 1 << 2 << 33;
    QTest::newRow("2/1") << 2 << 1 << 66;
    QTest::newRow("0/5") << 0 << 5 << 0;
    QTest::newRow("full output") << 1 << 0 << 100;
    QTest::newRow("8 percent code") << 20 << 220 << 8;
    QTest::newRow("manual 3ms/5ms") << 30 << 50 << 37;
    QTest::newRow("29 of 100 stays 29") << 29 << 71 << 29;
    QTest::newRow("largest times") << 65535 << 65535 << 50;
    QTest::newRow("large sum does not overflow") << INT_MAX << INT_MAX << 50;
    QTest::newRow("negative truncates toward zero") << -1 << 4 << -33;
}

void SharedProceduresTest::dutyPercent() {
    QFETCH(int, on);
    QFETCH(int, off);
    QFETCH(int, percent);
    CapturedReports reports;
    hlpkit::CMethod method;
    QCOMPARE(vokg::GetDutyPercent(on, off, method), percent);
    QCOMPARE(reports.count(), 0);
}

void SharedProceduresTest::dutyPercentOfNothingIsReported() {
    CapturedReports reports;
    hlpkit::CMethod method;
    QCOMPARE(vokg::GetDutyPercent(0, 0, method), 0);
    QCOMPARE(vokg::GetDutyPercent(5, -5, method), 0);
    QCOMPARE(reports.count(), 2);
    QCOMPARE(reports.procedure(0), QStringLiteral("GetDutyPercent"));
    QVERIFY(reports.boxes().at(0).text.contains(QStringLiteral("Division by zero")));
    QVERIFY(reports.boxes().at(0).text.contains(QStringLiteral("[ErrCode] 11")));
}

void SharedProceduresTest::dutyPercentThatDoesNotFitIsReported() {
    CapturedReports reports;
    hlpkit::CMethod method;
    QCOMPARE(vokg::GetDutyPercent(INT_MAX, 1 - INT_MAX, method), 0);
    QCOMPARE(reports.count(), 1);
    QVERIFY(reports.boxes().at(0).text.contains(QStringLiteral("[ErrCode] 6")));
}

void SharedProceduresTest::findInArray_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("index");
    QTest::newRow("substring, not only equal") << QStringLiteral("gus_x_l1_") << 0 << 1;
    QTest::newRow("case-sensitive") << QStringLiteral("GUS_X_L1_") << 0 << -1;
    QTest::newRow("start skips earlier lines") << QStringLiteral("[値]") << 2 << 3;
    QTest::newRow("start on the hit") << QStringLiteral("[値]") << 1 << 1;
    QTest::newRow("start 0 is the first line") << QStringLiteral("/*") << 0 << 0;
    QTest::newRow("start past the end") << QStringLiteral("[値]") << 9 << -1;
    QTest::newRow("absent") << QStringLiteral("gst_out_O1_") << 0 << -1;
    QTest::newRow("negative start reads from the top") << QStringLiteral("/*") << -3 << 0;
}

void SharedProceduresTest::findInArray() {
    QFETCH(QString, text);
    QFETCH(int, start);
    QFETCH(int, index);
    const QStringList lines{QStringLiteral("/* model [機種] */"), QStringLiteral("gus_x_l1_[] = { [値] };"),
                            QStringLiteral("gst_out_O10_"), QStringLiteral("    [値], /* [WIP] */")};
    QCOMPARE(vokg::FindInArray(text, lines, start), index);
}

void SharedProceduresTest::columnLetter_data() {
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("letters");
    QTest::newRow("1") << 1 << QStringLiteral("A");
    QTest::newRow("14") << 14 << QStringLiteral("N");
    QTest::newRow("26") << 26 << QStringLiteral("Z");
    QTest::newRow("27") << 27 << QStringLiteral("AA");
    QTest::newRow("52") << 52 << QStringLiteral("AZ");
    QTest::newRow("703") << 703 << QStringLiteral("AAA");
    QTest::newRow("0") << 0 << QString();
    QTest::newRow("negative") << -4 << QString();
}

void SharedProceduresTest::columnLetter() {
    QFETCH(int, n);
    QFETCH(QString, letters);
    QCOMPARE(vokg::ColumnLetter(n), letters);
}

void SharedProceduresTest::excelHeader() {
    QCOMPARE(vokg::MakeExcelHeader(true, QStringLiteral("MODEL1"), QStringLiteral("1.00"), 3),
             QStringLiteral("&10Filename=[&F]  Name of machine=[MODEL1]  Data version=[1.00]  TableNo=[3]  "
                            "(&P/&NPage)  &D &T"));
    QCOMPARE(
        vokg::MakeExcelHeader(false, QStringLiteral("MODEL1"), QStringLiteral("1.00"), 8),
        QStringLiteral("&10Name of machine=[MODEL1]  Data version=[1.00]  TableNo=[8]  (&P/&NPage)  &D &T"));
    // An ampersand of the model must print as itself, not start a header code.
    QVERIFY(vokg::MakeExcelHeader(false, QStringLiteral("A&B"), QString(), 1)
                .contains(QStringLiteral("=[A&&B]")));
}

void SharedProceduresTest::byteOrderRoundTrips_data() {
    QTest::addColumn<quint32>("value");
    QTest::newRow("0") << 0u;
    QTest::newRow("300") << 300u;
    QTest::newRow("0x8000") << 0x8000u;
    QTest::newRow("0xFFFF") << 0xFFFFu;
    QTest::newRow("0x12345678") << 0x12345678u;
    QTest::newRow("0xFFFFFFFF") << 0xFFFFFFFFu;
}

void SharedProceduresTest::byteOrderRoundTrips() {
    QFETCH(quint32, value);
    const auto word = static_cast<std::uint16_t>(value & 0xFFFF);
    const auto pair = vokg::ToBigEndian16(word);
    QCOMPARE(vokg::FromBigEndian16(pair[0], pair[1]), word);
    QCOMPARE(pair[0], static_cast<std::uint8_t>(word >> 8));
    QCOMPARE(vokg::FromBigEndian32(vokg::ToBigEndian32(value)), value);
    QCOMPARE(vokg::ToBigEndian32(value)[0], static_cast<std::uint8_t>(value >> 24));
    QCOMPARE(vokg::SwapBytes16(vokg::SwapBytes16(word)), word);
    QCOMPARE(vokg::SwapBytes32(vokg::SwapBytes32(value)), value);
}

void SharedProceduresTest::byteOrderInsideBuffers() {
    QCOMPARE(vokg::FromBigEndian16(0x01, 0x2C), 300);
    QCOMPARE(vokg::SwapBytes16(0x012C), 0x2C01);
    QCOMPARE(vokg::SwapBytes32(0x11223344u), 0x44332211u);

    QByteArray data(6, '\0');
    QVERIFY(vokg::WriteBigEndian16(data, 1, 40000));
    QCOMPARE(data, QByteArray::fromHex("009c40000000"));
    QCOMPARE(vokg::ReadBigEndian16(data, 1), std::optional<std::uint16_t>(40000));
    QVERIFY(vokg::WriteBigEndian32(data, 2, 0xA1B2C3D4u));
    QCOMPARE(data, QByteArray::fromHex("009ca1b2c3d4"));
    QCOMPARE(vokg::ReadBigEndian32(data, 2), std::optional<std::uint32_t>(0xA1B2C3D4u));

    // A word that would run past either end is refused and the buffer stays as it was.
    const QByteArray before = data;
    QVERIFY(!vokg::WriteBigEndian16(data, 5, 1));
    QVERIFY(!vokg::WriteBigEndian32(data, 3, 1));
    QVERIFY(!vokg::WriteBigEndian16(data, -1, 1));
    QCOMPARE(data, before);
    QVERIFY(!vokg::ReadBigEndian16(data, 5).has_value());
    QVERIFY(!vokg::ReadBigEndian32(data, -1).has_value());
}

void SharedProceduresTest::deletesFileWhenItExists() {
    CapturedReports reports;
    hlpkit::CMethod method;
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("gsetusr.tmp"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("x");
    file.close();

    QVERIFY(vokg::df(method, path));
    QVERIFY(!QFile::exists(path));
    QVERIFY(vokg::df(method, path)); // already gone: no error
    QCOMPARE(reports.count(), 0);

    // A folder of that name is not a file to delete: reported, and left alone.
    QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("Set01.e")));
    QVERIFY(!vokg::df(method, folder.filePath(QStringLiteral("Set01.e"))));
    QVERIFY(QFileInfo(folder.filePath(QStringLiteral("Set01.e"))).isDir());
    QCOMPARE(reports.count(), 1);
    QCOMPARE(reports.procedure(0), QStringLiteral("df"));
}

void SharedProceduresTest::formUnloadDecisions_data() {
    QTest::addColumn<bool>("busy");
    QTest::addColumn<bool>("changed");
    QTest::addColumn<Answer>("answer");
    QTest::addColumn<bool>("saveSucceeds");
    QTest::addColumn<int>("questions");
    QTest::addColumn<int>("saves");
    QTest::addColumn<vokg::FormUnloadResult>("result");
    using R = vokg::FormUnloadResult;
    QTest::newRow("no changes") << false << false << Answer::Yes << true << 0 << 0 << R::Close;
    QTest::newRow("busy main window") << true << true << Answer::Yes << true << 0 << 0 << R::Close;
    QTest::newRow("yes saves") << false << true << Answer::Yes << true << 1 << 1 << R::CloseAfterSave;
    QTest::newRow("yes, save fails") << false << true << Answer::Yes << false << 1 << 1 << R::Cancel;
    QTest::newRow("no drops") << false << true << Answer::No << true << 1 << 0 << R::CloseWithoutSaving;
    QTest::newRow("cancel stays") << false << true << Answer::Cancel << true << 1 << 0 << R::Cancel;
}

void SharedProceduresTest::formUnloadDecisions() {
    QFETCH(bool, busy);
    QFETCH(bool, changed);
    QFETCH(Answer, answer);
    QFETCH(bool, saveSucceeds);
    QFETCH(int, questions);
    QFETCH(int, saves);
    QFETCH(vokg::FormUnloadResult, result);

    testsupport::ScriptedPrompter prompter;
    prompter.QueueAnswer(answer);
    vokg::Messenger messenger(prompter, QStringLiteral("VOKG_SET"));
    int saveCalls = 0;
    const vokg::FormUnloadRequest request{busy, changed, QStringLiteral("Standard input"), [&] {
                                              ++saveCalls;
                                              return saveSucceeds;
                                          }};
    const vokg::FormUnloadResult decision = vokg::Form_Unload(messenger, request);
    QCOMPARE(decision, result);
    QCOMPARE(vokg::CancelsUnload(decision), result == vokg::FormUnloadResult::Cancel);
    QCOMPARE(saveCalls, saves);
    QCOMPARE(prompter.Prompts().size(), questions);
    if (questions > 0) {
        QCOMPARE(prompter.Prompts().first().kind, 6);
        QCOMPARE(prompter.Prompts().first().text,
                 QStringLiteral("Data is chaneged on this window. Do you save it ?\n\nStandard input"));
    }
}

void SharedProceduresTest::picturesById_data() {
    QTest::addColumn<int>("id");
    QTest::addColumn<bool>("exists");
    QTest::addColumn<vokg::PictureKind>("kind");
    QTest::addColumn<int>("size");
    using K = vokg::PictureKind;
    QTest::newRow("bitmap 190 open") << 190 << true << K::Bitmap << 16;
    QTest::newRow("bitmap 194 save") << 194 << true << K::Bitmap << 16;
    QTest::newRow("bitmap 110 close") << 110 << true << K::Bitmap << 16;
    QTest::newRow("bitmap 196 print") << 196 << true << K::Bitmap << 16;
    QTest::newRow("tree parent") << vokg::PictureId::TreeParentBitmap << true << K::Bitmap << 16;
    QTest::newRow("tree red") << vokg::PictureId::TreeArrowRedBitmap << true << K::Bitmap << 16;
    QTest::newRow("tree blue") << vokg::PictureId::TreeArrowBlueBitmap << true << K::Bitmap << 16;
    QTest::newRow("tree chosen") << vokg::PictureId::TreeArrowChosenBitmap << true << K::Bitmap << 16;
    QTest::newRow("icon 7") << 7 << true << K::Icon << 32;
    QTest::newRow("icon 3 feed window") << 3 << true << K::Icon << 32;
    QTest::newRow("icon 1 main window") << 1 << true << K::Icon << 32;
    QTest::newRow("cursor 201") << 201 << true << K::Cursor << 32;
    QTest::newRow("350 gives nothing") << 350 << false << K::Icon << 0;
    QTest::newRow("icon id without picture") << 42 << false << K::Icon << 0;
    QTest::newRow("bitmap id without picture") << 191 << false << K::Bitmap << 0;
    QTest::newRow("negative") << -7 << false << K::Icon << 0;
}

void SharedProceduresTest::picturesById() {
    QFETCH(int, id);
    QFETCH(bool, exists);
    QFETCH(vokg::PictureKind, kind);
    QFETCH(int, size);
    const std::optional<vokg::Picture> picture = vokg::LoadPictureById(id);
    QCOMPARE(picture.has_value(), exists);
    if (!exists)
        return;
    QCOMPARE(picture->kind, kind);
    QCOMPARE(picture->id, id);
    QCOMPARE(picture->image.size(), QSize(size, size));
    // Something is drawn: not every pixel is transparent.
    bool drawn = false;
    for (int y = 0; y < size && !drawn; ++y)
        for (int x = 0; x < size && !drawn; ++x)
            drawn = qAlpha(picture->image.pixel(x, y)) != 0;
    QVERIFY(drawn);
    QVERIFY(!vokg::ToIcon(*picture).isNull());
}

QTEST_MAIN(SharedProceduresTest)
#include "tst_shared_procedures.moc"
