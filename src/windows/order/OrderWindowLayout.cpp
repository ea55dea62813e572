#include "windows/order/OrderWindowLayout.h"

#include "model/Catalogue.h"
#include "model/CustomerEntries.h"
#include "model/MoneyText.h"
#include "model/Totals.h"
#include "windows/order/OrderWindowControls.h"

#include <array>
#include <string>
#include <vector>

namespace windows::order {
namespace {

using namespace layout;
using K = ControlKind;

constexpr Colour Grey = rgb(192, 192, 192);

// "Missouri Sales Tax (6.475%):", with the rate the totals are computed with.
// Made with the window's table, not at start: writing out a double brings
// the C++ library's number tables into memory, which the splash and main
// windows can do without.
const std::string& salesTaxCaption() {
    static const std::string caption =
        "Missouri Sales Tax (" + model::plainNumberText(model::SalesTaxRate * 100) + "%):";
    return caption;
}

// Bottom of the stacking order first: a container comes before the controls
// on it, and a later row lies above an earlier one where they overlap.
auto panelAndEntries() {
    return std::to_array<ControlSpec>({
        {.name = order_control::OrderPanel,
         .kind = K::Panel,
         .place = {120, 120, 9375, 6270},
         .back = Grey,
         .tabIndex = 12},
        {.name = order_control::TotalDueFrame,
         .kind = K::GroupFrame,
         .container = order_control::OrderPanel,
         .place = {2640, 2160, 3135, 2840},
         .caption = "Total Due",
         .back = Grey,
         .text = rgb(0, 0, 255),
         .tabIndex = 31},
        {.name = order_control::CatalogueFrame,
         .kind = K::GroupFrame,
         .container = order_control::OrderPanel,
         .place = {5880, 120, 3372, 5292},
         .caption = "Click on box to order . . . ",
         .back = Grey,
         .text = rgb(0, 0, 192),
         .tabIndex = 24},
        {.name = order_control::DiskSizeFrame,
         .kind = K::GroupFrame,
         .container = order_control::OrderPanel,
         .place = {120, 2160, 2415, 735},
         .caption = "Disk Size",
         .back = Grey,
         .text = rgb(0, 0, 192),
         .tabIndex = 20},
        {.name = order_control::PaymentFrame,
         .kind = K::GroupFrame,
         .container = order_control::OrderPanel,
         .place = {120, 2955, 2415, 2040},
         .caption = "Payment Method",
         .back = Grey,
         .text = rgb(0, 0, 192),
         .tabIndex = 19},

        {.name = order_control::NameField,
         .kind = K::TextField,
         .container = order_control::OrderPanel,
         .place = {120, 120, 5655, 285},
         .caption = model::prompt::FullName,
         .tabIndex = 0,
         .accessibleName = "Full name"},
        {.name = order_control::AddressField,
         .kind = K::TextField,
         .container = order_control::OrderPanel,
         .place = {120, 360, 5652, 285},
         .caption = model::prompt::Address,
         .tabIndex = 1,
         .accessibleName = "Address"},
        {.name = order_control::CityField,
         .kind = K::TextField,
         .container = order_control::OrderPanel,
         .place = {120, 600, 2772, 285},
         .caption = model::prompt::City,
         .tabIndex = 2,
         .accessibleName = "City"},
        {.name = order_control::StateField,
         .kind = K::TextField,
         .container = order_control::OrderPanel,
         .place = {2880, 600, 1332, 285},
         .caption = model::prompt::State,
         .tabIndex = 3,
         .accessibleName = "State or country"},
        {.name = order_control::ZipCodeField,
         .kind = K::TextField,
         .container = order_control::OrderPanel,
         .place = {4200, 600, 1572, 285},
         .caption = model::prompt::ZipCode,
         .tabIndex = 4,
         .accessibleName = "ZIP or post code"},
        {.name = order_control::PhoneField,
         .kind = K::TextField,
         .container = order_control::OrderPanel,
         .place = {120, 870, 2772, 285},
         .caption = model::prompt::Phone,
         .tabIndex = 5,
         .accessibleName = "Telephone number"},
        {.name = order_control::EmailField,
         .kind = K::TextField,
         .container = order_control::OrderPanel,
         .place = {2880, 870, 2895, 285},
         .caption = model::prompt::Email,
         .tabIndex = 26,
         .accessibleName = "E-mail address"},

        {.name = order_control::DescriptionBox,
         .container = order_control::OrderPanel,
         .place = {120, 1200, 5655, 855},
         .caption = " ",
         .back = rgb(255, 255, 255),
         .text = rgb(255, 0, 0),
         .tabIndex = 23,
         .border = true,
         .accessibleName = "Product description"},
        {.name = order_control::CommentsNote,
         .container = order_control::OrderPanel,
         .place = {120, 5760, 5655, 390},
         .caption = "Please write comments on order form.",
         .back = WindowBackground,
         .text = rgb(255, 0, 0),
         .font = SansBold12,
         .tabIndex = 25,
         .align = Align::Centre,
         .border = true},

        {.name = order_control::SubTotalLabel,
         .container = order_control::TotalDueFrame,
         .place = {120, 480, 1815, 255},
         .caption = "Order Sub Total:",
         .back = Grey,
         .text = WindowText,
         .tabIndex = 18,
         .align = Align::Right},
        {.name = order_control::SubTotalAmount,
         .container = order_control::TotalDueFrame,
         .place = {2040, 480, 855, 255},
         .caption = "$0.00",
         .back = Grey,
         .text = WindowText,
         .tabIndex = 17,
         .align = Align::Right,
         .accessibleName = "Sub-total"},
        {.name = order_control::SalesTaxLabel,
         .container = order_control::TotalDueFrame,
         .place = {120, 720, 1812, 492},
         .caption = salesTaxCaption(),
         .text = WindowText,
         .tabIndex = 39,
         .align = Align::Right,
         .transparent = true},
        {.name = order_control::SalesTaxAmount,
         .container = order_control::TotalDueFrame,
         .place = {2040, 840, 855, 255},
         .caption = "$0.00",
         .text = WindowText,
         .tabIndex = 40,
         .align = Align::Right,
         .transparent = true,
         .accessibleName = "Sales tax"},
        {.name = order_control::ShippingLabel,
         .container = order_control::TotalDueFrame,
         .place = {135, 1320, 1815, 255},
         .caption = "Shipping && Handling:",
         .back = Grey,
         .text = WindowText,
         .tabIndex = 16,
         .align = Align::Right},
        {.name = order_control::ShippingAmount,
         .container = order_control::TotalDueFrame,
         .place = {2040, 1320, 870, 330},
         .caption = "$0.00",
         .back = Grey,
         .text = rgb(255, 0, 0),
         .tabIndex = 15,
         .align = Align::Right,
         .accessibleName = "Shipping"},
        {.name = order_control::ShippingNote,
         .container = order_control::TotalDueFrame,
         .place = {120, 1560, 1815, 255},
         .caption = "(Anywhere in the World)",
         .text = WindowText,
         .font = SansRegular,
         .tabIndex = 36,
         .align = Align::Centre,
         .transparent = true},
        {.name = order_control::TotalLabel,
         .container = order_control::TotalDueFrame,
         .place = {240, 1920, 1695, 255},
         .caption = "TOTAL:",
         .back = Grey,
         .text = WindowText,
         .tabIndex = 14,
         .align = Align::Right},
        {.name = order_control::TotalAmount,
         .container = order_control::TotalDueFrame,
         .place = {2040, 1920, 855, 255},
         .caption = "$0.00",
         .back = Grey,
         .text = WindowText,
         .font = SansBoldUnderlined,
         .tabIndex = 13,
         .align = Align::Right,
         .accessibleName = "Total"},
        {.name = order_control::SalesTaxPrompt,
         .container = order_control::TotalDueFrame,
         .place = {120, 2280, 2295, 495},
         .caption = "Missouri Residents click here to add sales tax:--->",
         .text = rgb(128, 0, 0),
         .tabIndex = 38,
         .transparent = true},
        // The square sits at the right of its rectangle; the prompt's arrow points at it.
        {.name = order_control::SalesTaxBox,
         .kind = K::CheckBox,
         .container = order_control::TotalDueFrame,
         .place = {2400, 2280, 495, 495},
         .back = Grey,
         .tabIndex = 37,
         .squareSide = Side::Right,
         .accessibleName = "Add Missouri sales tax"},

        {.name = order_control::CheckOption,
         .kind = K::OptionButton,
         .container = order_control::PaymentFrame,
         .place = {240, 240, 2052, 255},
         .caption = "Check (U.S. Bank)",
         .back = Grey,
         .tabIndex = 6,
         .selected = true},
        {.name = order_control::MoneyOrderOption,
         .kind = K::OptionButton,
         .container = order_control::PaymentFrame,
         .place = {240, 480, 2052, 252},
         .caption = "Money Order (U.S.)",
         .back = Grey,
         .tabIndex = 22},
        {.name = order_control::AmericanExpressOption,
         .kind = K::OptionButton,
         .container = order_control::PaymentFrame,
         .place = {240, 960, 2052, 252},
         .caption = "American Express",
         .back = Grey,
         .tabIndex = 50},
        {.name = order_control::DiscoverOption,
         .kind = K::OptionButton,
         .container = order_control::PaymentFrame,
         .place = {240, 1200, 1335, 255},
         .caption = "Discover",
         .back = Grey,
         .tabIndex = 27},
        {.name = order_control::MasterCardOption,
         .kind = K::OptionButton,
         .container = order_control::PaymentFrame,
         .place = {240, 1440, 1692, 255},
         .caption = "Master Card",
         .back = Grey,
         .tabIndex = 8},
        {.name = order_control::VisaOption,
         .kind = K::OptionButton,
         .container = order_control::PaymentFrame,
         .place = {240, 1680, 852, 252},
         .caption = "VISA",
         .back = Grey,
         .tabIndex = 7},
        {.name = order_control::DiskSizeOption,
         .kind = K::OptionButton,
         .container = order_control::DiskSizeFrame,
         .place = {720, 360, 1212, 252},
         .caption = "3\u00BD\" HD",
         .back = Grey,
         .tabIndex = 21,
         .selected = true,
         .accessibleName = "3\u00BD inch HD disk"},
    });
}

// The catalogue's boxes, top to bottom; three lines carry two boxes. Each is
// a grey check box on the catalogue frame, captioned as its catalogue row.
constexpr auto CatalogueBoxes = std::to_array<ControlSpec>({
    {.index = 4, .place = {240, 240, 1455, 195}, .tabIndex = 33},
    {.index = 5, .place = {1680, 240, 1575, 240}, .tabIndex = 34},
    {.index = 12, .place = {240, 480, 3015, 240}, .tabIndex = 46},
    {.index = 15, .place = {240, 720, 3015, 240}, .tabIndex = 49},
    {.index = 17, .place = {240, 960, 1695, 195}, .tabIndex = 52},
    {.index = 19, .place = {1920, 960, 1215, 195}, .tabIndex = 54},
    {.index = 10, .place = {240, 1200, 3015, 195}, .tabIndex = 44},
    {.index = 0, .place = {240, 1440, 2535, 195}, .tabIndex = 28},
    {.index = 1, .place = {240, 1680, 2655, 225}, .tabIndex = 30},
    {.index = 2, .place = {240, 1920, 3015, 195}, .tabIndex = 29},
    {.index = 3, .place = {240, 2160, 3015, 195}, .tabIndex = 32},
    {.index = 11, .place = {240, 2400, 2535, 195}, .tabIndex = 45},
    {.index = 23, .place = {240, 2640, 2535, 195}, .tabIndex = 58},
    {.index = 13, .place = {240, 2880, 3015, 240}, .tabIndex = 47},
    {.index = 20, .place = {240, 3120, 1692, 240}, .tabIndex = 55},
    {.index = 21, .place = {1920, 3120, 1332, 240}, .tabIndex = 56},
    {.index = 22, .place = {240, 3360, 3015, 240}, .tabIndex = 57},
    {.index = 18, .place = {240, 3600, 3015, 240}, .tabIndex = 53},
    {.index = 14, .place = {240, 3840, 3015, 240}, .tabIndex = 48},
    {.index = 16, .place = {240, 4080, 3015, 240}, .tabIndex = 51},
    {.index = 6, .place = {240, 4320, 3015, 195}, .tabIndex = 35},
    {.index = 7, .place = {240, 4560, 3015, 195}, .tabIndex = 41},
    {.index = 8, .place = {240, 4800, 3015, 195}, .tabIndex = 42},
    {.index = 9, .place = {240, 5040, 3015, 195}, .tabIndex = 43},
});

const auto ButtonsAndCardFields = std::to_array<ControlSpec>({
    // After the catalogue frame, so that the two upper buttons lie above its
    // bottom edge.
    {.name = order_control::SaveButton,
     .kind = K::PushButton,
     .container = order_control::OrderPanel,
     .place = {5880, 5400, 1692, 372},
     .caption = "Save to File",
     .tabIndex = 59},
    {.name = order_control::OrderLaterButton,
     .kind = K::PushButton,
     .container = order_control::OrderPanel,
     .place = {7560, 5400, 1692, 372},
     .caption = "Order Later",
     .tabIndex = 60},
    {.name = order_control::PrintButton,
     .kind = K::PushButton,
     .container = order_control::OrderPanel,
     .place = {5880, 5760, 3372, 372},
     .caption = "Print Order Form",
     .back = rgb(0, 255, 0),
     .tabIndex = 61},

    // The card fields belong to the window itself and lie above the panel.
    {.name = order_control::CardholderNameField,
     .kind = K::TextField,
     .place = {255, 5200, 3372, 285},
     .caption = model::prompt::CardholderName,
     .back = rgb(255, 255, 255),
     .text = rgb(0, 0, 255),
     .tabIndex = 9,
     .enabled = false,
     .accessibleName = "Cardholder name"},
    {.name = order_control::CardNumberField,
     .kind = K::TextField,
     .place = {255, 5520, 3372, 285},
     .caption = model::prompt::CardNumber,
     .text = rgb(0, 0, 255),
     .tabIndex = 10,
     .enabled = false,
     .accessibleName = "Card number"},
    {.name = order_control::CardExpiryField,
     .kind = K::TextField,
     .place = {3960, 5520, 1572, 285},
     .caption = model::prompt::CardExpiry,
     .text = rgb(0, 0, 255),
     .tabIndex = 11,
     .enabled = false,
     .accessibleName = "Card expiry date"},
});

// Every product has its box, and only one.
constexpr bool hasEveryProductOnce() {
    std::array<int, model::ProductCount> boxes{};
    for (const ControlSpec& box : CatalogueBoxes) {
        if (box.index < 0 || box.index >= model::ProductCount ||
            boxes.at(static_cast<std::size_t>(box.index))++ > 0)
            return false;
    }
    return CatalogueBoxes.size() == static_cast<std::size_t>(model::ProductCount);
}
static_assert(hasEveryProductOnce(), "the catalogue frame needs a box for every product");

std::vector<ControlSpec> allControls() {
    const auto panel = panelAndEntries();
    std::vector<ControlSpec> controls(panel.begin(), panel.end());
    for (ControlSpec box : CatalogueBoxes) {
        box.name = order_control::ProductBox;
        box.kind = K::CheckBox;
        box.container = order_control::CatalogueFrame;
        box.caption = model::productCaption(box.index);
        box.back = Grey;
        controls.push_back(box);
    }
    controls.insert(controls.end(), ButtonsAndCardFields.begin(), ButtonsAndCardFields.end());
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
