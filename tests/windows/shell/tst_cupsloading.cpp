#include "platform/printing/CupsPrinter.h"
#include "platform/ui/ClassicLook.h"
#include "windows/order/OrderWindow.h"
#include "windows/shell/MainWindow.h"

#include <QTest>
#include <dlfcn.h>

namespace {

// Whether libcups is in the process, without loading it.
bool cupsIsLoaded() {
    void* library = dlopen("libcups.so.2", RTLD_LAZY | RTLD_NOLOAD);
    if (library)
        dlclose(library);
    return library != nullptr;
}

} // namespace

// libcups and the libraries it needs are loaded by the first printout, not
// at start: this test is not linked with libcups, as the program is not.
class CupsLoadingTest final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void loadedByTheFirstPrintoutOnly() {
        platform::applyClassicLook();
        {
            windows::shell::MainWindow mainWindow;
            windows::order::OrderWindow order(&mainWindow);
            mainWindow.show();
            order.show();
            QVERIFY(QTest::qWaitForWindowExposed(&order));
        }
        QVERIFY(!cupsIsLoaded());

        // The tests' environment points libcups at a scheduler that is not there.
        QStringList errors;
        platform::CupsPrinter printer;
        const auto outcome = printer.print(QStringLiteral("Order"), {QStringLiteral("line")},
                                           [&](const QString& error) {
                                               errors << error;
                                               return false;
                                           });
        QCOMPARE(outcome, platform::Printer::Outcome::Cancelled);
        QCOMPARE(errors.size(), 1);
        QVERIFY2(!errors[0].contains(QLatin1String("not installed")), qPrintable(errors[0]));
        QVERIFY(cupsIsLoaded());
    }
};

QTEST_MAIN(CupsLoadingTest)
#include "tst_cupsloading.moc"
