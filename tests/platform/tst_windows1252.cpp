#include "platform/Windows1252.h"

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
    }

    void encode() {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        QCOMPARE(platform::windows1252::encode(text), bytes);
    }
};

QTEST_APPLESS_MAIN(Windows1252Test)
#include "tst_windows1252.moc"
