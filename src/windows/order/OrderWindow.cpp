#include "windows/order/OrderWindow.h"

#include "documents/CompletenessCheck.h"
#include "documents/OrderDocument.h"
#include "model/Catalogue.h"
#include "model/Totals.h"
#include "platform/desktop/WindowPlacement.h"
#include "platform/dialogs/MessageBoxes.h"
#include "platform/files/OrderFileWriter.h"
#include "platform/printing/Printer.h"
#include "platform/system/Clock.h"
#include "platform/ui/DisplayText.h"
#include "platform/ui/Focus.h"
#include "platform/ui/MousePointer.h"
#include "windows/layout/FormBuilder.h"
#include "windows/order/OrderWindowControls.h"
#include "windows/order/OrderWindowLayout.h"

#include <QApplication>
#include <QCheckBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleHints>

namespace windows::order {
namespace {

const QString OrderFileName = QStringLiteral("order.txt");
const QString PrintJobName = QStringLiteral("Quendrel Software Order Form");

// The customer's entries, in the order of the snapshot's fields.
constexpr std::array<std::string_view, 10> TextFields{
    order_control::NameField,       order_control::AddressField,
    order_control::CityField,       order_control::StateField,
    order_control::ZipCodeField,    order_control::PhoneField,
    order_control::EmailField,      order_control::CardholderNameField,
    order_control::CardNumberField, order_control::CardExpiryField};

// A label that changes while the window is open. Its accessible name says
// what it is ("Total"); screen readers read what it shows from the description.
void showCaption(QLabel& label, const QString& caption) {
    label.setText(caption);
    label.setAccessibleDescription(caption);
}

bool isEnterKey(const QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return false;
    const int key = static_cast<const QKeyEvent*>(event)->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

} // namespace

OrderWindow::OrderWindow(QWidget* parent)
    : ModalWindow(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                              Qt::MSWindowsFixedSizeDialogHint)
    , m_controls(layout::FormBuilder::build(*this, orderWindowForm(), orderWindowControls())) {
    for (int i = 0; i < model::ProductCount; ++i)
        m_products[static_cast<std::size_t>(i)] =
            &m_controls.require<QCheckBox>(order_control::ProductBox, i);
    m_salesTax = &m_controls.require<QCheckBox>(order_control::SalesTaxBox);
    for (const order_control::PaymentOption& option : order_control::PaymentOptions)
        m_paymentOptions.push_back(&m_controls.require<QRadioButton>(option.button));
    for (std::string_view name : TextFields)
        m_textFields.push_back(&m_controls.require<QLineEdit>(name));
    m_cardFields = {&m_controls.require<QLineEdit>(order_control::CardholderNameField),
                    &m_controls.require<QLineEdit>(order_control::CardNumberField),
                    &m_controls.require<QLineEdit>(order_control::CardExpiryField)};
    m_nameField = &m_controls.require<QLineEdit>(order_control::NameField);
    m_emailField = &m_controls.require<QLineEdit>(order_control::EmailField);
    m_subTotal = &m_controls.require<QLabel>(order_control::SubTotalAmount);
    m_salesTaxAmount = &m_controls.require<QLabel>(order_control::SalesTaxAmount);
    m_shipping = &m_controls.require<QLabel>(order_control::ShippingAmount);
    m_total = &m_controls.require<QLabel>(order_control::TotalAmount);
    m_description = &m_controls.require<QLabel>(order_control::DescriptionBox);
    m_orderLaterButton = &m_controls.require<QPushButton>(order_control::OrderLaterButton);

    for (QLabel* label : {m_subTotal, m_salesTaxAmount, m_shipping, m_total, m_description})
        label->setAccessibleDescription(label->text());
    // A screen reader reads a product's description with its box.
    for (int i = 0; i < model::ProductCount; ++i)
        m_products[static_cast<std::size_t>(i)]->setAccessibleDescription(
            platform::labelText(model::productDescription(i).value_or("")));
    connectHandlers();
    platform::centreOnScreen(*this);
}

void OrderWindow::showModal(QWidget* owner) {
    OrderWindow window(owner);
    window.exec();
}

void OrderWindow::connectHandlers() {
    // Every change of a tick counts, not only a click: a screen reader ticks
    // a box through its toggle action, which never clicks it.
    for (QCheckBox* product : m_products) {
        connect(product, &QCheckBox::toggled, this, &OrderWindow::showTotals);
        product->setMouseTracking(true);
        product->installEventFilter(this);
    }
    connect(m_salesTax, &QCheckBox::toggled, this, &OrderWindow::showTotals);
    for (QRadioButton* option : m_paymentOptions) {
        connect(option, &QRadioButton::toggled, this, [this](bool selected) {
            if (selected)
                enableCardFields();
        });
    }
    for (QLineEdit* field : m_textFields)
        field->installEventFilter(this);
    connect(m_orderLaterButton, &QPushButton::clicked, this, &OrderWindow::orderLater);
    connect(&m_controls.require<QPushButton>(order_control::SaveButton), &QPushButton::clicked,
            this, &OrderWindow::saveToFile);
    connect(&m_controls.require<QPushButton>(order_control::PrintButton), &QPushButton::clicked,
            this, &OrderWindow::printOrderForm);
}

bool OrderWindow::eventFilter(QObject* watched, QEvent* event) {
    // A product's description shows for the pointer moving over its box and
    // for the keyboard focus arriving there alike.
    const auto product = std::find(m_products.begin(), m_products.end(), watched);
    if (product != m_products.end()) {
        if (event->type() == QEvent::MouseMove || event->type() == QEvent::FocusIn)
            showDescription(static_cast<int>(product - m_products.begin()));
        return false;
    }
    auto* field = qobject_cast<QLineEdit*>(watched);
    if (!field)
        return false;
    if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) {
        followFieldFocus(*field, *static_cast<QFocusEvent*>(event));
        return false;
    }
    if (field == m_fieldTakingClick && swallowFocusingClick(*field, *event))
        return true;
    // Enter moves on to the next field, as Tab would; the e-mail field is the
    // last thing people fill in, so Enter does nothing there.
    if (field != m_emailField && isEnterKey(event)) {
        platform::sendTab(*this);
        return true;
    }
    return false;
}

void OrderWindow::followFieldFocus(QLineEdit& field, const QFocusEvent& focus) {
    if (focus.type() == QEvent::FocusOut) {
        // The field's own context menu or another window takes the focus
        // only for a while; it comes back to the same selection and caret.
        const bool comesBack =
            focus.reason() == Qt::PopupFocusReason || focus.reason() == Qt::ActiveWindowFocusReason;
        m_fieldFocusComesBackTo = comesBack ? &field : nullptr;
        if (!comesBack)
            m_fieldTakingClick = nullptr;
        m_clickPressedAt.reset();
        return;
    }
    const bool returning = m_fieldFocusComesBackTo == &field;
    m_fieldFocusComesBackTo = nullptr;
    if (returning)
        return;
    // Entering a field from elsewhere selects its whole text, so that typing
    // replaces the prompt. The click that brought the focus must not then put
    // the caret at the pointer and lose that selection; any later click, in a
    // field that already has the focus, is an ordinary one.
    platform::selectAllText(field);
    m_fieldTakingClick = focus.reason() == Qt::MouseFocusReason ? &field : nullptr;
    m_clickPressedAt.reset();
}

bool OrderWindow::swallowFocusingClick(QLineEdit& field, const QEvent& event) {
    switch (event.type()) {
    case QEvent::KeyPress:
    case QEvent::InputMethod:
        // Typed into or moved about in: from now on a click puts the caret.
        m_fieldTakingClick = nullptr;
        return false;
    case QEvent::MouseButtonPress: {
        const auto& press = static_cast<const QMouseEvent&>(event);
        if (press.button() != Qt::LeftButton) {
            m_fieldTakingClick = nullptr;
            return false;
        }
        m_clickPressedAt = press.position();
        return true;
    }
    case QEvent::MouseMove: {
        const auto& move = static_cast<const QMouseEvent&>(event);
        if (!m_clickPressedAt || !move.buttons().testFlag(Qt::LeftButton))
            return false;
        // A hand that moves a little with the button down still clicks.
        const QPointF pressedAt = *m_clickPressedAt;
        if ((move.position() - pressedAt).manhattanLength() <
            QGuiApplication::styleHints()->startDragDistance())
            return true;
        // Further is a drag across the text, which selects part of it from
        // where the button went down, as in any text field.
        m_fieldTakingClick = nullptr;
        m_clickPressedAt.reset();
        QMouseEvent press(QEvent::MouseButtonPress, pressedAt, field.mapToGlobal(pressedAt),
                          Qt::LeftButton, Qt::LeftButton, move.modifiers());
        QApplication::sendEvent(&field, &press);
        return false;
    }
    case QEvent::MouseButtonRelease:
        if (!m_clickPressedAt)
            return false;
        m_fieldTakingClick = nullptr;
        m_clickPressedAt.reset();
        return true;
    default:
        return false;
    }
}

void OrderWindow::showTotals() {
    for (int i = 0; i < model::ProductCount; ++i)
        m_record.productTicked[static_cast<std::size_t>(i)] =
            m_products[static_cast<std::size_t>(i)]->isChecked();
    m_record.salesTaxTicked = m_salesTax->isChecked();

    const model::TotalsTexts texts = model::recalculateTotals(m_record);
    showCaption(*m_salesTaxAmount, QString::fromStdString(texts.tax));
    showCaption(*m_shipping, QString::fromStdString(texts.shipping));
    showCaption(*m_subTotal, QString::fromStdString(texts.subTotal));
    showCaption(*m_total, QString::fromStdString(texts.total));
}

void OrderWindow::showDescription(int product) {
    if (const auto description = model::productDescription(product))
        showCaption(*m_description, platform::labelText(*description));
}

void OrderWindow::enableCardFields() {
    const bool cardPayment = model::isCardPayment(selectedPaymentMethod());
    for (QLineEdit* field : m_cardFields)
        field->setEnabled(cardPayment);
}

model::PaymentMethod OrderWindow::selectedPaymentMethod() const {
    for (std::size_t i = 0; i < m_paymentOptions.size(); ++i) {
        if (m_paymentOptions[i]->isChecked())
            return order_control::PaymentOptions.at(i).method;
    }
    return model::PaymentMethod::Check;
}

void OrderWindow::orderLater() {
    platform::setMousePointer(*this, platform::MousePointer::Hourglass);
    done(QDialog::Rejected);
    platform::setMousePointer(*this, platform::MousePointer::Default);
}

bool OrderWindow::refuseIncompleteOrder() {
    if (documents::isOrderComplete(m_record.subTotal))
        return false;
    platform::MessageBoxes::current().show(
        this, {QStringLiteral("Missing data, please complete order form."),
               QStringLiteral("Quendrel Software - Data Missing"), platform::MessageButtons::Ok,
               platform::MessageIcon::None});
    platform::setFocusTo(*m_nameField);
    return true;
}

void OrderWindow::saveToFile() {
    if (refuseIncompleteOrder())
        return;
    platform::BusyPointer busy;
    const std::optional<QString> failure = platform::OrderFileWriter::write(
        OrderFileName, documents::orderFileLines(snapshot(), platform::Clock::current().today()));
    if (failure) {
        busy.release();
        platform::MessageBoxes::current().show(
            this, {*failure, QStringLiteral("Unable To Print to File."),
                   platform::MessageButtons::Ok, platform::MessageIcon::Warning});
        return;
    }
    platform::setFocusTo(*m_orderLaterButton);
    busy.release();
    platform::MessageBoxes::current().show(
        this, {QStringLiteral("Your registration form has been saved as ORDER.TXT in the "
                              "directory where this program is located."),
               QStringLiteral("Quendrel Software - ORDER.TXT Saved"), platform::MessageButtons::Ok,
               platform::MessageIcon::None});
}

void OrderWindow::printOrderForm() {
    if (refuseIncompleteOrder())
        return;
    platform::BusyPointer busy;
    QStringList lines;
    for (const std::string& line :
         documents::printedFormLines(snapshot(), platform::Clock::current().today()))
        lines << QString::fromStdString(line);

    const auto askToRetry = [this](const QString& failure) {
        return platform::MessageBoxes::current().show(
                   this, {failure, QStringLiteral("Unable To Print, Please Check Your Printer"),
                          platform::MessageButtons::RetryCancel, platform::MessageIcon::Warning}) ==
               platform::MessageAnswer::Retry;
    };
    if (platform::Printer::current().print(PrintJobName, lines, askToRetry) ==
        platform::Printer::Outcome::Printed)
        platform::setFocusTo(*m_orderLaterButton);
}

documents::OrderSnapshot OrderWindow::snapshot() const {
    documents::OrderSnapshot order;
    model::CustomerEntries& entries = order.customer;
    std::array<std::string*, 10> texts{
        &entries.fullName,   &entries.address,   &entries.city,  &entries.state,
        &entries.zipCode,    &entries.phone,     &entries.email, &entries.cardholderName,
        &entries.cardNumber, &entries.cardExpiry};
    for (std::size_t i = 0; i < texts.size(); ++i)
        *texts[i] = m_textFields[i]->text().toStdString();
    for (std::size_t i = 0; i < m_products.size(); ++i)
        order.productTicked[i] = m_products[i]->isChecked();
    order.salesTaxTicked = m_salesTax->isChecked();
    order.paymentMethod = selectedPaymentMethod();
    order.subTotalCaption = m_subTotal->text().toStdString();
    order.salesTaxCaption = m_salesTaxAmount->text().toStdString();
    order.totalCaption = m_total->text().toStdString();
    order.salesTax = m_record.salesTax.value_or(0);
    return order;
}

} // namespace windows::order
