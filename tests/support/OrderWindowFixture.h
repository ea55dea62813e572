#pragma once

#include "model/PaymentMethod.h"
#include "windows/layout/FormControls.h"
#include "windows/order/OrderWindow.h"
#include "windows/order/OrderWindowControls.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <memory>

namespace control = windows::order::order_control;

// The object name of a control of the order window, as focusName() gives it.
inline QString nameOf(std::string_view name, int index = -1) {
    return windows::layout::FormControls::keyOf(name, index);
}

// A freshly opened order window, shown and active, with its controls found by
// name the way a person would find them on screen.
class OrderWindowFixture final {
public:
    OrderWindowFixture()
        : m_window(std::make_unique<windows::order::OrderWindow>()) {
        m_window->show();
        m_active = QTest::qWaitForWindowActive(m_window.get());
    }

    bool isActive() const { return m_active; }
    windows::order::OrderWindow& window() const { return *m_window; }

    // A control the test needs; a name the window does not have stops the test.
    template <class Widget = QWidget>
    Widget* find(std::string_view name, int index = -1) const {
        auto* found = m_window->findChild<Widget*>(nameOf(name, index));
        if (!found)
            qFatal("the order window has no control %s", qPrintable(nameOf(name, index)));
        return found;
    }
    // The same by object name, as nameOf() gives it.
    template <class Widget = QWidget>
    Widget* find(const QString& objectName) const {
        auto* found = m_window->findChild<Widget*>(objectName);
        if (!found)
            qFatal("the order window has no control %s", qPrintable(objectName));
        return found;
    }
    QLineEdit* field(std::string_view name) const { return find<QLineEdit>(name); }
    QCheckBox* product(int index) const { return find<QCheckBox>(control::ProductBox, index); }
    QCheckBox* salesTaxBox() const { return find<QCheckBox>(control::SalesTaxBox); }
    QRadioButton* payment(model::PaymentMethod method) const {
        return find<QRadioButton>(control::optionFor(method));
    }
    QRadioButton* diskSizeOption() const { return find<QRadioButton>(control::DiskSizeOption); }
    QPushButton* button(std::string_view name) const { return find<QPushButton>(name); }
    QString caption(std::string_view label) const { return find<QLabel>(label)->text(); }
    static QString focusName() {
        return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
    }

    // A click in the middle of a control, where a person would click it.
    static void click(QWidget* control, Qt::MouseButton button = Qt::LeftButton) {
        clickAt(control, control->rect().center(), button);
    }
    // A click at a point of a control, delivered like the mouse's own: to the
    // window, which hands it to whatever lies at that point.
    static void clickAt(QWidget* control, QPoint point, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mouseClick(control->window()->windowHandle(), button, {},
                          control->mapTo(control->window(), point));
    }
    void tick(std::initializer_list<int> products) const {
        for (int index : products)
            click(product(index));
    }
    // Types into a field the way a person does: clicking into it first unless
    // the focus is already there.
    void type(std::string_view fieldName, const QString& text) const {
        QLineEdit* target = field(fieldName);
        if (QApplication::focusWidget() != target)
            click(target);
        typeInto(target, text);
    }
    // A key pressed on the keyboard goes to whatever has the focus.
    static void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(QApplication::focusWidget()->window()->windowHandle(), Qt::Key(key),
                        modifiers);
    }

    // Types like a keyboard would, including characters no key of a US layout
    // carries (those arrive as key events with their text only).
    static void typeInto(QWidget* target, const QString& text) {
        for (const uint character : text.toUcs4()) {
            const QString one = QString::fromUcs4(reinterpret_cast<const char32_t*>(&character), 1);
            if (character < 0x80) {
                QTest::keyClick(target, static_cast<char>(character));
            } else {
                QTest::sendKeyEvent(QTest::Press, target, Qt::Key_unknown, one, Qt::NoModifier);
                QTest::sendKeyEvent(QTest::Release, target, Qt::Key_unknown, one, Qt::NoModifier);
            }
        }
    }

private:
    std::unique_ptr<windows::order::OrderWindow> m_window;
    bool m_active = false;
};
