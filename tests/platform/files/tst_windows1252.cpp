#include "platform/files/Windows1252.h"

#include <QTest>

class Windows1252Test final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void encode_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addRow("ascii") << "Order 42" << QByteArray("Order 42");
        QTest::addRow("latin-1 letters")
            << QString::fromUtf8("José Müller") << QByteArray("Jos\xE9 M\xFCller");
        QTest::addRow("one half sign") << QString::fromUtf8("3½\" HD") << QByteArray("3\xBD\" HD");
        QTest::addRow("euro and quotes")
            << QString::fromUtf8("€ „“ ” – — …") << QByteArray("\x80 \x84\x93 \x94 \x96 \x97 \x85");
        QTest::addRow("letters in the upper slots")
            << QString::fromUtf8("ŠšŽžŒœŸ") << QByteArray("\x8A\x9A\x8E\x9E\x8C\x9C\x9F");
        QTest::addRow("base letter") << QString::fromUtf8("źŃę") << QByteArray("zNe");
        QTest::addRow("combining accent joins its letter")
            << QString::fromUtf8("e\u0301") << QByteArray("\xE9");
        QTest::addRow("no base letter") << QString::fromUtf8("Łódź")
                                        << QByteArray("?\xF3"
                                                      "dz");
        QTest::addRow("chinese") << QString::fromUtf8("你好") << QByteArray("??");
        QTest::addRow("emoji is one character") << QString::fromUtf8("a😀b") << QByteArray("a?b");
        QTest::addRow("right to left")
            << QString::fromUtf8("\u05E9\u05DC\u05D5\u05DD") << QByteArray("????");
        QTest::addRow("control characters")
            << QString::fromUtf8("a\tb\r\nc\x7F\u0085d") << QByteArray("a?b??c??d");
        QTest::addRow("unused upper slot") << QString(QChar(0x81)) << QByteArray("?");
        QTest::addRow("no-break space") << QString(QChar(0xA0)) << QByteArray("\xA0");
        // Every character Windows-1252 keeps in 0x80..0x9F, the last letter of
        // the code page, and letters whose base letter lies two decompositions
        // down (or one, where that one is in the code page).
        const QList<std::pair<char16_t, unsigned char>> upperSlots{
            {u'\u20AC', 0x80}, {u'\u201A', 0x82}, {u'\u0192', 0x83}, {u'\u201E', 0x84},
            {u'\u2026', 0x85}, {u'\u2020', 0x86}, {u'\u2021', 0x87}, {u'\u02C6', 0x88},
            {u'\u2030', 0x89}, {u'\u0160', 0x8A}, {u'\u2039', 0x8B}, {u'\u0152', 0x8C},
            {u'\u017D', 0x8E}, {u'\u2018', 0x91}, {u'\u2019', 0x92}, {u'\u201C', 0x93},
            {u'\u201D', 0x94}, {u'\u2022', 0x95}, {u'\u2013', 0x96}, {u'\u2014', 0x97},
            {u'\u02DC', 0x98}, {u'\u2122', 0x99}, {u'\u0161', 0x9A}, {u'\u203A', 0x9B},
            {u'\u0153', 0x9C}, {u'\u017E', 0x9E}, {u'\u0178', 0x9F}, {u'\u00FF', 0xFF},
        };
        for (const auto& [character, byte] : upperSlots)
            QTest::addRow("U+%04X", unsigned(character))
                << QString(QChar(character)) << QByteArray(1, char(byte));
        QTest::addRow("left quote in a name") << QString::fromUtf8("\u2018O\u2019Brien")
                                              << QByteArray("\x91O\x92"
                                                            "Brien");
        QTest::addRow("two steps to e") << QString::fromUtf8("Vi\u1EC7t") << QByteArray("Viet");
        QTest::addRow("two steps to o") << QString::fromUtf8("\u1E53") << QByteArray("o");
        QTest::addRow("one step to u with diaeresis")
            << QString::fromUtf8("\u01D6") << QByteArray("\xFC");
        QTest::addRow("decomposed, two accents")
            << QString::fromUtf8("e\u0323\u0302") << QByteArray("e");
    }

    void encode() {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        QCOMPARE(platform::windows1252::encode(text), bytes);
    }
};

QTEST_APPLESS_MAIN(Windows1252Test)
#include "tst_windows1252.moc"
