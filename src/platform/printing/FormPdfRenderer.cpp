#include "platform/printing/FormPdfRenderer.h"

#include <QBuffer>
#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>
#include <array>
#include <cmath>

namespace platform {
namespace {

constexpr int FittingLines = 72;   // the longest form
constexpr int FittingColumns = 90; // room for long customer entries
constexpr qreal LargestPointSize = 10;
constexpr qreal SmallestPointSize = 4;
constexpr qreal PointSizeStep = 0.1;
constexpr int Resolution = 1200; // dots per inch of the PDF's coordinates

QFont formFont(qreal pointSize) {
    QFont font(QStringLiteral("Liberation Mono"));
    font.setStyleHint(QFont::Monospace);
    font.setFixedPitch(true);
    font.setKerning(false);
    font.setPointSizeF(pointSize);
    return font;
}

QPageLayout a4Page() {
    QPageLayout page = FormPdfRenderer::letterPage();
    page.setPageSize(QPageSize(QPageSize::A4));
    return page;
}

bool formFits(const QFont& font, const QPaintDevice& device, const QPageLayout& page) {
    const QFontMetricsF metrics(font, &device);
    const QRectF area = page.paintRectPixels(Resolution);
    return FittingColumns * metrics.horizontalAdvance(QLatin1Char(' ')) <= area.width() &&
           FittingLines * metrics.lineSpacing() <= area.height();
}

// The largest point size, in steps of a tenth, at which the form fits the
// page and both common paper sizes.
qreal formPointSize(const QPaintDevice& device, const QPageLayout& page) {
    const std::array<QPageLayout, 3> pages{page, FormPdfRenderer::letterPage(), a4Page()};
    // Glyph metrics grow in proportion to the point size, so one measurement
    // gives a close first guess.
    const QFontMetricsF large(formFont(LargestPointSize), &device);
    qreal estimate = LargestPointSize;
    for (const QPageLayout& candidate : pages) {
        const QRectF area = candidate.paintRectPixels(Resolution);
        estimate = std::min(
            {estimate,
             area.width() / (FittingColumns * large.horizontalAdvance(' ')) * LargestPointSize,
             area.height() / (FittingLines * large.lineSpacing()) * LargestPointSize});
    }
    qreal size = std::floor(estimate / PointSizeStep) * PointSizeStep;
    const auto fitsEverywhere = [&](qreal pointSize) {
        return std::all_of(pages.begin(), pages.end(), [&](const QPageLayout& candidate) {
            return formFits(formFont(pointSize), device, candidate);
        });
    };
    while (size > SmallestPointSize && !fitsEverywhere(size))
        size -= PointSizeStep;
    return std::max(size, SmallestPointSize);
}

qsizetype leadingSpaces(const QString& text) {
    qsizetype count = 0;
    while (count < text.size() && text.at(count) == QLatin1Char(' '))
        ++count;
    return count;
}

// The rows that one line takes on paper: it breaks after the last space that
// still fits, or inside a word that is wider than a whole row. Continuation
// rows keep the line's indentation unless that leaves too little room.
QStringList wrapped(const QString& line, qsizetype columns) {
    if (line.size() <= columns)
        return {line};
    const qsizetype indent = leadingSpaces(line);
    const QString continuation(indent < columns / 2 ? indent : 0, QLatin1Char(' '));

    QStringList rows;
    // Indentation wider than a row would leave no room at all for the text.
    QString rest = indent < columns ? line : line.mid(indent);
    while (rest.size() > columns) {
        const qsizetype textStart = leadingSpaces(rest);
        if (textStart == rest.size())
            break; // nothing but spaces left
        qsizetype cut = rest.lastIndexOf(QLatin1Char(' '), columns);
        if (cut <= textStart)
            cut = columns;
        rows << rest.left(cut);
        rest = continuation + rest.mid(cut).mid(leadingSpaces(rest.mid(cut)));
    }
    if (!rest.trimmed().isEmpty() || rows.isEmpty())
        rows << rest;
    return rows;
}

} // namespace

FormPdfRenderer::FormPdfRenderer(const QPageLayout& page)
    : m_page(page) {}

QPageLayout FormPdfRenderer::letterPage() {
    constexpr qreal QuarterInch = 6.35;
    return QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait,
                       QMarginsF(QuarterInch, QuarterInch, QuarterInch, QuarterInch),
                       QPageLayout::Millimeter);
}

QByteArray FormPdfRenderer::render(const QString& title, const QStringList& lines) const {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setResolution(Resolution);
    writer.setTitle(title);
    writer.setCreator(QStringLiteral("Quendrel Order Form"));
    if (!writer.setPageLayout(m_page))
        return {};

    const QFont font = formFont(formPointSize(writer, m_page));
    const QFontMetricsF metrics(font, &writer);
    const QRectF area = m_page.paintRectPixels(Resolution);
    const qreal lineSpacing = metrics.lineSpacing();
    const auto columns = std::max<qsizetype>(
        1, static_cast<qsizetype>(area.width() / metrics.horizontalAdvance(QLatin1Char(' '))));
    const int rowsPerPage = std::max(1, static_cast<int>(area.height() / lineSpacing));

    QPainter painter;
    if (!painter.begin(&writer))
        return {};
    painter.setFont(font);
    int row = 0;
    for (const QString& line : lines) {
        for (const QString& text : wrapped(line, columns)) {
            if (row == rowsPerPage) {
                if (!writer.newPage())
                    return {};
                row = 0;
            }
            painter.drawText(QPointF(0, row * lineSpacing + metrics.ascent()), text);
            ++row;
        }
    }
    if (!painter.end())
        return {};
    return buffer.data();
}

} // namespace platform
