#include "windows/order/OrderWindowLayout.h"

#include "model/Catalogue.h"
#include "model/CustomerEntries.h"
#include "windows/order/OrderWindowControls.h"

#include <array>
#include <vector>

namespace windows::order {
namespace {

using namespace layout;
using K = ControlKind;

constexpr Colour Grey = rgb(192, 192, 192);

// Where each product's box stands in the catalogue frame, top to bottom; three
// lines carry two boxes.
struct ProductPlace {
    int index;
    int left;
    int top;
    int width;
    int height;
    int tabIndex;
};

// clang-format off
constexpr std::array<ProductPlace, model::ProductCount> ProductPlaces{{
    { 4,  240,  240, 1455, 195, 33}, { 5, 1680,  240, 1575, 240, 34},
    {12,  240,  480, 3015, 240, 46},
    {15,  240,  720, 3015, 240, 49},
    {17,  240,  960, 1695, 195, 52}, {19, 1920,  960, 1215, 195, 54},
    {10,  240, 1200, 3015, 195, 44},
    { 0,  240, 1440, 2535, 195, 28},
    { 1,  240, 1680, 2655, 225, 30},
    { 2,  240, 1920, 3015, 195, 29},
    { 3,  240, 2160, 3015, 195, 32},
    {11,  240, 2400, 2535, 195, 45},
    {23,  240, 2640, 2535, 195, 58},
    {13,  240, 2880, 3015, 240, 47},
    {20,  240, 3120, 1692, 240, 55}, {21, 1920, 3120, 1332, 240, 56},
    {22,  240, 3360, 3015, 240, 57},
    {18,  240, 3600, 3015, 240, 53},
    {14,  240, 3840, 3015, 240, 48},
    {16,  240, 4080, 3015, 240, 51},
    { 6,  240, 4320, 3015, 195, 35},
    { 7,  240, 4560, 3015, 195, 41},
    { 8,  240, 4800, 3015, 195, 42},
    { 9,  240, 5040, 3015, 195, 43},
}};

const std::vector<ControlSpec> FixedControls{
    {.name = order_control::OrderPanel, .kind = K::Panel, .left = 120, .top = 120, .width = 9375, .height = 6270, .back = Grey, .tabIndex = 12},
    {.name = order_control::TotalDueFrame, .kind = K::GroupFrame, .container = order_control::OrderPanel, .left = 2640, .top = 2160, .width = 3135, .height = 2840, .caption = "Total Due", .back = Grey, .text = rgb(0, 0, 255), .tabIndex = 31},
    {.name = order_control::CatalogueFrame, .kind = K::GroupFrame, .container = order_control::OrderPanel, .left = 5880, .top = 120, .width = 3372, .height = 5292, .caption = "Click on box to order . . . ", .back = Grey, .text = rgb(0, 0, 192), .tabIndex = 24},
    {.name = order_control::DiskSizeFrame, .kind = K::GroupFrame, .container = order_control::OrderPanel, .left = 120, .top = 2160, .width = 2415, .height = 735, .caption = "Disk Size", .back = Grey, .text = rgb(0, 0, 192), .tabIndex = 20},
    {.name = order_control::PaymentFrame, .kind = K::GroupFrame, .container = order_control::OrderPanel, .left = 120, .top = 2955, .width = 2415, .height = 2040, .caption = "Payment Method", .back = Grey, .text = rgb(0, 0, 192), .tabIndex = 19},

    {.name = order_control::NameField, .kind = K::TextField, .container = order_control::OrderPanel, .left = 120, .top = 120, .width = 5655, .height = 285, .caption = model::prompt::FullName, .tabIndex = 0, .accessibleName = "Full name"},
    {.name = order_control::AddressField, .kind = K::TextField, .container = order_control::OrderPanel, .left = 120, .top = 360, .width = 5652, .height = 285, .caption = model::prompt::Address, .tabIndex = 1, .accessibleName = "Address"},
    {.name = order_control::CityField, .kind = K::TextField, .container = order_control::OrderPanel, .left = 120, .top = 600, .width = 2772, .height = 285, .caption = model::prompt::City, .tabIndex = 2, .accessibleName = "City"},
    {.name = order_control::StateField, .kind = K::TextField, .container = order_control::OrderPanel, .left = 2880, .top = 600, .width = 1332, .height = 285, .caption = model::prompt::State, .tabIndex = 3, .accessibleName = "State or country"},
    {.name = order_control::ZipCodeField, .kind = K::TextField, .container = order_control::OrderPanel, .left = 4200, .top = 600, .width = 1572, .height = 285, .caption = model::prompt::ZipCode, .tabIndex = 4, .accessibleName = "ZIP or post code"},
    {.name = order_control::PhoneField, .kind = K::TextField, .container = order_control::OrderPanel, .left = 120, .top = 870, .width = 2772, .height = 285, .caption = model::prompt::Phone, .tabIndex = 5, .accessibleName = "Telephone number"},
    {.name = order_control::EmailField, .kind = K::TextField, .container = order_control::OrderPanel, .left = 2880, .top = 870, .width = 2895, .height = 285, .caption = model::prompt::Email, .tabIndex = 26, .accessibleName = "E-mail address"},

    {.name = order_control::DescriptionBox, .container = order_control::OrderPanel, .left = 120, .top = 1200, .width = 5655, .height = 855, .caption = " ", .back = rgb(255, 255, 255), .text = rgb(255, 0, 0), .tabIndex = 23, .border = true, .accessibleName = "Product description"},
    {.name = order_control::CommentsNote, .container = order_control::OrderPanel, .left = 120, .top = 5760, .width = 5655, .height = 390, .caption = "Please write comments on order form.", .back = WindowBackground, .text = rgb(255, 0, 0), .font = SansBold12, .tabIndex = 25, .align = Align::Centre, .border = true},

    {.name = order_control::SubTotalLabel, .container = order_control::TotalDueFrame, .left = 120, .top = 480, .width = 1815, .height = 255, .caption = "Order Sub Total:", .back = Grey, .text = WindowText, .tabIndex = 18, .align = Align::Right},
    {.name = order_control::SubTotalAmount, .container = order_control::TotalDueFrame, .left = 2040, .top = 480, .width = 855, .height = 255, .caption = "$0.00", .back = Grey, .text = WindowText, .tabIndex = 17, .align = Align::Right, .accessibleName = "Sub-total"},
    {.name = order_control::SalesTaxLabel, .container = order_control::TotalDueFrame, .left = 120, .top = 720, .width = 1812, .height = 492, .caption = "Missouri Sales Tax (6.475%):", .text = WindowText, .tabIndex = 39, .align = Align::Right, .transparent = true},
    {.name = order_control::SalesTaxAmount, .container = order_control::TotalDueFrame, .left = 2040, .top = 840, .width = 855, .height = 255, .caption = "$0.00", .text = WindowText, .tabIndex = 40, .align = Align::Right, .transparent = true, .accessibleName = "Sales tax"},
    {.name = order_control::ShippingLabel, .container = order_control::TotalDueFrame, .left = 135, .top = 1320, .width = 1815, .height = 255, .caption = "Shipping && Handling:", .back = Grey, .text = WindowText, .tabIndex = 16, .align = Align::Right},
    {.name = order_control::ShippingAmount, .container = order_control::TotalDueFrame, .left = 2040, .top = 1320, .width = 870, .height = 330, .caption = "$0.00", .back = Grey, .text = rgb(255, 0, 0), .tabIndex = 15, .align = Align::Right, .accessibleName = "Shipping"},
    {.name = order_control::ShippingNote, .container = order_control::TotalDueFrame, .left = 120, .top = 1560, .width = 1815, .height = 255, .caption = "(Anywhere in the World)", .text = WindowText, .font = SansRegular, .tabIndex = 36, .align = Align::Centre, .transparent = true},
    {.name = order_control::TotalLabel, .container = order_control::TotalDueFrame, .left = 240, .top = 1920, .width = 1695, .height = 255, .caption = "TOTAL:", .back = Grey, .text = WindowText, .tabIndex = 14, .align = Align::Right},
    {.name = order_control::TotalAmount, .container = order_control::TotalDueFrame, .left = 2040, .top = 1920, .width = 855, .height = 255, .caption = "$0.00", .back = Grey, .text = WindowText, .font = SansBoldUnderlined, .tabIndex = 13, .align = Align::Right, .accessibleName = "Total"},
    {.name = order_control::SalesTaxPrompt, .container = order_control::TotalDueFrame, .left = 120, .top = 2280, .width = 2295, .height = 495, .caption = "Missouri Residents click here to add sales tax:--->", .text = rgb(128, 0, 0), .tabIndex = 38, .transparent = true},
    // The square sits at the right of its rectangle; the prompt's arrow points at it.
    {.name = order_control::SalesTaxBox, .kind = K::CheckBox, .container = order_control::TotalDueFrame, .left = 2400, .top = 2280, .width = 495, .height = 495, .back = Grey, .tabIndex = 37, .align = Align::Right, .accessibleName = "Add Missouri sales tax"},

    {.name = order_control::CheckOption, .kind = K::OptionButton, .container = order_control::PaymentFrame, .left = 240, .top = 240, .width = 2052, .height = 255, .caption = "Check (U.S. Bank)", .back = Grey, .tabIndex = 6, .selected = true},
    {.name = order_control::MoneyOrderOption, .kind = K::OptionButton, .container = order_control::PaymentFrame, .left = 240, .top = 480, .width = 2052, .height = 252, .caption = "Money Order (U.S.)", .back = Grey, .tabIndex = 22},
    {.name = order_control::AmericanExpressOption, .kind = K::OptionButton, .container = order_control::PaymentFrame, .left = 240, .top = 960, .width = 2052, .height = 252, .caption = "American Express", .back = Grey, .tabIndex = 50},
    {.name = order_control::DiscoverOption, .kind = K::OptionButton, .container = order_control::PaymentFrame, .left = 240, .top = 1200, .width = 1335, .height = 255, .caption = "Discover", .back = Grey, .tabIndex = 27},
    {.name = order_control::MasterCardOption, .kind = K::OptionButton, .container = order_control::PaymentFrame, .left = 240, .top = 1440, .width = 1692, .height = 255, .caption = "Master Card", .back = Grey, .tabIndex = 8},
    {.name = order_control::VisaOption, .kind = K::OptionButton, .container = order_control::PaymentFrame, .left = 240, .top = 1680, .width = 852, .height = 252, .caption = "VISA", .back = Grey, .tabIndex = 7},
    {.name = order_control::DiskSizeOption, .kind = K::OptionButton, .container = order_control::DiskSizeFrame, .left = 720, .top = 360, .width = 1212, .height = 252, .caption = "3\u00BD\" HD", .back = Grey, .tabIndex = 21, .selected = true, .accessibleName = "3\u00BD inch HD disk"},
};

// After the catalogue frame, so that the two upper buttons lie above its bottom edge.
const std::vector<ControlSpec> Buttons{
    {.name = order_control::SaveButton, .kind = K::PushButton, .container = order_control::OrderPanel, .left = 5880, .top = 5400, .width = 1692, .height = 372, .caption = "Save to File", .tabIndex = 59},
    {.name = order_control::OrderLaterButton, .kind = K::PushButton, .container = order_control::OrderPanel, .left = 7560, .top = 5400, .width = 1692, .height = 372, .caption = "Order Later", .tabIndex = 60},
    {.name = order_control::PrintButton, .kind = K::PushButton, .container = order_control::OrderPanel, .left = 5880, .top = 5760, .width = 3372, .height = 372, .caption = "Print Order Form", .back = rgb(0, 255, 0), .tabIndex = 61},
};

// The card fields belong to the window itself and lie above the panel.
const std::vector<ControlSpec> CardFields{
    {.name = order_control::CardholderNameField, .kind = K::TextField, .left = 255, .top = 5200, .width = 3372, .height = 285, .caption = model::prompt::CardholderName, .back = rgb(255, 255, 255), .text = rgb(0, 0, 255), .tabIndex = 9, .enabled = false, .accessibleName = "Cardholder name"},
    {.name = order_control::CardNumberField, .kind = K::TextField, .left = 255, .top = 5520, .width = 3372, .height = 285, .caption = model::prompt::CardNumber, .text = rgb(0, 0, 255), .tabIndex = 10, .enabled = false, .accessibleName = "Card number"},
    {.name = order_control::CardExpiryField, .kind = K::TextField, .left = 3960, .top = 5520, .width = 1572, .height = 285, .caption = model::prompt::CardExpiry, .text = rgb(0, 0, 255), .tabIndex = 11, .enabled = false, .accessibleName = "Card expiry date"},
};
// clang-format on

std::vector<ControlSpec> allControls() {
    std::vector<ControlSpec> controls = FixedControls;
    for (const ProductPlace& place : ProductPlaces) {
        controls.push_back({.name = order_control::ProductBox,
                            .index = place.index,
                            .kind = K::CheckBox,
                            .container = order_control::CatalogueFrame,
                            .left = place.left,
                            .top = place.top,
                            .width = place.width,
                            .height = place.height,
                            .caption = model::productCaption(place.index),
                            .back = Grey,
                            .tabIndex = place.tabIndex});
    }
    controls.insert(controls.end(), Buttons.begin(), Buttons.end());
    controls.insert(controls.end(), CardFields.begin(), CardFields.end());
    return controls;
}

} // namespace

FormSpec orderWindowForm() {
    return {.caption = "Quendrel Software Order Form (USA)",
            .clientWidth = 9612,
            .clientHeight = 6516,
            .back = ButtonFace,
            .text = rgb(0, 0, 0),
            .font = SansBold};
}

std::span<const ControlSpec> orderWindowControls() {
    static const std::vector<ControlSpec> controls = allControls();
    return controls;
}

} // namespace windows::order
