#pragma once

#include "documents/OrderSnapshot.h"
#include "model/OrderRecord.h"
#include "model/PaymentMethod.h"
#include "windows/ModalWindow.h"
#include "windows/layout/FormControls.h"

#include <QPointF>
#include <QPointer>
#include <optional>

class QCheckBox;
class QFocusEvent;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace windows::order {

// The window in which the customer builds an order. Each opening is a new
// window with a new, empty order; closing it discards everything.
class OrderWindow final : public ModalWindow {
    Q_OBJECT

public:
    explicit OrderWindow(QWidget* parent = nullptr);

    // Opens a fresh order window modal to `owner` and returns once it closes.
    static void showModal(QWidget* owner);

    // What the window shows right now, as the order documents need it.
    documents::OrderSnapshot snapshot() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void connectHandlers();

    // Recomputes the amounts from the ticks and shows them.
    void showTotals();
    // Shows the description of the product under the pointer or with the
    // keyboard focus.
    void showDescription(int product);
    // The card fields take input only while a card payment is selected.
    void enableCardFields();
    // Closes the window; whatever was entered is gone.
    void orderLater();
    void saveToFile();
    void printOrderForm();
    // With nothing ordered yet, says so, takes the customer to the name field
    // and returns true: there is nothing to save or print.
    bool refuseIncompleteOrder();

    void followFieldFocus(QLineEdit& field, const QFocusEvent& focus);
    bool swallowFocusingClick(QLineEdit& field, const QEvent& event);
    model::PaymentMethod selectedPaymentMethod() const;

    layout::FormControls m_controls;
    model::OrderRecord m_record;
    std::array<QCheckBox*, model::ProductCount> m_products{};
    QCheckBox* m_salesTax = nullptr;
    std::vector<QRadioButton*> m_paymentOptions; // one per payment method
    std::vector<QLineEdit*> m_textFields;        // the ten customer entries
    std::array<QLineEdit*, 3> m_cardFields{};
    QLineEdit* m_nameField = nullptr;
    QLineEdit* m_emailField = nullptr;
    QLabel* m_subTotal = nullptr;
    QLabel* m_salesTaxAmount = nullptr;
    QLabel* m_shipping = nullptr;
    QLabel* m_total = nullptr;
    QLabel* m_description = nullptr;
    QPushButton* m_orderLaterButton = nullptr;
    // The field whose focus went to its context menu or another window.
    QPointer<QLineEdit> m_fieldFocusComesBackTo;
    // The field just entered by a click, with its whole text selected, until
    // that click ends: it keeps the selection.
    QPointer<QLineEdit> m_fieldTakingClick;
    // Where that click's button went down, while it is held.
    std::optional<QPointF> m_clickPressedAt;
};

} // namespace windows::order
