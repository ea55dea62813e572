#pragma once

class QWidget;

namespace platform {

enum class MousePointer { Default = 0, Hourglass = 11 };

// The pointer shown over one window and its children.
void setMousePointer(QWidget& window, MousePointer pointer);

// The hourglass over the whole program for as long as this lives; the default
// pointer comes back when it goes, however the scope is left.
class BusyPointer final {
public:
    BusyPointer();
    ~BusyPointer();
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;

    // Restores the pointer now rather than at the end of the scope.
    void release();

private:
    bool m_active = true;
};

} // namespace platform
