#pragma once

#include "model/PaymentMethod.h"

#include <array>
#include <string_view>

// The order window's controls by name: its layout table, the window and the
// tests all use these, and only these.
namespace windows::order::order_control {

// Containers
inline constexpr std::string_view OrderPanel = "OrderPanel";
inline constexpr std::string_view TotalDueFrame = "TotalDueFrame";
inline constexpr std::string_view CatalogueFrame = "CatalogueFrame";
inline constexpr std::string_view DiskSizeFrame = "DiskSizeFrame";
inline constexpr std::string_view PaymentFrame = "PaymentFrame";

// The customer's entries
inline constexpr std::string_view NameField = "NameField";
inline constexpr std::string_view AddressField = "AddressField";
inline constexpr std::string_view CityField = "CityField";
inline constexpr std::string_view StateField = "StateField";
inline constexpr std::string_view ZipCodeField = "ZipCodeField";
inline constexpr std::string_view PhoneField = "PhoneField";
inline constexpr std::string_view EmailField = "EmailField";
inline constexpr std::string_view CardholderNameField = "CardholderNameField";
inline constexpr std::string_view CardNumberField = "CardNumberField";
inline constexpr std::string_view CardExpiryField = "CardExpiryField";

// Texts
inline constexpr std::string_view DescriptionBox = "DescriptionBox";
inline constexpr std::string_view CommentsNote = "CommentsNote";
inline constexpr std::string_view SubTotalLabel = "SubTotalLabel";
inline constexpr std::string_view SubTotalAmount = "SubTotalAmount";
inline constexpr std::string_view SalesTaxLabel = "SalesTaxLabel";
inline constexpr std::string_view SalesTaxAmount = "SalesTaxAmount";
inline constexpr std::string_view ShippingLabel = "ShippingLabel";
inline constexpr std::string_view ShippingAmount = "ShippingAmount";
inline constexpr std::string_view ShippingNote = "ShippingNote";
inline constexpr std::string_view TotalLabel = "TotalLabel";
inline constexpr std::string_view TotalAmount = "TotalAmount";
inline constexpr std::string_view SalesTaxPrompt = "SalesTaxPrompt";

// Ticks and options; the product boxes are numbered like the catalogue.
inline constexpr std::string_view SalesTaxBox = "SalesTaxBox";
inline constexpr std::string_view ProductBox = "ProductBox";
inline constexpr std::string_view CheckOption = "CheckOption";
inline constexpr std::string_view MoneyOrderOption = "MoneyOrderOption";
inline constexpr std::string_view VisaOption = "VisaOption";
inline constexpr std::string_view MasterCardOption = "MasterCardOption";
inline constexpr std::string_view AmericanExpressOption = "AmericanExpressOption";
inline constexpr std::string_view DiscoverOption = "DiscoverOption";
inline constexpr std::string_view DiskSizeOption = "DiskSizeOption";

// Each payment method and the option button that offers it; the window, its
// test fixture and the tests all go by this.
struct PaymentOption {
    model::PaymentMethod method;
    std::string_view button;
};
inline constexpr auto PaymentOptions = std::to_array<PaymentOption>({
    {model::PaymentMethod::Check, CheckOption},
    {model::PaymentMethod::MoneyOrder, MoneyOrderOption},
    {model::PaymentMethod::Visa, VisaOption},
    {model::PaymentMethod::MasterCard, MasterCardOption},
    {model::PaymentMethod::AmericanExpress, AmericanExpressOption},
    {model::PaymentMethod::Discover, DiscoverOption},
});

// The option button that offers a payment method; empty for none.
constexpr std::string_view optionFor(model::PaymentMethod method) {
    for (const PaymentOption& option : PaymentOptions) {
        if (option.method == method)
            return option.button;
    }
    return {};
}

// Buttons
inline constexpr std::string_view SaveButton = "SaveButton";
inline constexpr std::string_view OrderLaterButton = "OrderLaterButton";
inline constexpr std::string_view PrintButton = "PrintButton";

} // namespace windows::order::order_control
