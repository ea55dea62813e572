// orderform-document: the documents the program makes of an order, for the
// end-to-end tests to compare with, and the golden documents of the tests.
//
//   orderform-document file|form YYYY-MM-DD < order.json
//   orderform-document golden SOURCE-TREE
//
// An order is written as in `documents` of tests/support/sample-orders.json.
// "file" writes ORDER.TXT's bytes as the program saves them; "form" writes the
// printed form's lines in UTF-8, one per line. "golden" rewrites each golden
// document that sample-orders.json lists, under the source tree.

#include "documents/OrderDocument.h"
#include "platform/files/OrderFileWriter.h"
#include "support/ExpectedOrders.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <cstdio>
#include <string_view>

namespace {

QByteArray orderFile(const sample::Document& document) {
    return platform::OrderFileWriter::contents(
        documents::orderFileLines(document.order, document.date));
}

QByteArray printedForm(const sample::Document& document) {
    QByteArray bytes;
    for (const std::string& line : documents::printedFormLines(document.order, document.date))
        bytes += QByteArray::fromStdString(line) + '\n';
    return bytes;
}

bool writeAll(QFile& file, const QByteArray& bytes) {
    return file.write(bytes) == bytes.size() && file.flush();
}

int writeGoldenDocuments(const QString& sourceTree) {
    for (const sample::Document& document : sample::goldenDocuments()) {
        QFile file(sourceTree + u'/' + document.file);
        if (!file.open(QIODevice::WriteOnly) || !writeAll(file, orderFile(document))) {
            std::fprintf(stderr, "%s: %s\n", qPrintable(file.fileName()),
                         qPrintable(file.errorString()));
            return 1;
        }
        std::printf("%s\n", qPrintable(document.file));
    }
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    const std::string_view mode = argc == 3 ? argv[1] : "";
    if (mode == "golden")
        return writeGoldenDocuments(QString::fromLocal8Bit(argv[2]));
    if (mode != "file" && mode != "form") {
        std::fputs("usage: orderform-document file|form YYYY-MM-DD < order.json\n"
                   "       orderform-document golden SOURCE-TREE\n",
                   stderr);
        return 2;
    }
    QFile input;
    QJsonParseError error{};
    QJsonObject written;
    if (input.open(stdin, QIODevice::ReadOnly))
        written = QJsonDocument::fromJson(input.readAll(), &error).object();
    if (!input.isOpen() || error.error != QJsonParseError::NoError) {
        std::fprintf(stderr, "the order: %s\n", qPrintable(error.errorString()));
        return 2;
    }
    written.insert(QStringLiteral("date"), QString::fromLocal8Bit(argv[2]));
    const sample::Document document = sample::documentOf(written);
    QFile output;
    const bool wroteAll =
        output.open(stdout, QIODevice::WriteOnly) &&
        writeAll(output, mode == "file" ? orderFile(document) : printedForm(document));
    return wroteAll ? 0 : 1;
}
