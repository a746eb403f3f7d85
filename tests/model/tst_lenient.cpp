#include "hlpkit/RunError.h"
#include "model/LenientNumber.h"

#include <QTest>

#include <optional>

using namespace vokg;

class TestLenient : public QObject {
    Q_OBJECT

private:
    template <class Call> static std::optional<qint64> Rounded(Call&& call) {
        try {
            return call();
        } catch (const hlpkit::RunError& error) {
            if (error.code != hlpkit::Overflow)
                qWarning("unexpected code %d", error.code);
            return std::nullopt;
        }
    }

private slots:
    void leadingNumber_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::newRow("plain") << "300" << 300.0;
        QTest::newRow("leading blanks") << "  \t42" << 42.0;
        QTest::newRow("trailing text") << "12abc" << 12.0;
        QTest::newRow("negative decimal") << "-3.75mm" << -3.75;
        QTest::newRow("plus sign") << "+8" << 8.0;
        QTest::newRow("bare fraction") << ".5" << 0.5;
        QTest::newRow("trailing point") << "7." << 7.0;
        QTest::newRow("exponent") << "1.5E3" << 1500.0;
        QTest::newRow("exponent without digits") << "12E" << 12.0;
        QTest::newRow("hex upper") << "&H1F" << 31.0;
        QTest::newRow("hex lower") << "&hff" << 255.0;
        QTest::newRow("hex word is unsigned") << "&HFFFF" << 65535.0;
        QTest::newRow("hex stops at non-digit") << "&H10G" << 16.0;
        QTest::newRow("hex without digits") << "&H" << 0.0;
        QTest::newRow("a name") << "DB1" << 0.0;
        QTest::newRow("empty") << "" << 0.0;
        QTest::newRow("sign alone") << "-" << 0.0;
        QTest::newRow("second number ignored") << "4 5" << 4.0;
        QTest::newRow("past a double") << "1e400" << qInf();
        QTest::newRow("past a double, negative") << "-1e400x" << -qInf();
    }
    void leadingNumber() {
        QFETCH(QString, text);
        QFETCH(double, value);
        QCOMPARE(LenientValue(text), value);
    }

    void roundsHalfToEven_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<qint64>("int32");
        QTest::addColumn<bool>("fits32");
        QTest::addColumn<qint64>("int16");
        QTest::addColumn<bool>("fits16");
        QTest::newRow("0.5 down") << 0.5 << qint64(0) << true << qint64(0) << true;
        QTest::newRow("1.5 up") << 1.5 << qint64(2) << true << qint64(2) << true;
        QTest::newRow("2.5 down") << 2.5 << qint64(2) << true << qint64(2) << true;
        QTest::newRow("2.51 up") << 2.51 << qint64(3) << true << qint64(3) << true;
        QTest::newRow("-0.5") << -0.5 << qint64(0) << true << qint64(0) << true;
        QTest::newRow("-1.5") << -1.5 << qint64(-2) << true << qint64(-2) << true;
        QTest::newRow("-2.5") << -2.5 << qint64(-2) << true << qint64(-2) << true;
        QTest::newRow("16-bit top") << 32767.4 << qint64(32767) << true << qint64(32767) << true;
        QTest::newRow("16-bit past top") << 32767.5 << qint64(32768) << true << qint64(0) << false;
        QTest::newRow("16-bit bottom") << -32768.5 << qint64(-32768) << true << qint64(-32768) << true;
        QTest::newRow("16-bit past bottom") << -32769.0 << qint64(-32769) << true << qint64(0) << false;
        QTest::newRow("32-bit top") << 2147483647.0 << qint64(2147483647) << true << qint64(0) << false;
        QTest::newRow("32-bit past top") << 2147483647.5 << qint64(0) << false << qint64(0) << false;
        QTest::newRow("32-bit bottom tie")
            << -2147483648.5 << qint64(-2147483648LL) << true << qint64(0) << false;
        QTest::newRow("32-bit past bottom") << -2147483649.0 << qint64(0) << false << qint64(0) << false;
    }
    void roundsHalfToEven() {
        QFETCH(double, value);
        QFETCH(qint64, int32);
        QFETCH(bool, fits32);
        QFETCH(qint64, int16);
        QFETCH(bool, fits16);
        const auto rounded32 = Rounded([&] { return qint64(RoundToInt32(value)); });
        QCOMPARE(rounded32.has_value(), fits32);
        if (fits32)
            QCOMPARE(*rounded32, int32);
        const auto rounded16 = Rounded([&] { return qint64(RoundToInt16(value)); });
        QCOMPARE(rounded16.has_value(), fits16);
        if (fits16)
            QCOMPARE(*rounded16, int16);
    }

    void parsesThenRounds() {
        QCOMPARE(LenientInt32(QStringLiteral("12.5kg")), 12);
        QCOMPARE(LenientInt32(QStringLiteral("13.5")), 14);
        QCOMPARE(LenientInt16(QStringLiteral("&H7FFF")), qint16(32767));
        QVERIFY(!Rounded([] { return qint64(LenientInt16(QStringLiteral("&H8000"))); }));
        QVERIFY(!Rounded([] { return qint64(LenientInt32(QStringLiteral("99999999999"))); }));
        QVERIFY(!Rounded([] { return qint64(LenientInt32(QStringLiteral("1e400"))); }));
    }

    // A whole typed value: the whole text is the number, and it fits; nothing becomes 0.
    void exactWholeNumber_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<qint32>("value");
        QTest::newRow("plain") << "7" << true << 7;
        QTest::newRow("blanks around") << " -12 " << true << -12;
        QTest::newRow("tie to even") << "2.5" << true << 2;
        QTest::newRow("hex") << "&HFF" << true << 255;
        QTest::newRow("exponent") << "1.5e2" << true << 150;
        QTest::newRow("32-bit top") << "2147483647" << true << 2147483647;
        QTest::newRow("past 32 bits") << "4294967296" << false << 0;
        QTest::newRow("past a double") << "1e400" << false << 0;
        QTest::newRow("an equals sign first") << "=5" << false << 0;
        QTest::newRow("number then text") << "5x" << false << 0;
        QTest::newRow("empty") << "" << false << 0;
    }
    void exactWholeNumber() {
        QFETCH(QString, text);
        QFETCH(bool, valid);
        QFETCH(qint32, value);
        const std::optional<qint32> number = ExactInt32(text);
        QCOMPARE(number.has_value(), valid);
        if (valid)
            QCOMPARE(*number, value);
    }

    void numericTest_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("numeric");
        QTest::newRow("integer") << "120" << true;
        QTest::newRow("blanks around") << " -5 " << true;
        QTest::newRow("decimal") << "0.25" << true;
        QTest::newRow("exponent") << "1e3" << true;
        QTest::newRow("hex") << "&H1A" << true;
        QTest::newRow("digital name") << "DB1" << false;
        QTest::newRow("number then text") << "12abc" << false;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("blank") << "  " << false;
        QTest::newRow("hex prefix alone") << "&H" << false;
        QTest::newRow("point alone") << "." << false;
        QTest::newRow("sign alone") << "+" << false;
        QTest::newRow("two numbers") << "1 2" << false;
        QTest::newRow("past a double") << "1e400" << true;
    }
    void numericTest() {
        QFETCH(QString, text);
        QFETCH(bool, numeric);
        QCOMPARE(IsNumeric(text), numeric);
    }
};

QTEST_GUILESS_MAIN(TestLenient)
#include "tst_lenient.moc"
