#include "hlpkit/CMethod.h"
#include "model/CSelectTable.h"
#include "shell/messages/Messages.h"
#include "tests/support/ScriptedPrompter.h"
#include "tests/support/TableBuilder.h"

#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using testsupport::TableBuilder;
using vokg::CSelectTable;

namespace {

struct LoggedError {
    QString procName;
    int code;
};

QByteArray Hex(const char* hex) {
    return QByteArray::fromHex(hex);
}

QDateTime At(int year, int month, int day, int hour, int minute, int second) {
    return QDateTime(QDate(year, month, day), QTime(hour, minute, second));
}

// Author "QQQQQQQQQQQQQQQQ" stamped 59:59 (key 28): every text byte is 242 - 'Q' + 28 = 0xBD, the
// stamp "5959" is stored as 245 - '5' = 0xC0 and 245 - '9' = 0xBC.
const char* const kAuthorQ = "BDBDBDBDBDBDBDBDBDBDBDBDBDBDBDBD"
                             "C0BCC0BC";
// Password "PW" stamped 1999-12-31 (key 1+2+3+1 = 7; the year is not part of it): 'P' -> 0xA9,
// 'W' -> 0xA2, six zero bytes, then 245 - each digit of "19991231".
const char* const kPasswordPW = "A9A2000000000000"
                                "C4BCBCBCC4C3C2C4";

} // namespace

class TestSelectTable : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir_;
    testsupport::ScriptedPrompter prompter_;
    vokg::Messenger messenger_{prompter_, QStringLiteral("VOKG_SET")};
    hlpkit::CMethod method_;
    QList<LoggedError> errors_;

    vokg::ModelContext Context() { return {method_, messenger_}; }

    static QList<qsizetype> ChangedOffsets(const QByteArray& before, const QByteArray& after) {
        QList<qsizetype> changed;
        for (qsizetype i = 0; i < before.size(); ++i)
            if (before.at(i) != after.at(i))
                changed.append(i);
        return changed;
    }

