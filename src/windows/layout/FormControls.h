#pragma once

#include <QHash>
#include <QString>
#include <QWidget>
#include <string_view>

namespace windows::layout {

// The widgets a builder made for a layout table, found by name and index.
class FormControls final {
public:
    static QString keyOf(std::string_view name, int index = -1);

    void add(const QString& key, QWidget* widget) { m_controls.insert(key, widget); }
    QWidget* control(std::string_view name, int index = -1) const;

    template <class Widget>
    Widget* get(std::string_view name, int index = -1) const {
        return qobject_cast<Widget*>(control(name, index));
    }

private:
    QHash<QString, QWidget*> m_controls;
};

} // namespace windows::layout
