#include "platform/printing/FormPdfRenderer.h"
#include "support/PrivateCups.h"

#include <QRegularExpression>
#include <QTemporaryFile>
#include <QTest>

using platform::FormPdfRenderer;

namespace {

privatecups::PrintedDocument rendered(const QPageLayout& page, const QStringList& lines) {
    QTemporaryFile pdf;
    if (!pdf.open())
        return {};
    pdf.write(FormPdfRenderer(page).render(QStringLiteral("Test"), lines));
    pdf.close();
    return privatecups::readPdf(pdf.fileName(), page.paintRect(QPageLayout::Point).topLeft());
}

QPageLayout page(QPageSize::PageSizeId size, qreal marginMillimetres) {
    const QMarginsF margins(marginMillimetres, marginMillimetres, marginMillimetres,
                            marginMillimetres);
    return QPageLayout(QPageSize(size), QPageLayout::Portrait, margins, QPageLayout::Millimeter);
}

} // namespace

class FormPdfRendererTest final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void longestFormWithWideLinesFitsOnePage_data() {
        QTest::addColumn<QPageLayout>("page");
        QTest::addRow("Letter") << FormPdfRenderer::letterPage();
        QTest::addRow("A4") << page(QPageSize::A4, 6.35);
        QTest::addRow("A5, wide margins") << page(QPageSize::A5, 15);
        QTest::addRow("A3") << page(QPageSize::A3, 5);
    }

    // 72 lines of 90 characters, every one of them in its place, and on any
    // paper in a size that would fit Letter and A4 as well.
    void longestFormWithWideLinesFitsOnePage() {
        QFETCH(QPageLayout, page);
        QStringList lines;
        for (int line = 0; line < 72; ++line) {
            QString text = QString(line % 10, ' ') + QString::number(line) + ':';
            while (text.size() < 90)
                text += QChar(char16_t(u'a' + (text.size() + line) % 26));
            lines << text;
        }

        const privatecups::PrintedDocument printed = rendered(page, lines);
        QCOMPARE(printed.pages, QList<QStringList>{lines});
        QCOMPARE(printed.pageSize.toSize(), page.fullRect(QPageLayout::Point).size().toSize());
        const qreal narrowestWidth =
            FormPdfRenderer::letterPage().paintRect(QPageLayout::Point).width();
        QVERIFY(90 * printed.pitch <= qMin(narrowestWidth, 595 - 2 * 18.0));
    }

    void textLongerThanARowWrapsWhole() {
        const QString unbroken = QString(18, ' ') + QString(150, 'x') + "END";
        const QString words = QString(18, ' ') + QString("word ").repeated(40) + "END";
        const QStringList printed =
            rendered(FormPdfRenderer::letterPage(), {"first", unbroken, words, "last"})
                .pages.value(0);

        QCOMPARE(printed.first(), "first");
        QCOMPARE(printed.last(), "last");
        QVERIFY(printed.size() > 6);
        QCOMPARE(printed.join(QString()).remove(' '),
                 QString("first" + unbroken + words + "last").remove(' '));
        // Continuation rows keep the indentation.
        for (const QString& row : printed.mid(1, printed.size() - 2))
            QCOMPARE(row.indexOf(QRegularExpression(QStringLiteral("[^ ]"))), 18);
    }
};

QTEST_MAIN(FormPdfRendererTest)
#include "tst_formpdfrenderer.moc"
