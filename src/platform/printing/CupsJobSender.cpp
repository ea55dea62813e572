#include "platform/printing/CupsJobSender.h"

#include "platform/printing/FormPdfRenderer.h"

#include <QCoreApplication>
#include <QRectF>
#include <QSizeF>
#include <algorithm>

namespace platform {
namespace {

constexpr int ConnectTimeoutMilliseconds = 30000;
constexpr qsizetype WriteChunk = qsizetype{64} * 1024;

bool succeeded(ipp_status_t status) {
    return status <= IPP_STATUS_OK_EVENTS_COMPLETE;
}

QString tr(const char* text) {
    return QCoreApplication::translate("platform::CupsJobSender", text);
}

} // namespace

CupsJobSender::CupsJobSender()
    : m_cups(CupsLibrary::load(&m_loadFailure)) {}

CupsJobSender::~CupsJobSender() {
    if (m_destination)
        m_cups->cupsFreeDests(1, m_destination);
    if (m_http)
        m_cups->httpClose(m_http);
}

bool CupsJobSender::connect() {
    if (m_http)
        return true;
    if (!m_cups) {
        m_lastError = tr("The printing system is not installed (%1).").arg(m_loadFailure);
        return false;
    }
    m_http = m_cups->httpConnect2(m_cups->cupsServer(), m_cups->ippPort(), nullptr, AF_UNSPEC,
                                  m_cups->cupsEncryption(), 1, ConnectTimeoutMilliseconds, nullptr);
    return m_http || fail(notRunning());
}

bool CupsJobSender::findDefaultDestination() {
    if (m_destination) {
        m_cups->cupsFreeDests(1, m_destination);
        m_destination = nullptr;
    }
    if (!connect())
        return false;
    m_destination = m_cups->cupsGetNamedDest(m_http, nullptr, nullptr);
    return m_destination ||
           fail(tr("No default printer was found.\rChoose a default printer in the system's "
                   "printer settings, then choose Retry."));
}

QPageLayout CupsJobSender::defaultPage() const {
    if (!m_http || !m_destination)
        return FormPdfRenderer::letterPage();
    // The user's choice for the destination (lpoptions) comes first, then the
    // printer's own default. (cupsGetDestMediaDefault reads only the former.)
    cups_dinfo_t* info = m_cups->cupsCopyDestInfo(m_http, m_destination);
    const char* name =
        m_cups->cupsGetOption("media", m_destination->num_options, m_destination->options);
    if (!name && info) {
        if (ipp_attribute_t* media =
                m_cups->cupsFindDestDefault(m_http, m_destination, info, "media"))
            name = m_cups->ippGetString(media, 0, nullptr);
    }
    cups_size_t media{};
    const bool known = info && name &&
                       m_cups->cupsGetDestMediaByName(m_http, m_destination, info, name,
                                                      CUPS_MEDIA_FLAGS_DEFAULT, &media) &&
                       media.width > 0 && media.length > 0;
    m_cups->cupsFreeDestInfo(info);
    if (!known)
        return FormPdfRenderer::letterPage();

    // libcups measures media in hundredths of a millimetre.
    const auto mm = [](int hundredths) {
        return hundredths / 100.0;
    };
    const QPageLayout page(
        QPageSize(QSizeF(mm(media.width), mm(media.length)), QPageSize::Millimeter, QString(),
                  QPageSize::FuzzyMatch),
        QPageLayout::Portrait,
        QMarginsF(mm(media.left), mm(media.top), mm(media.right), mm(media.bottom)),
        QPageLayout::Millimeter);
    return page.isValid() && !page.paintRect().isEmpty() ? page : FormPdfRenderer::letterPage();
}

bool CupsJobSender::createJob(const QString& title) {
    if (!connect())
        return false;
    // The destination's options carry the user's choices (lpoptions), as lp
    // passes them.
    m_jobId = m_cups->cupsCreateJob(m_http, m_destination->name, title.toUtf8().constData(),
                                    m_destination->num_options, m_destination->options);
    if (m_jobId > 0)
        return true;
    if (m_cups->cupsLastError() == IPP_STATUS_ERROR_NOT_ACCEPTING_JOBS)
        return fail(tr("The printer \"%1\" is not accepting print jobs.\rLet it accept jobs "
                       "again in the system's printer settings, then choose Retry.")
                        .arg(QString::fromUtf8(m_destination->name)));
    return fail(tr("The printer refused the print job."));
}

bool CupsJobSender::sendDocument(const QString& name, const QByteArray& pdf) {
    if (!connect())
        return false;
    const char* destination = m_destination->name;
    if (m_cups->cupsStartDocument(m_http, destination, m_jobId, name.toUtf8().constData(),
                                  CUPS_FORMAT_PDF, 1) != HTTP_STATUS_CONTINUE)
        return fail(tr("The printer refused the document."));
    for (qsizetype sent = 0; sent < pdf.size(); sent += WriteChunk) {
        const qsizetype length = std::min(WriteChunk, pdf.size() - sent);
        if (m_cups->cupsWriteRequestData(m_http, pdf.constData() + sent,
                                         static_cast<size_t>(length)) != HTTP_STATUS_CONTINUE)
            return fail(tr("The document could not be sent to the printer."));
    }
    // The scheduler's answer, read here rather than by cupsFinishDocument:
    // when the connection breaks off before an answer comes, that reports
    // the last status it had, a success, for a document that never arrived.
    const QByteArray resource = QByteArrayLiteral("/printers/") + destination;
    ipp_t* answer = m_cups->cupsGetResponse(m_http, resource.constData());
    const bool received = answer && succeeded(m_cups->ippGetStatusCode(answer));
    m_cups->ippDelete(answer);
    if (!answer)
        return fail(tr("The printing system did not confirm that it received the order "
                       "form.\rChoose Retry to send it again."));
    if (!received)
        return fail(tr("The printer refused the document."));
    m_jobId = 0; // complete: released to the printer, no longer ours to withdraw
    return true;
}

bool CupsJobSender::cancelJob() {
    if (m_jobId <= 0)
        return true;
    if (!connect())
        return false;
    if (!succeeded(m_cups->cupsCancelJob2(m_http, m_destination->name, m_jobId, 0))) {
        const ipp_status_t status = m_cups->cupsLastError();
        if (status != IPP_STATUS_ERROR_NOT_FOUND && status != IPP_STATUS_ERROR_NOT_POSSIBLE)
            return fail(tr("The print job could not be cancelled."));
    }
    m_jobId = 0;
    return true;
}

QString CupsJobSender::notRunning() {
    return tr("The printing system is not running.\rStart it, or have it started, then choose "
              "Retry.");
}

// Says what went wrong in the person's words, with the system's own
// description after them, and drops the connection, which may be left in the
// middle of a request: the next step starts on a fresh one. Whatever the
// step, a scheduler that no longer answers is named as such.
bool CupsJobSender::fail(const QString& cause) {
    const ipp_status_t status = m_cups->cupsLastError();
    const char* description = m_cups->cupsLastErrorString();
    m_lastError = status == IPP_STATUS_ERROR_SERVICE_UNAVAILABLE ? notRunning() : cause;
    if (!succeeded(status) && description && *description)
        m_lastError += tr("\r\r(%1)").arg(QString::fromUtf8(description));
    if (m_http) {
        m_cups->httpClose(m_http);
        m_http = nullptr;
    }
    return false;
}

} // namespace platform
