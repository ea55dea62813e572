#pragma once

#include "documents/CalendarDate.h"
#include "support/SampleOrders.h"

#include <QAnyStringView>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QList>
#include <QString>
#include <array>
#include <numeric>
#include <string_view>
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
    static const QJsonObject object = [] {
        QFile file(QStringLiteral(ORDERFORM_SAMPLE_ORDERS));
        if (!file.open(QIODevice::ReadOnly))
            qFatal("cannot read %s", ORDERFORM_SAMPLE_ORDERS);
        QJsonParseError error{};
        const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &error);
        if (document.isNull())
            qFatal("%s: %s", ORDERFORM_SAMPLE_ORDERS, qPrintable(error.errorString()));
        return document.object();
    }();
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
    using model::PaymentMethod;
    static const std::array<std::pair<QLatin1String, PaymentMethod>, 6> methods{{
        {QLatin1String("Check"), PaymentMethod::Check},
        {QLatin1String("Money Order"), PaymentMethod::MoneyOrder},
        {QLatin1String("VISA"), PaymentMethod::Visa},
        {QLatin1String("MasterCard"), PaymentMethod::MasterCard},
        {QLatin1String("American Express"), PaymentMethod::AmericanExpress},
        {QLatin1String("Discover"), PaymentMethod::Discover},
    }};
    for (const auto& [written, method] : methods)
        if (name == written)
            return method;
    qFatal("no payment method %s", qPrintable(name));
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
    const auto text = [](const QJsonObject& object, const char* key, std::string_view prompt) {
        const QJsonValue value = object.value(QLatin1String(key));
        return value.isString() ? value.toString().toStdString() : std::string(prompt);
    };
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
    const QJsonObject customer = written.value(QLatin1String("customer")).toObject();
    const QJsonObject card = written.value(QLatin1String("card")).toObject();
    namespace prompt = model::prompt;
    document.order.customer = {
        text(customer, "name", prompt::FullName), text(customer, "address", prompt::Address),
        text(customer, "city", prompt::City),     text(customer, "state", prompt::State),
        text(customer, "zip", prompt::ZipCode),   text(customer, "phone", prompt::Phone),
        text(customer, "email", prompt::Email),   text(card, "name", prompt::CardholderName),
        text(card, "number", prompt::CardNumber), text(card, "expiry", prompt::CardExpiry)};
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
