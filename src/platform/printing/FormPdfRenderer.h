#pragma once

#include <QByteArray>
#include <QPageLayout>
#include <QString>
#include <QStringList>

namespace platform {

// Lays the lines of a paper form out as a PDF document in memory: one line
// under the other from the top left corner of the printable area, in
// Liberation Mono, so that spaces and digits line up in columns.
//
// The point size is the largest (up to 10 pt) at which the longest form (72
// lines) and lines of 90 characters fit one page of the given paper, and one
// page of Letter and of A4 as well. A line wider than the printable area
// wraps onto the next line; lines that do not fit a page go on to the next.
class FormPdfRenderer final {
public:
    explicit FormPdfRenderer(const QPageLayout& page);

    // The PDF document, or an empty array when it cannot be made.
    QByteArray render(const QString& title, const QStringList& lines) const;

    // US Letter with quarter-inch margins: the paper of a printer that does
    // not say what it has.
    static QPageLayout letterPage();

private:
    QPageLayout m_page;
};

} // namespace platform
