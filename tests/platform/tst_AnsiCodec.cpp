#include "platform/AnsiCodec.h"

#include <QTest>

using platform::AnsiCodec;

class TestAnsiCodec : public QObject {
    Q_OBJECT

private slots:
    void roundTrips_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("bracketed value") << QString::fromUtf8("[値]") << QByteArray("[\x92\x6c]");
        QTest::newRow("special") << QString::fromUtf8("特殊") << QByteArray("\x93\xc1\x8e\xea");
        QTest::newRow("maker (katakana, long vowel)")
            << QString::fromUtf8("メーカー") << QByteArray("\x83\x81\x81\x5b\x83\x4a\x81\x5b");
        QTest::newRow("backslash stays a backslash")
            << QStringLiteral("C:\\dir\\") << QByteArray("C:\\dir\\");
        QTest::newRow("tilde stays a tilde") << QStringLiteral("~1") << QByteArray("~1");
        // 0x5C as the second byte of a double-byte character is not a backslash.
        QTest::newRow("trail byte 0x5C") << QString::fromUtf8("ソ表") << QByteArray("\x83\x5c\x95\x5c");
        QTest::newRow("half-width katakana") << QString::fromUtf8("ｱｲｳ") << QByteArray("\xb1\xb2\xb3");
        QTest::newRow("NEC row 13") << QString::fromUtf8("①㈱") << QByteArray("\x87\x40\x87\x8a");
        QTest::newRow("mixed with tabs")
            << QString::fromUtf8("1\t速度\tmm\r\n") << QByteArray("1\t\x91\xac\x93\x78\tmm\r\n");
        QTest::newRow("empty") << QString() << QByteArray();
    }
    void roundTrips() {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        QCOMPARE(AnsiCodec::Decode(bytes), text);
        const auto encoded = AnsiCodec::EncodeStrict(text);
        QVERIFY(encoded.has_value());
        QCOMPARE(*encoded, bytes);
        QCOMPARE(AnsiCodec::Encode(text), bytes);
    }

    void strictEncodingFailsOnMissingCharacters_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("lossy");
        QTest::newRow("emoji (surrogate pair)") << QString::fromUtf8("a😀b") << QByteArray("a?b");
        QTest::newRow("hangul") << QString::fromUtf8("値한") << QByteArray("\x92\x6c?");
        QTest::newRow("lone high surrogate") << (QStringLiteral("x") + QChar(0xD800)) << QByteArray("x?");
        QTest::newRow("euro sign") << QString::fromUtf8("5€") << QByteArray("5?");
    }
    void strictEncodingFailsOnMissingCharacters() {
        QFETCH(QString, text);
        QFETCH(QByteArray, lossy);
        QVERIFY(!AnsiCodec::EncodeStrict(text).has_value());
        QCOMPARE(AnsiCodec::Encode(text), lossy);
    }

    // Invalid bytes become U+FFFD, and never take a neighbouring separator with them.
    void decodesDamagedBytes_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        const QString bad(QChar::ReplacementCharacter);
        QTest::newRow("lead byte before a tab") << QByteArray("\x92\tX") << bad + "\tX";
        QTest::newRow("lead byte before a line end") << QByteArray("\x92\r\n") << bad + "\r\n";
        QTest::newRow("lead byte at the end") << QByteArray("ab\x92") << "ab" + bad;
        QTest::newRow("unassigned pair") << QByteArray("\x85\x40z") << bad + "z";
        QTest::newRow("byte 0xFD") << QByteArray("\xfdq") << bad + "q";
    }
    void decodesDamagedBytes() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        QCOMPARE(AnsiCodec::Decode(bytes), text);
    }

    // Every character of the code page survives bytes -> text -> bytes; a slip in the
    // tables would show here before it shows in a saved table header.
    void everyDoubleByteCharacterDecodesOnce() {
        int decoded = 0;
        for (int lead = 0x81; lead <= 0xFC; ++lead) {
            if (!AnsiCodec::IsLeadByte(static_cast<unsigned char>(lead)))
                continue;
            for (int trail = 0x40; trail <= 0xFC; ++trail) {
                if (trail == 0x7F)
                    continue;
                QByteArray bytes;
                bytes.append(static_cast<char>(lead)).append(static_cast<char>(trail));
                const QString text = AnsiCodec::Decode(bytes);
                QCOMPARE(text.size(), 1);
                if (text.at(0) == QChar::ReplacementCharacter)
                    continue;
                ++decoded;
                const auto back = AnsiCodec::EncodeStrict(text);
                QVERIFY(back.has_value());
                // Duplicated extension rows write back as the preferred pair, which decodes
                // to the same character.
                QCOMPARE(AnsiCodec::Decode(*back), text);
            }
        }
        QVERIFY2(decoded > 7000, qPrintable(QString::number(decoded)));
    }

    void cutsAtCharacterBoundary_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("maxBytes");
        QTest::addColumn<QByteArray>("cut");
        const QByteArray maker("\x83\x81\x81\x5b\x83\x4a\x81\x5b"); // four double-byte characters
        QTest::newRow("between characters") << maker << 4 << maker.left(4);
        QTest::newRow("inside a character") << maker << 5 << maker.left(4);
        QTest::newRow("first character split") << maker << 1 << QByteArray();
        QTest::newRow("ascii then split") << QByteArray("A\x92\x6c") << 2 << QByteArray("A");
        QTest::newRow("trail byte 0x5C not a lead")
            << QByteArray("\x83\x5c\x41") << 3 << QByteArray("\x83\x5c\x41");
        QTest::newRow("trail byte that looks like a lead")
            << QByteArray("\x83\x81\x41") << 2 << QByteArray("\x83\x81");
        QTest::newRow("half-width katakana are single")
            << QByteArray("\xb1\xb2\xb3") << 2 << QByteArray("\xb1\xb2");
        QTest::newRow("fits") << maker << 8 << maker;
        QTest::newRow("zero") << maker << 0 << QByteArray();
        QTest::newRow("negative") << maker << -3 << QByteArray();
    }
    void cutsAtCharacterBoundary() {
        QFETCH(QByteArray, bytes);
        QFETCH(int, maxBytes);
        QFETCH(QByteArray, cut);
        QCOMPARE(AnsiCodec::CutAtCharBoundary(bytes, maxBytes), cut);
    }
};

QTEST_GUILESS_MAIN(TestAnsiCodec)
#include "tst_AnsiCodec.moc"
