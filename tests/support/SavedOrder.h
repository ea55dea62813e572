#pragma once

#include "support/FakeMessageBoxes.h"
#include "support/OrderWindowFixture.h"
#include "support/ScratchFolder.h"

#include <QApplication>
#include <QByteArray>
#include <QTest>

// Presses "Save to File" in the order window and gives what order.txt in the
// working folder holds afterwards (nothing if there is no such file).
inline QByteArray saveOrder(const OrderWindowFixture& order) {
    OrderWindowFixture::click(order.button(control::SaveButton));
    return ScratchFolder::read(QStringLiteral("order.txt"));
}

// The one message a failed save shows: the system's own words for what went
// wrong under the fixed title, with OK and the warning sign, once the
// hourglass has gone.
inline void expectSaveFailure(const FakeMessageBoxes& messages, const QString& systemText) {
    QCOMPARE(messages.asked.size(), 1);
    QCOMPARE(messages.asked[0].text, systemText);
    QCOMPARE(messages.asked[0].title, QString("Unable To Print to File."));
    QCOMPARE(messages.asked[0].buttons, platform::MessageButtons::Ok);
    QCOMPARE(messages.asked[0].icon, platform::MessageIcon::Warning);
    QVERIFY(!QApplication::overrideCursor());
}
