#pragma once

#include "model/OrderRecord.h"
#include "windows/layout/FormControls.h"

#include <QDialog>

namespace windows::order {

// The window in which the customer builds an order. Each opening is a new
// window with a new, empty order; closing it discards everything.
class OrderWindow final : public QDialog {
    Q_OBJECT

public:
    explicit OrderWindow(QWidget* parent = nullptr);

    // Opens a fresh order window modal to `owner` and returns once it closes.
    static void showModal(QWidget* owner);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    layout::FormControls m_controls;
    model::OrderRecord m_record;
};

} // namespace windows::order
