#pragma once

#include <QHash>
#include <QString>
#include <QWidget>
#include <stdexcept>
#include <string>
#include <string_view>

namespace windows::layout {

// A control the window looked for is not there, or not of the kind it needs.
class MissingControl final : public std::logic_error {
public:
    using std::logic_error::logic_error;
};

// The widgets a builder made for a layout table, found by name and index.
class FormControls final {
public:
    // The object name of a control: its name, and for a control array its
    // index in parentheses ("ProductBox(3)").
    static QString keyOf(std::string_view name, int index = -1);

    void add(const QString& key, QWidget* widget) { m_controls.insert(key, widget); }

    // A control the window cannot do without. A name the table does not
    // have, or a control of another kind, is a fault of the program: it
    // throws MissingControl, naming the control.
    template <class Widget = QWidget>
    Widget& require(std::string_view name, int index = -1) const {
        auto* widget = qobject_cast<Widget*>(m_controls.value(keyOf(name, index), nullptr));
        if (!widget)
            throw MissingControl("the window has no " +
                                 std::string(Widget::staticMetaObject.className()) + " called " +
                                 keyOf(name, index).toStdString());
        return *widget;
    }

private:
    QHash<QString, QWidget*> m_controls;
};

} // namespace windows::layout
