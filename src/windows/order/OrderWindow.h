#pragma once

#include "documents/OrderSnapshot.h"
#include "model/OrderRecord.h"
#include "model/PaymentMethod.h"
#include "windows/layout/FormControls.h"
#include "windows/layout/ModalWindow.h"

#include <QPointer>

class QCheckBox;
class QFocusEvent;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace windows::order {

// The window in which the customer builds an order. Each opening is a new
// window with a new, empty order; closing it discards everything.
class OrderWindow final : public layout::ModalWindow {
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
    void Product_Click();
    void Check1_Click();
    void Product_MouseMove(int index);
    void Option4_Click();
    void Cancel_Click();
    void FileButton_Click();
    void PrintReorder_Click();
    bool CheckOrderComplete();

    void followFieldFocus(QLineEdit& field, const QFocusEvent& focus);
    bool swallowFocusingClick(const QEvent& event);
    void connectHandlers();
    void showTotals();
    model::PaymentMethod selectedPaymentOption() const;

    layout::FormControls m_controls;
    model::OrderRecord m_record;
    std::array<QCheckBox*, model::ProductCount> m_products{};
    QCheckBox* m_salesTax = nullptr;
    std::vector<QRadioButton*> m_paymentOptions; // in the order the documents test them
    std::vector<QLineEdit*> m_textFields;        // the ten customer entries
    std::array<QLineEdit*, 3> m_cardFields{};
    QLineEdit* m_firstName = nullptr;
    QLineEdit* m_eMail = nullptr;
    QLabel* m_subTotal = nullptr;
    QLabel* m_salesTaxAmount = nullptr;
    QLabel* m_shipping = nullptr;
    QLabel* m_total = nullptr;
    QLabel* m_description = nullptr;
    QPushButton* m_orderLater = nullptr;
    // The field whose focus went to its context menu or another window.
    QPointer<QLineEdit> m_fieldFocusComesBackTo;
    // The field a mouse click has just entered, until that click is over.
    QPointer<QLineEdit> m_fieldTakingClick;
};

} // namespace windows::order
