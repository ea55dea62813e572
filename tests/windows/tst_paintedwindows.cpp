#include "platform/ui/ClassicLook.h"
#include "support/ExpectedLayout.h"
#include "support/ProgramWindows.h"
#include "windows/order/OrderWindowControls.h"
#include "windows/shell/AboutWindowControls.h"
#include "windows/shell/MainWindowControls.h"
#include "windows/shell/SplashWindowControls.h"

#include <QTest>

namespace {

// What a region of a window must show, sampled from the window as painted.
enum class Look {
    Filled, // the colour covers the region, nearly every pixel of it
    Shows,  // the colour is there, in a few pixels at least (text, a line)
    Lacks,  // the colour is nowhere in the region
};

struct Sample {
    QString window; // "order", "main", "about" or "splash"
    QRect twips;    // in the window's client area
    QColor colour;
    Look look;
};

// Pixels close to `colour`: anti-aliasing leaves glyph edges in between.
bool near(QColor pixel, QColor colour) {
    return qAbs(pixel.red() - colour.red()) <= 24 && qAbs(pixel.green() - colour.green()) <= 24 &&
           qAbs(pixel.blue() - colour.blue()) <= 24;
}

// The colours in a region, most frequent first, for a failure message.
QString coloursIn(const QImage& image, QRect region) {
    QMap<QRgb, int> counts;
    for (int y = region.top(); y <= region.bottom(); ++y)
        for (int x = region.left(); x <= region.right(); ++x)
            ++counts[image.pixel(x, y)];
    QList<std::pair<int, QRgb>> sorted;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        sorted.append({it.value(), it.key()});
    std::sort(sorted.rbegin(), sorted.rend());
    QStringList shown;
    for (const auto& [count, rgb] : sorted.mid(0, 5))
        shown << QStringLiteral("%1 x %2").arg(count).arg(QColor(rgb).name());
    return shown.join(QLatin1String(", "));
}

// A part of a control's place, in twips from its top left corner.
QRect part(QRect place, int left, int top, int width, int height) {
    return {place.left() + left, place.top() + top, width, height};
}

} // namespace

Q_DECLARE_METATYPE(Look)