private slots:
    void initTestCase() {
        QVERIFY(dir_.isValid());
        hlpkit::CMethod::SetLogFolder(dir_.path());
        hlpkit::CMethod::SetErrorBox([this](const QString&, const QString& text) {
            const QRegularExpressionMatch code =
                QRegularExpression(QStringLiteral("\\[ErrCode\\] (\\d+)")).match(text);
            errors_.append({text.section(QStringLiteral("\r\n"), 0, 0), code.captured(1).toInt()});
        });
    }
    void cleanupTestCase() { hlpkit::CMethod::ResetErrorBox(); }
    void init() { errors_.clear(); }

    void encodesByTheStamp_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("author");
        QTest::addColumn<QDateTime>("now");
        QTest::addColumn<QByteArray>("field");
        // Key 0+3+1+5 = 9: 'A' -> 186, 'B' -> 185, '1' -> 202; five zero bytes; "20240315" mirrored.
        QTest::newRow("3-char password") << "AB1" << false << At(2024, 3, 15, 12, 34, 56)
                                         << Hex("BAB9CA0000000000"
                                                "C3C5C3C1C5C2C4C0");
        QTest::newRow("password PW") << "PW" << false << At(1999, 12, 31, 8, 0, 0) << Hex(kPasswordPW);
        QTest::newRow("16-char author")
            << "QQQQQQQQQQQQQQQQ" << true << At(2001, 1, 1, 7, 59, 59) << Hex(kAuthorQ);
        // Key 3+4+5+6 = 18: 'A' -> 195 ... 'P' -> 180; the 17th character is dropped.
        QTest::newRow("17-char author keeps 16") << "ABCDEFGHIJKLMNOPQ" << true << At(2024, 3, 15, 12, 34, 56)
                                                 << Hex("C3C2C1C0BFBEBDBCBBBAB9B8B7B6B5B4"
                                                        "C2C1C0BF");
    }
    void encodesByTheStamp() {
        QFETCH(QString, text);
        QFETCH(bool, author);
        QFETCH(QDateTime, now);
        QFETCH(QByteArray, field);
        const std::optional<QByteArray> encoded = CSelectTable::EncodeWord(text, author, now);
        QVERIFY(encoded);
        QCOMPARE(encoded->toHex(), field.toHex());
        CSelectTable header(Context());
        QCOMPARE(header.DecodeWord(*encoded, author), text.left(author ? 16 : 8));
        QVERIFY(errors_.isEmpty());
    }

    void decodes_data() {
        QTest::addColumn<QByteArray>("field");
        QTest::addColumn<bool>("author");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("damaged");
        // Reading the key one byte early (text byte 16 instead of the stamp) would give 'P's.
        QTest::newRow("key from the stamp only") << Hex(kAuthorQ) << true << "QQQQQQQQQQQQQQQQ" << false;
        // Summing the year digits too would give key 35 instead of 7.
        QTest::newRow("password key from month and day") << Hex(kPasswordPW) << false << "PW" << false;
        QTest::newRow("stops at the first zero") << Hex("BDBD00BDBDBDBDBDBDBDBDBDBDBDBDBD"
                                                        "C0BCC0BC")
                                                 << true << "QQ" << false;
        QTest::newRow("all-zero author") << QByteArray(20, '\0') << true << "" << false;
        QTest::newRow("all-zero password") << QByteArray(16, '\0') << false << "" << false;
        QTest::newRow("byte below the key") << Hex("05000000000000000000000000000000"
                                                   "C0BCC0BC")
                                            << true << "" << true;
        QTest::newRow("result below zero") << Hex("FF00000000000000"
                                                  "C5C5C5C5C5C5C5C5")
                                           << false << "" << true;
        // Key 0 (stamp 0000): F1 is the control character 01, which a save at 12:34 could not
        // scramble back (242 - 1 + 18 passes 255).
        QTest::newRow("a control character") << Hex("F1000000000000000000000000000000"
                                                    "C5C5C5C5")
                                             << true << "" << true;
        QTest::newRow("stamp is no digit")
            << Hex("BDBD000000000000000000000000000000000000") << true << "" << true;
        QTest::newRow("field too short") << Hex("BDBD") << true << "" << true;
    }
    void decodes() {
        QFETCH(QByteArray, field);
        QFETCH(bool, author);
        QFETCH(QString, text);
        QFETCH(bool, damaged);
        CSelectTable header(Context());
        QCOMPARE(header.DecodeWord(field, author), text);
        QCOMPARE(errors_.size(), damaged ? 1 : 0);
        if (damaged)
            QCOMPARE(errors_.first().procName, QStringLiteral("DecodeWord"));
    }

    void doubleByteCharacterIsNeverHalved_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("author");
        QTest::addColumn<QString>("kept");
        const QString a = QString::fromUtf8("あ"); // two bytes, 82 A0
        QTest::newRow("author: cut would split it") << "ABCDEFGHIJKLMNO" + a << true << "ABCDEFGHIJKLMNO";
        QTest::newRow("author: fits whole") << "ABCDEFGHIJKLMN" + a << true << "ABCDEFGHIJKLMN" + a;
        QTest::newRow("password: cut would split it") << "ABCDEFG" + a << false << "ABCDEFG";
        QTest::newRow("password: fits whole") << "ABCDEF" + a + "Z" << false << "ABCDEF" + a;
    }
    void doubleByteCharacterIsNeverHalved() {
        QFETCH(QString, text);
        QFETCH(bool, author);
        QFETCH(QString, kept);
        const std::optional<QByteArray> field =
            CSelectTable::EncodeWord(text, author, At(2020, 1, 1, 0, 0, 0));
        QVERIFY(field);
        QCOMPARE(field->size(), author ? 20 : 16);
        CSelectTable header(Context());
        QCOMPARE(header.DecodeWord(*field, author), kept);
        QVERIFY(errors_.isEmpty());
    }

    void unencodableTextsFail_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("author");
        QTest::newRow("byte above 242") << QString(QChar(0xE234)) << true;      // code page bytes F3 40
        QTest::newRow("scrambled past 255") << QStringLiteral("A\x01") << true; // 242 - 1 + 28
        QTest::newRow("no code page form") << QString(QChar(0x0E01)) << false;
    }
    void unencodableTextsFail() {
        QFETCH(QString, text);
        QFETCH(bool, author);
        QVERIFY(!CSelectTable::EncodeWord(text, author, At(2020, 9, 29, 10, 59, 59)));
    }

    void readsTheChosenTable() {
        TableBuilder builder(3);
        builder.FillPattern()
            .Bytes(2, 4031, Hex(kAuthorQ))
            .Bytes(2, 4051, Hex(kPasswordPW))
            .Bytes(3, 4031, QByteArray(36, '\0'));
        const QString path = dir_.filePath(QStringLiteral("three.dsg"));
        QVERIFY(builder.WriteTo(path));

        CSelectTable header(Context());
        QVERIFY(header.ReadData(path, 0, 2));
        QCOMPARE(header.Author(), QStringLiteral("QQQQQQQQQQQQQQQQ"));
        QCOMPARE(header.Password(), QStringLiteral("PW"));
        QVERIFY(header.ReadData2(path, 0, 3));
        QCOMPARE(header.Author2(), QString());
        QCOMPARE(header.Password2(), QString());
        QCOMPARE(header.Author(), QStringLiteral("QQQQQQQQQQQQQQQQ"));
        QVERIFY(errors_.isEmpty());

        // A table past the end, a missing file or no table at all change nothing.
        QVERIFY(!header.ReadData(path, 0, 4));
        QVERIFY(!header.ReadData2(dir_.filePath(QStringLiteral("none.dsg")), 0, 1));
        QVERIFY(!header.ReadData(path, 0, 0));
        QCOMPARE(header.Author(), QStringLiteral("QQQQQQQQQQQQQQQQ"));
        QCOMPARE(header.Password(), QStringLiteral("PW"));
        QCOMPARE(errors_.size(), 3);
        QCOMPARE(errors_.at(0).procName, QStringLiteral("ReadData"));
        QCOMPARE(errors_.at(0).code, 62);
        QCOMPARE(errors_.at(1).procName, QStringLiteral("ReadData2"));
        QCOMPARE(errors_.at(1).code, 53);
    }

    void savesTheHeaderInPlace() {
        TableBuilder builder(2);
        builder.FillPattern();
        CSelectTable header(Context());
        header.SetAuthor(QStringLiteral("Tanaka"));
        header.SetPassword(QStringLiteral("PW"));
        header.SetAuthor2(QStringLiteral("Other"));
        const QDateTime now = At(1999, 12, 31, 23, 59, 59);

        QByteArray image = builder.Image();
        QVERIFY(header.SaveHeader(image, false, 8193, now));
        QCOMPARE(image, builder.Image());

        QVERIFY(header.SaveHeader(image, true, 8193, now));
        const qsizetype start = 8192 + 4031;
        for (qsizetype changed : ChangedOffsets(builder.Image(), image))
            QVERIFY(changed >= start && changed < start + 36);
        QCOMPARE(image.mid(start + 20, 16).toHex(), QByteArray(kPasswordPW).toLower());
        QCOMPARE(header.DecodeWord(image.mid(start, 20), true), QStringLiteral("Tanaka"));

        header.SetAuthor(QString());
        header.SetPassword(QString());
        QVERIFY(header.SaveHeader(image, true, 8193, now));
        QCOMPARE(image.mid(start, 36), QByteArray(36, '\0'));
        QVERIFY(errors_.isEmpty());
    }

    void failedHeaderSaveWritesNothing() {
        QByteArray image = TableBuilder(1).FillPattern().Image();
        const QByteArray before = image;
        CSelectTable header(Context());
        header.SetAuthor(QStringLiteral("A\x01"));
        header.SetPassword(QStringLiteral("GOOD"));
        QVERIFY(!header.SaveHeader(image, true, 1, At(2020, 1, 1, 0, 59, 59)));
        QCOMPARE(image, before);
        header.SetAuthor(QStringLiteral("Fine"));
        header.SetPassword(QString(QChar(0xE234)));
        QVERIFY(!header.SaveHeader(image, true, 1, At(2020, 1, 1, 0, 59, 59)));
        QCOMPARE(image, before);
        QVERIFY(!header.SaveHeader(image, true, 8193, At(2020, 1, 1, 0, 0, 0))); // no second table
        QCOMPARE(image, before);
        QCOMPARE(errors_.size(), 3);
        for (const LoggedError& error : errors_)
            QCOMPARE(error.procName, QStringLiteral("SaveHeader"));
        QCOMPARE(errors_.first().code, 6);
    }

    // One damaged byte makes a field undecodable. The table reads, the damage is reported once,
    // and the next save writes the field back byte for byte: a damaged password never becomes
    // no password. The field that decodes is saved as usual.
    void damagedFieldsAreKeptAsStored_data() {
        QTest::addColumn<QByteArray>("author");
        QTest::addColumn<QByteArray>("password");
        QTest::addColumn<bool>("authorDamaged");
        QTest::addColumn<bool>("passwordDamaged");
        const QByteArray author = Hex(kAuthorQ);
        const QByteArray password = Hex(kPasswordPW);
        QByteArray badStamp = password;
        badStamp[15] = char(0xFF); // a stamp byte that is no digit
        QByteArray belowKey = author;
        belowKey[0] = char(0x01); // below the key 28
        // The second text byte decodes to 0x82, a lead byte with nothing after it: no text.
        QByteArray halfCharacter = password;
        halfCharacter[1] = char(242 - 0x82 + 7);
        QTest::newRow("password stamp") << author << badStamp << false << true;
        QTest::newRow("author byte below the key") << belowKey << password << true << false;
        QTest::newRow("password ends in half a character") << author << halfCharacter << false << true;
        QTest::newRow("both") << belowKey << badStamp << true << true;
        QByteArray controlCharacter = password;
        controlCharacter[0] = char(242 - 0x1B + 7); // ESC under the key 7
        QTest::newRow("password holds a control character") << author << controlCharacter << false << true;
    }
    void damagedFieldsAreKeptAsStored() {
        QFETCH(QByteArray, author);
        QFETCH(QByteArray, password);
        QFETCH(bool, authorDamaged);
        QFETCH(bool, passwordDamaged);
        TableBuilder builder(2);
        builder.FillPattern().Bytes(1, 4031, author).Bytes(1, 4051, password);
        const QString path = dir_.filePath(QStringLiteral("damaged.dsg"));
        QVERIFY(builder.WriteTo(path));

        CSelectTable header(Context());
        QVERIFY(header.ReadData(path, 0, 1));
        QCOMPARE(errors_.size(), 1);
        QCOMPARE(errors_.first().procName, QStringLiteral("ReadData"));
        QCOMPARE(errors_.first().code, 5);
        QCOMPARE(header.Author(), authorDamaged ? QString() : QStringLiteral("QQQQQQQQQQQQQQQQ"));
        QCOMPARE(header.Password(), passwordDamaged ? QString() : QStringLiteral("PW"));
        QVERIFY(header.IsProtected());

        // Saved into table 2, and again after the texts shown were set back unchanged.
        const QDateTime now = At(2001, 2, 3, 4, 5, 6);
        for (int round = 0; round < 2; ++round) {
            QByteArray image = builder.Image();
            QVERIFY(header.SaveHeader(image, true, 8193, now));
            const QByteArray savedAuthor = image.mid(8192 + 4031, 20);
            const QByteArray savedPassword = image.mid(8192 + 4051, 16);
            if (authorDamaged)
                QCOMPARE(savedAuthor.toHex(), author.toHex());
            else
                QCOMPARE(header.DecodeWord(savedAuthor, true), QStringLiteral("QQQQQQQQQQQQQQQQ"));
            if (passwordDamaged)
                QCOMPARE(savedPassword.toHex(), password.toHex());
            else
                QCOMPARE(header.DecodeWord(savedPassword, false), QStringLiteral("PW"));
            header.SetAuthor(header.Author());
            header.SetPassword(header.Password());
        }
        QCOMPARE(errors_.size(), 1);

        // A new password replaces the damaged one; so does a new author.
        header.SetPassword(QStringLiteral("NEW"));
        header.SetAuthor(QStringLiteral("Sato"));
        QByteArray image = builder.Image();
        QVERIFY(header.SaveHeader(image, true, 1, now));
        QCOMPARE(header.DecodeWord(image.mid(4031, 20), true), QStringLiteral("Sato"));
        QCOMPARE(header.DecodeWord(image.mid(4051, 16), false), QStringLiteral("NEW"));
        QCOMPARE(errors_.size(), 1);
    }

    void peekPasswordReportsNothing() {
        TableBuilder builder(2);
        QByteArray badStamp = Hex(kPasswordPW);
        badStamp[15] = char(0xFF);
        builder.FillPattern().Bytes(1, 4051, Hex(kPasswordPW)).Bytes(2, 4051, badStamp);
        const QString path = dir_.filePath(QStringLiteral("peek.dsg"));
        QVERIFY(builder.WriteTo(path));
        QCOMPARE(CSelectTable::PeekPassword(path, 1), QStringLiteral("PW"));
        QCOMPARE(CSelectTable::PeekPassword(path, 2), std::nullopt);
        QCOMPARE(CSelectTable::PeekPassword(path, 3), std::nullopt);
        QCOMPARE(CSelectTable::PeekPassword(dir_.filePath(QStringLiteral("none.dsg")), 1), std::nullopt);
        QVERIFY(errors_.isEmpty());
    }

    void remembersTheLastTablePerKindOfFile() {
        CSelectTable header(Context());
        QCOMPARE(header.LastTable(true), 0);
        QCOMPARE(header.LastTable(false), 0);
        header.RememberTable(true, 3);
        header.RememberTable(false, 12);
        QCOMPARE(header.LastTable(true), 3);
        QCOMPARE(header.LastTable(false), 12);
    }
};

QTEST_GUILESS_MAIN(TestSelectTable)
#include "tst_selecttable.moc"
