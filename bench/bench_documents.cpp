// The order's arithmetic and its two documents, for the longest order there
// is: every product, Missouri sales tax and a card payment.

#include "documents/OrderDocument.h"
#include "model/Totals.h"
#include "support/SampleOrders.h"

#include <benchmark/benchmark.h>

namespace {

constexpr documents::CalendarDate Today{2026, 12, 8};

void RecalculateTotalsOfTheLongestOrder(benchmark::State& state) {
    model::OrderRecord record;
    record.productTicked.fill(true);
    record.salesTaxTicked = true;
    for (auto _ : state) {
        model::TotalsTexts texts = model::recalculateTotals(record);
        benchmark::DoNotOptimize(texts);
    }
}
BENCHMARK(RecalculateTotalsOfTheLongestOrder);

void OrderFileLinesOfTheLongestOrder(benchmark::State& state) {
    const documents::OrderSnapshot order = sample::everything(true, model::PaymentMethod::Visa);
    for (auto _ : state) {
        std::vector<std::string> lines = documents::orderFileLines(order, Today);
        benchmark::DoNotOptimize(lines);
    }
}
BENCHMARK(OrderFileLinesOfTheLongestOrder);

void PrintedFormLinesOfTheLongestOrder(benchmark::State& state) {
    const documents::OrderSnapshot order = sample::everything(true, model::PaymentMethod::Visa);
    for (auto _ : state) {
        std::vector<std::string> lines = documents::printedFormLines(order, Today);
        benchmark::DoNotOptimize(lines);
    }
}
BENCHMARK(PrintedFormLinesOfTheLongestOrder);

} // namespace
