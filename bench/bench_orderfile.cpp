// Saving the longest order as ORDER.TXT, from the order to the file on disk,
// as "Save to File" does it: the file's lines, then the writer.

#include "documents/OrderDocument.h"
#include "platform/files/OrderFileWriter.h"
#include "support/SampleOrders.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

// Argument: the length of the customer's name; 0 keeps the prompt.
void SaveTheLongestOrder(benchmark::State& state) {
    QTemporaryDir folder;
    if (!folder.isValid()) {
        state.SkipWithError("no temporary folder");
        return;
    }
    const QString path = folder.filePath(QStringLiteral("order.txt"));
    documents::OrderSnapshot order = sample::everything(true, model::PaymentMethod::Visa);
    if (state.range(0) > 0)
        order.customer.fullName.assign(static_cast<std::size_t>(state.range(0)), 'x');

    for (auto _ : state) {
        const std::optional<QString> failure =
            platform::OrderFileWriter::write(path, documents::orderFileLines(order, {2026, 12, 8}));
        if (failure) {
            state.SkipWithError(failure->toStdString().c_str());
            return;
        }
    }
}
BENCHMARK(SaveTheLongestOrder)->Arg(0)->Arg(100000)->Unit(benchmark::kMicrosecond);

} // namespace
