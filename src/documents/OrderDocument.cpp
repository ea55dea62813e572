#include "documents/OrderDocument.h"

#include "documents/ValueRules.h"
#include "model/Catalogue.h"
#include "model/Vendor.h"

namespace documents {
namespace {

// Both documents carry the same lines; the paper form indents them further,
// adds two empty lines, draws longer signature rules and spaces the sales-tax
// amount like the other amounts. Indents count spaces.
struct DocumentLayout {
    int header;   // the title line
    int body;     // rules, notes, the printed-name line
    int vendor;   // the vendor's address
    int contacts; // fax, telephone and e-mail
    bool emptyLineBeforeContacts;
    int subTotal;
    int salesTax;
    bool salesTaxFromCaption; // the tax amount as the window shows it, not unrounded
    int shipping;
    int totalRule; // the rules above and below the total
    int total;
    int customer; // payment, card and address lines
    int diskette;
    int comments;
    int emptyLinesForComments;
    int signature;
    int underscores; // length of the printed-name and signature lines
};

constexpr DocumentLayout FileLayout{.header = 13,
                                    .body = 0,
                                    .vendor = 13,
                                    .contacts = 2,
                                    .emptyLineBeforeContacts = false,
                                    .subTotal = 3,
                                    .salesTax = 0,
                                    .salesTaxFromCaption = false,
                                    .shipping = 4,
                                    .totalRule = 15,
                                    .total = 7,
                                    .customer = 12,
                                    .diskette = 0,
                                    .comments = 1,
                                    .emptyLinesForComments = 2,
                                    .signature = 15,
                                    .underscores = 36};
constexpr DocumentLayout PaperLayout{.header = 19,
                                     .body = 6,
                                     .vendor = 19,
                                     .contacts = 7,
                                     .emptyLineBeforeContacts = true,
                                     .subTotal = 9,
                                     .salesTax = 6,
                                     .salesTaxFromCaption = true,
                                     .shipping = 10,
                                     .totalRule = 21,
                                     .total = 13,
                                     .customer = 18,
                                     .diskette = 4,
                                     .comments = 7,
                                     .emptyLinesForComments = 3,
                                     .signature = 21,
                                     .underscores = 38};
constexpr int ProductIndent = 9;

class LineWriter final {
public:
    void line(int indent, std::string_view text) {
        m_lines.push_back(std::string(static_cast<std::size_t>(indent), ' ') + std::string(text));
    }
    void empty() { m_lines.emplace_back(); }
    std::vector<std::string> take() { return std::move(m_lines); }

private:
    std::vector<std::string> m_lines;
};

std::string repeated(char c, int count) {
    return std::string(static_cast<std::size_t>(count), c);
}

std::string joined(std::initializer_list<std::string_view> pieces) {
    std::string text;
    for (std::string_view piece : pieces)
        text += piece;
    return text;
}

std::vector<std::string> documentLines(const OrderSnapshot& order, CalendarDate today,
                                       const DocumentLayout& layout) {
    namespace vendor = model::vendor;
    const model::CustomerEntries& entry = order.customer;
    LineWriter out;

    out.line(layout.header, joined({"Quendrel Software Order Form  ", dateText(today)}));
    out.line(layout.body, repeated('-', 62));
    out.line(layout.body, "All lines of this form must be completed in full for us to");
    out.line(layout.body, "process your order. NO C.O.D. ORDERS.");
    out.empty();
    out.line(layout.vendor, vendor::Name);
    out.line(layout.vendor, vendor::PostOfficeBox);
    out.line(layout.vendor, joined({vendor::DocumentCityLine, "  USA"}));
    out.empty();
    out.line(layout.body, "CREDIT CARD ORDER OPTIONS (VISA, MasterCard, Discover, AmEx):");
    if (layout.emptyLineBeforeContacts)
        out.empty();
    out.line(layout.contacts, joined({"* FAX:     ", vendor::TollFreeFax}));
    out.line(layout.contacts, joined({"* Phone:   ", vendor::TollFreePhone}));
    out.line(layout.contacts, joined({"* E-MAIL:  ", vendor::Email}));
    out.line(layout.body, repeated('-', 62));

    for (int i = 0; i < model::ProductCount; ++i) {
        if (order.productTicked[static_cast<std::size_t>(i)])
            out.line(ProductIndent, model::feeLine(i));
    }

    out.empty();
    out.line(layout.subTotal, joined({"Sub-Total:  $", amountField(order.subTotalCaption)}));
    if (order.salesTaxTicked) {
        const std::string tax = layout.salesTaxFromCaption ? amountField(order.salesTaxCaption)
                                                           : taxField(order.salesTax);
        out.line(layout.salesTax, joined({"MO Sales Tax:  $", tax}));
    }
    out.line(layout.shipping, joined({"Shipping:  $", shippingField()}));
    out.line(layout.totalRule, repeated('-', 11));
    out.line(layout.total, joined({"TOTAL:  $", amountField(order.totalCaption)}));
    out.line(layout.totalRule, repeated('=', 11));
    out.empty();

    out.line(layout.customer, paymentText(order.paymentMethod));
    out.empty();
    if (model::isCardPayment(order.paymentMethod)) {
        out.line(layout.customer, joined({"Cardholder Name:      ", entry.cardholderName}));
        out.line(layout.customer, joined({"Card Number:          ", entry.cardNumber}));
        out.line(layout.customer, joined({"Card Expiration Date: ", entry.cardExpiry}));
        out.empty();
    }

    out.line(layout.diskette, "The registered version is supplied on a 3.5 HD diskette.");
    out.empty();
    out.line(layout.customer, joined({entry.fullName, " "}));
    out.line(layout.customer, entry.address);
    out.line(layout.customer, joined({entry.city, ", ", entry.state, "  ", entry.zipCode}));
    out.empty();
    out.line(layout.customer, joined({"Phone:  ", entry.phone}));
    out.line(layout.customer, joined({"E-Mail: ", entry.email}));

    out.line(layout.body, repeated('-', 65));
    out.line(layout.comments, "Comments (Continue on Back if Needed): ");
    for (int i = 0; i < layout.emptyLinesForComments; ++i)
        out.empty();
    out.line(layout.body, repeated('-', 65));
    out.empty();
    out.line(layout.body,
             joined({"Purchaser's Printed Name: ", repeated('_', layout.underscores)}));
    out.empty();
    out.line(layout.signature, joined({"Signature: ", repeated('_', layout.underscores)}));
    out.empty();
    return out.take();
}

} // namespace

std::vector<std::string> orderFileLines(const OrderSnapshot& order, CalendarDate today) {
    return documentLines(order, today, FileLayout);
}

std::vector<std::string> printedFormLines(const OrderSnapshot& order, CalendarDate today) {
    return documentLines(order, today, PaperLayout);
}

} // namespace documents
