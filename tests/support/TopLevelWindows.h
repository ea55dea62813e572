#pragma once

#include <QApplication>
#include <QList>
#include <QWidget>

// The program's top-level windows of one class, visible or not.
template <class Window>
QList<Window*> topLevelWindows() {
    QList<Window*> found;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* window = qobject_cast<Window*>(widget))
            found.append(window);
    return found;
}

template <class Window>
void deleteTopLevelWindows() {
    qDeleteAll(topLevelWindows<Window>());
}
