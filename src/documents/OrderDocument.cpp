#include "documents/OrderDocument.h"

#include "documents/ValueRules.h"
#include "model/Catalogue.h"
#include "model/Vendor.h"

namespace documents {
namespace {

// Both documents carry the same lines; the paper form indents them further,
// adds two empty lines, draws longer signature rules and spaces the sales-tax
// amount like the other amounts.
struct DocumentLayout {
    int header;
    int body;
    int vendor;
    int contacts;
    bool emptyLineBeforeContacts;
    int subTotal;
    int salesTax;
    bool salesTaxFromCaption;
    int shipping;
    int totalRule;
    int total;
    int customer;
    int diskette;
    int comments;
    int emptyLinesForComments;
    int signature;
    int underscores;
};

constexpr DocumentLayout FileLayout{13, 0, 13, 2, false, 3, 0,  false, 4,
                                    15, 7, 12, 0, 1,     2, 15, 36};
constexpr DocumentLayout PaperLayout{19, 6,  19, 7, true, 9, 6,  true, 10,
                                     21, 13, 18, 4, 7,    3, 21, 38};
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
    const model::CustomerEntries& entry = order.entries;
    LineWriter out;

    out.line(layout.header, joined({"Quendrel Software Order Form  ", DateText(today)}));
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
    out.line(layout.contacts, joined({"* E-MAIL:  ", vendor::EMail}));
    out.line(layout.body, repeated('-', 62));

    for (int i = 0; i <= model::ProductCount; ++i) {
        if (order.products[static_cast<std::size_t>(i)])
            out.line(ProductIndent, model::FeeLine(i));
    }

    out.empty();
    out.line(layout.subTotal, joined({"Sub-Total:  $", AmountField(order.subTotalCaption)}));
    if (order.salesTaxTicked) {
        const std::string taxField = layout.salesTaxFromCaption ? AmountField(order.salesTaxCaption)
                                                                : TaxField(order.salesTax);
        out.line(layout.salesTax, joined({"MO Sales Tax:  $", taxField}));
    }
    out.line(layout.shipping, joined({"Shipping:  $", ShippingField()}));
    out.line(layout.totalRule, repeated('-', 11));
    out.line(layout.total, joined({"TOTAL:  $", AmountField(order.totalCaption)}));
    out.line(layout.totalRule, repeated('=', 11));
    out.empty();

    if (const std::string_view payment = PaymentText(order.paymentOption); !payment.empty())
        out.line(layout.customer, payment);
    out.empty();
    if (model::IsCardPayment(order.paymentOption)) {
        out.line(layout.customer, joined({"Cardholder Name:      ", entry.CardName}));
        out.line(layout.customer, joined({"Card Number:          ", entry.CardNum}));
        out.line(layout.customer, joined({"Card Expiration Date: ", entry.CardExp}));
        out.empty();
    }

    out.line(layout.diskette, "The registered version is supplied on a 3.5 HD diskette.");
    out.empty();
    out.line(layout.customer, joined({entry.FirstName, " "}));
    out.line(layout.customer, entry.Address);
    out.line(layout.customer, joined({entry.City, ", ", entry.State, "  ", entry.Zip}));
    out.empty();
    out.line(layout.customer, joined({"Phone:  ", entry.DayPhone}));
    out.line(layout.customer, joined({"E-Mail: ", entry.EMail}));

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

std::vector<std::string> OrderFileLines(const OrderSnapshot& order, CalendarDate today) {
    return documentLines(order, today, FileLayout);
}

std::vector<std::string> PrintedFormLines(const OrderSnapshot& order, CalendarDate today) {
    return documentLines(order, today, PaperLayout);
}

} // namespace documents
