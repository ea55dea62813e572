#include "platform/ui/ClassicLook.h"
#include "platform/ui/DisplayText.h"
#include "support/ExpectedLayout.h"
#include "support/FakeDisplayInfo.h"
#include "support/PaintedText.h"
#include "windows/shell/AboutWindow.h"
#include "windows/shell/AboutWindowControls.h"

#include <QDesktopServices>
#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QUrl>
#include <optional>

using windows::shell::AboutWindow;
namespace about = windows::shell::about_control;

// Stands in for the desktop's browser.
class FakeBrowser final : public QObject {
    Q_OBJECT

public:
    QList<QUrl> opened;

public Q_SLOTS:
    void openUrl(const QUrl& url) { opened.append(url); }
};

class AboutWindowTest final : public QObject {
    Q_OBJECT

private:
    FakeBrowser m_browser;
    std::optional<FakeDisplayInfo> m_display;
    std::optional<AboutWindow> m_about;

    template <class Widget>
    Widget* control(std::string_view name) const {
        auto* found = m_about->findChild<Widget*>(platform::fromUtf8(name));
        if (!found)
            qFatal("the About window has no control %s", name.data());
        return found;
    }

private Q_SLOTS:
    void initTestCase() { platform::applyClassicLook(); }

    void init() {
        QDesktopServices::setUrlHandler(QStringLiteral("https"), &m_browser, "openUrl");
        m_browser.opened.clear();
        m_display.emplace();
        m_about.emplace();
        m_about->show();
        m_about->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&*m_about));
    }

    void cleanup() {
        m_about.reset();
        m_display.reset();
        QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    }

    void opensWithTheWebAddressFocused() {
        QCOMPARE(QApplication::focusWidget(), control<QPushButton>(about::WebAddressButton));
        QCOMPARE(control<QPushButton>(about::WebAddressButton)->text(),
                 QStringLiteral("www.quendrel.example"));
        QCOMPARE(m_about->windowTitle(), QStringLiteral(" About Order Form"));
    }

    void contactText() {
        QCOMPARE(control<QLabel>(about::ContactBox)->text(),
                 QStringLiteral("Quendrel Software\n"
                                "2150 Larkmoor Road\n"
                                "Springfield, MO 65804  USA\n"
                                "\n"
                                "E-mail:  orders@quendrel.example\n"
                                "\n"
                                "www.quendrel.example"));
        QCOMPARE(control<QLabel>(about::VersionLabel)->text(), QStringLiteral(" Version 5.2 "));
    }

    // The captions that are longer than the table's sizes allow for must
    // still show whole.
    void captionsAreNotClipped() {
        auto* www = control<QPushButton>(about::WebAddressButton);
        QVERIFY(QFontMetrics(www->font()).horizontalAdvance(www->text()) < www->width());
        QVERIFY(www->font().pointSizeF() > 10);
        auto* image = control<QLabel>(about::ProgramPicture);
        QCOMPARE(image->size(), QSize(32, 32));
        QVERIFY(m_about->rect().contains(image->geometry()));
    }

    // Every row of the window's table with text, as it comes out on the screen: place
    // in pixels at 96 dpi (the expected layout's), colours, and the font the text is
    // painted in.
    void controlsAsPainted_data() {
        QTest::addColumn<std::string_view>("control");
        QTest::addColumn<QColor>("text");
        QTest::addColumn<QColor>("back"); // invalid: transparent
        QTest::addColumn<QString>("family");
        QTest::addColumn<qreal>("points");
        const QColor cyan(0, 255, 255);
        const QColor yellow(255, 255, 0);
        QTest::addRow("OK") << about::OkButton << QColor(Qt::black) << QColor(192, 192, 192)
                            << "Liberation Sans" << 13.8;
        QTest::addRow("title") << about::TitleLabel << cyan << QColor() << "Liberation Serif"
                               << 9.0;
        QTest::addRow("edition") << about::EditionLabel << yellow << QColor(64, 0, 64)
                                 << "Liberation Sans" << 7.8;
        QTest::addRow("contact") << about::ContactBox << QColor(Qt::black) << QColor(Qt::white)
                                 << "Liberation Sans" << 7.8;
        QTest::addRow("rights") << about::RightsReservedLabel << cyan << QColor()
                                << "Liberation Sans" << 7.8;
        QTest::addRow("version") << about::VersionLabel << yellow << QColor() << "Liberation Sans"
                                 << 7.8;
        QTest::addRow("rights notice")
            << about::RightsNoticeLabel << cyan << QColor() << "Liberation Sans" << 7.8;
        // Its type shrinks until the address fits (0: any size).
        QTest::addRow("web address")
            << about::WebAddressButton << QColor(Qt::black) << yellow << "Liberation Sans" << 0.0;
    }

    void controlsAsPainted() {
        QFETCH(std::string_view, control);
        QFETCH(QColor, back);
        QFETCH(QString, family);
        QFETCH(qreal, points);
        QWidget* widget = this->control<QWidget>(control);
        QCOMPARE(widget->geometry(),
                 expected::inPixels(expected::window("about").inClientArea(control)));
        if (back.isValid()) {
            const QPalette::ColorRole role =
                qobject_cast<QPushButton*>(widget) ? QPalette::Button : QPalette::Window;
            QCOMPARE(widget->palette().color(role), back);
        }
        QCOMPARE(widget->autoFillBackground(),
                 back.isValid() && !qobject_cast<QPushButton*>(widget));
        const QList<PaintedText> painted = PaintedTextRecorder::of(*widget);
        QVERIFY(!painted.isEmpty());
        for (const PaintedText& text : painted) {
            const QFontInfo font(text.font);
            QCOMPARE(font.family(), family);
            // The nearest whole pixel size: 18 pixels for 13.8 points at 96 dpi.
            QVERIFY2(points == 0 || qAbs(font.pointSizeF() - points) < 0.4, qPrintable(text.text));
            QVERIFY(font.bold());
            QTEST(text.colour, "text");
        }
    }

    void keys_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("pagesOpened");
        QTest::addRow("Enter presses the focused web-address button") << int(Qt::Key_Return) << 1;
        QTest::addRow("Space presses it too") << int(Qt::Key_Space) << 1;
        QTest::addRow("Esc does nothing") << int(Qt::Key_Escape) << 0;
    }

    void keys() {
        QFETCH(int, key);
        QFETCH(int, pagesOpened);
        QTest::keyClick(QApplication::focusWidget(), static_cast<Qt::Key>(key));
        QCOMPARE(m_browser.opened.size(), pagesOpened);
        QVERIFY(m_about->isVisible());
    }

    void webAddressOpensTheHomePageEachTime() {
        for (int press = 1; press <= 2; ++press) {
            QTest::mouseClick(control<QPushButton>(about::WebAddressButton), Qt::LeftButton);
            QCOMPARE(m_browser.opened.size(), press);
            QCOMPARE(m_browser.opened.last(),
                     QUrl(QStringLiteral("https://www.quendrel.example/")));
            QVERIFY(m_about->isVisible());
        }
    }

    void okCloses() {
        QTest::mouseClick(control<QPushButton>(about::OkButton), Qt::LeftButton);
        QVERIFY(!m_about->isVisible());
        QVERIFY(m_browser.opened.isEmpty());
    }
};

QTEST_MAIN(AboutWindowTest)
#include "tst_aboutwindow.moc"