// The windows as painted, not as asked for: backgrounds of panels, frames and
// filled labels, the colours of coloured captions, alignment, wrapping,
// borders and the tax box's square, with the window active and inactive.
// Regions are parts of the controls' places in the expected layout, in twips
// of the window's client area.
class PaintedWindowsTest final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { platform::applyClassicLook(); }

    void regions_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QRect>("twips");
        QTest::addColumn<QColor>("colour");
        QTest::addColumn<Look>("look");
        QTest::addColumn<bool>("active");
        const QColor grey(192, 192, 192);
        const QColor white(255, 255, 255);
        const QColor black(0, 0, 0);
        const QColor red(255, 0, 0);
        const QColor navy(0, 0, 64);
        const QColor yellow(255, 255, 0);
        const QColor cyan(0, 255, 255);
        const auto row = [](const char* name, const char* window, QRect twips, QColor colour,
                            Look look) {
            for (bool active : {true, false}) {
                QTest::addRow("%s, %s", name, active ? "active" : "inactive")
                    << QString::fromLatin1(window) << twips << colour << look << active;
            }
        };
        using enum Look;
        namespace order = windows::order::order_control;
        namespace about = windows::shell::about_control;
        const expected::Window& orderWindow = expected::window("order");
        const auto inOrder = [&orderWindow](std::string_view name, int index = -1) {
            return orderWindow.inClientArea(name, index);
        };
        const QRect panel = inOrder(order::OrderPanel);
        const QRect description = inOrder(order::DescriptionBox);
        const QRect comments = inOrder(order::CommentsNote);
        const QRect totalDue = inOrder(order::TotalDueFrame);
        const QRect subTotal = inOrder(order::SubTotalAmount);
        const QRect prompt = inOrder(order::SalesTaxPrompt);
        const QRect taxBox = inOrder(order::SalesTaxBox);
        const QRect cardholder = inOrder(order::CardholderNameField);
        row("window's edge", "order", {15, 15, panel.left() - 30, panel.top() - 30}, grey, Filled);
        row("panel between controls", "order",
            {description.left() + 60, description.bottom() + 16, 5400, 60}, grey, Filled);
        row("description box", "order", part(description, 60, 60, 5500, 720), white, Filled);
        row("description box's border", "order", part(description, 0, 60, 15, 720), white, Lacks);
        row("comments note", "order", part(comments, 60, 15, 400, 360), white, Filled);
        row("comments note's red text", "order", comments, red, Shows);
        row("comments note centred", "order", part(comments, 15, 15, 600, 360), red, Lacks);
        row("total due caption", "order", part(totalDue, 0, 0, 1500, 180), QColor(0, 0, 255),
            Shows);
        row("catalogue caption", "order", part(inOrder(order::CatalogueFrame), 0, 0, 3000, 180),
            QColor(0, 0, 192), Shows);
        row("payment caption", "order", part(inOrder(order::PaymentFrame), 0, 0, 2000, 180),
            QColor(0, 0, 192), Shows);
        row("total due frame inside", "order",
            part(totalDue, 60, totalDue.height() - 140, 2900, 60), grey, Filled);
        row("sub-total amount", "order", subTotal, black, Shows);
        row("sub-total right-aligned", "order", part(subTotal, 0, 0, 360, subTotal.height()), black,
            Lacks);
        row("shipping amount in red", "order", inOrder(order::ShippingAmount), red, Shows);
        row("sales-tax prompt", "order", part(prompt, 0, 0, prompt.width(), 240), QColor(128, 0, 0),
            Shows);
        row("sales-tax prompt wraps", "order", part(prompt, 0, 240, prompt.width(), 255),
            QColor(128, 0, 0), Shows);
        row("tax box's square on the right", "order",
            part(taxBox, taxBox.width() - 240, 0, 240, taxBox.height()), white, Shows);
        row("tax box's left part", "order", part(taxBox, 15, 15, 180, taxBox.height() - 30), white,
            Lacks);
        row("print button's face", "order", part(inOrder(order::PrintButton), 60, 60, 600, 240),
            QColor(0, 255, 0), Filled);
        row("save button's face", "order", part(inOrder(order::SaveButton), 60, 60, 300, 240), grey,
            Filled);
        row("disabled card field", "order",
            part(cardholder, cardholder.width() - 327, 50, 300, 180), white, Filled);
        row("product caption", "order", inOrder(order::ProductBox, 0), black, Shows);
        // The main window, below its menu bar
        const QRect introduction =
            expected::window("main").inClientArea(windows::shell::main_control::IntroductionText);
        row("main window", "main", {30, 30, introduction.left() - 60, introduction.top() - 60},
            white, Filled);
        row("introduction", "main", part(introduction, 0, 0, introduction.width(), 600), black,
            Shows);
        row("introduction wraps", "main", part(introduction, 0, 2760, introduction.width(), 1500),
            black, Shows);
        // The About window
        const expected::Window& aboutWindow = expected::window("about");
        const QRect ok = aboutWindow.inClientArea(about::OkButton);
        const QRect title = aboutWindow.inClientArea(about::TitleLabel);
        const QRect edition = aboutWindow.inClientArea(about::EditionLabel);
        const QRect contact = aboutWindow.inClientArea(about::ContactBox);
        row("about window", "about", {15, 15, ok.left() - 60, ok.top() - 60}, navy, Filled);
        row("title transparent", "about", part(title, 0, 0, 120, title.height()), navy, Filled);
        row("title in cyan", "about", title, cyan, Shows);
        row("edition's own background", "about", part(edition, 0, 0, 120, edition.height()),
            QColor(64, 0, 64), Filled);
        row("edition in yellow", "about", edition, yellow, Shows);
        row("contact box", "about", part(contact, 60, 60, 300, 300), white, Filled);
        row("contact box's border", "about", part(contact, 0, 80, 15, 900), white, Lacks);
        row("contact text", "about", contact, black, Shows);
        row("web address button's face", "about",
            part(aboutWindow.inClientArea(about::WebAddressButton), 120, 15, 2700, 30), yellow,
            Filled);
        row("OK button's face", "about", part(ok, 60, 60, 120, 360), grey, Filled);
        // The splash window
        const QRect starting =
            expected::window("splash").inClientArea(windows::shell::splash_control::StartingText);
        const QColor blue(0, 0, 192);
        row("splash window", "splash", {15, 15, starting.left() - 30, 1400}, blue, Filled);
        row("splash text in red", "splash", starting, red, Shows);
        row("splash text transparent", "splash",
            part(starting, starting.width() - 375, 0, 375, 300), blue, Filled);
    }

    void regions() {
        QFETCH(QString, window);
        QFETCH(QRect, twips);
        QFETCH(QColor, colour);
        QFETCH(Look, look);
        QFETCH(bool, active);
        ProgramWindows windows;
        const QImage image = windows.picture(window, active);
        QVERIFY2(!image.isNull(), "the window did not come up, or not in the state asked for");
        QCOMPARE(image.devicePixelRatio(), 1.0);
        const QRect region = expected::inPixels(twips).intersected(image.rect());
        QVERIFY(!region.isEmpty());

        int matching = 0;
        for (int y = region.top(); y <= region.bottom(); ++y)
            for (int x = region.left(); x <= region.right(); ++x)
                matching += near(image.pixelColor(x, y), colour) ? 1 : 0;
        const int all = region.width() * region.height();
        const bool holds = look == Look::Filled  ? matching >= all * 95 / 100
                           : look == Look::Shows ? matching >= 3
                                                 : matching == 0;
        QVERIFY2(holds, qPrintable(QStringLiteral("%1 of %2 pixels near %3; %4")
                                       .arg(matching)
                                       .arg(all)
                                       .arg(colour.name(), coloursIn(image, region))));
    }
};

QTEST_MAIN(PaintedWindowsTest)
#include "tst_paintedwindows.moc"
