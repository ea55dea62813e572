#pragma once

#include "documents/CalendarDate.h"
#include "support/JsonFile.h"
#include "support/SampleOrders.h"

#include <QAnyStringView>
#include <QJsonArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <numeric>
#include <string>
#include <utility>
#include <vector>

// The tests' sample orders and what the program must show for each, read
// from sample-orders.json, the one place that holds those amounts.
namespace sample {

// An order of sample-orders.json with its amounts as the window shows them.
struct Expected {
    QString name;
    std::vector<int> products;
    bool salesTax = false;
    QString subTotal;
    QString tax;
    QString taxInFile; // ORDER.TXT's tax amount, spaced; empty without tax
    QString shipping;
    QString total;
};

namespace detail {

inline QJsonObject home() {
    static const QJsonObject object = readJsonFile(ORDERFORM_SAMPLE_ORDERS);
    return object;
}

inline std::vector<int> productsOf(const QJsonValue& value) {
    std::vector<int> products;
    if (value.toString() == QLatin1String("all")) {
        products.resize(model::ProductCount);
        std::iota(products.begin(), products.end(), 0);
    }
    for (const QJsonValue row : value.toArray())
        products.push_back(row.toInt());
    return products;
}

inline model::PaymentMethod paymentOf(const QString& name) {
    // As model::PaymentMethod lists them.
    static const QStringList methods{"Check",      "Money Order",      "VISA",
                                     "MasterCard", "American Express", "Discover"};
    if (!methods.contains(name))
        qFatal("no payment method %s", qPrintable(name));
    return model::PaymentMethod(methods.indexOf(name));
}

} // namespace detail

// A text that follows from the sample orders' facts, such as the order
// window's "sales tax caption".
inline QString fact(const QString& key) {
    return detail::home().value(key).toString();
}

// An amount as the documents write it: without its "$", right-aligned in the
// nine columns after the one they print.
inline QString field(const QString& caption) {
    return caption.mid(1).rightJustified(9);
}

inline const QList<Expected>& expectedOrders() {
    static const QList<Expected> orders = [] {
        QList<Expected> list;
        for (const QJsonValue value : detail::home().value(QLatin1String("orders")).toArray()) {
            const QJsonObject row = value.toObject();
            const auto text = [&row](const char* key) {
                return row.value(QLatin1String(key)).toString();
            };
            list.append({text("name"), detail::productsOf(row.value(QLatin1String("products"))),
                         row.value(QLatin1String("sales tax")).toBool(), text("sub-total"),
                         text("tax"), text("tax in file"), text("shipping"), text("total")});
        }
        return list;
    }();
    return orders;
}

inline const Expected& expected(QAnyStringView name) {
    for (const Expected& order : expectedOrders())
        if (order.name == name)
            return order;
    qFatal("sample-orders.json has no order %s", qPrintable(name.toString()));
}

inline documents::OrderSnapshot order(const Expected& expected,
                                      model::PaymentMethod payment = model::PaymentMethod::Check) {
    return order(expected.products, expected.salesTax, payment);
}

// An order written out in full, as in `documents` of sample-orders.json:
// products, "sales tax", "payment", "customer" and "card" (without them, the
// prompts), "date" as yyyy-mm-dd.
struct Document {
    QString file; // the golden document's path in the source tree
    documents::CalendarDate date;
    documents::OrderSnapshot order;
};

inline Document documentOf(const QJsonObject& written) {
    Document document;
    document.file = written.value(QLatin1String("file")).toString();
    const QString date = written.value(QLatin1String("date")).toString();
    const QStringList parts = date.split(u'-');
    if (parts.size() != 3)
        qFatal("not a date as yyyy-mm-dd: %s", qPrintable(date));
    document.date = {parts[0].toInt(), parts[1].toInt(), parts[2].toInt()};
    document.order =
        order(detail::productsOf(written.value(QLatin1String("products"))),
              written.value(QLatin1String("sales tax")).toBool(),
              detail::paymentOf(
                  written.value(QLatin1String("payment")).toString(QStringLiteral("Check"))));
    // An entry left out keeps its prompt.
    const QJsonObject customer = written.value(QLatin1String("customer")).toObject();
    const QJsonObject card = written.value(QLatin1String("card")).toObject();
    model::CustomerEntries& entries = document.order.customer;
    const std::pair<QJsonValue, std::string*> given[] = {
        {customer.value(QLatin1String("name")), &entries.fullName},
        {customer.value(QLatin1String("address")), &entries.address},
        {customer.value(QLatin1String("city")), &entries.city},
        {customer.value(QLatin1String("state")), &entries.state},
        {customer.value(QLatin1String("zip")), &entries.zipCode},
        {customer.value(QLatin1String("phone")), &entries.phone},
        {customer.value(QLatin1String("email")), &entries.email},
        {card.value(QLatin1String("name")), &entries.cardholderName},
        {card.value(QLatin1String("number")), &entries.cardNumber},
        {card.value(QLatin1String("expiry")), &entries.cardExpiry},
    };
    for (const auto& [value, entry] : given)
        if (value.isString())
            *entry = value.toString().toStdString();
    return document;
}

// The golden documents, each with its path from the top of the source tree.
inline QList<Document> goldenDocuments() {
    QList<Document> list;
    for (const QJsonValue value : detail::home().value(QLatin1String("documents")).toArray())
        list.append(documentOf(value.toObject()));
    return list;
}

// The golden document whose path ends in `file`.
inline Document golden(QAnyStringView file) {
    for (const Document& document : goldenDocuments())
        if (document.file.endsWith(file.toString()))
            return document;
    qFatal("sample-orders.json has no document %s", qPrintable(file.toString()));
}

} // namespace sample
