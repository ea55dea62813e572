#include "platform/help/Help.h"

#include "platform/help/HelpViewer.h"
#include "platform/ui/Focus.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPointer>

namespace platform {
namespace {

QString currentHelpFile;
QPointer<HelpViewer> openViewer;

// Catches F1 on its way to any widget of the program.
class HelpKeyFilter final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress || !watched->isWidgetType() ||
            currentHelpFile.isEmpty())
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() != Qt::Key_F1 || key->modifiers() != Qt::NoModifier)
            return false;
        Help::showHelpFile();
        return true;
    }
};

void installHelpKeyFilter() {
    static QPointer<HelpKeyFilter> filter;
    if (!filter && qApp) {
        filter = new HelpKeyFilter(qApp);
        qApp->installEventFilter(filter);
    }
}

// The viewer belongs to the modal window that is open, if any, so that it
// takes input while that window blocks the rest of the program.
HelpViewer& viewerForActiveWindow() {
    QWidget* modal = QApplication::activeModalWidget();
    if (openViewer && openViewer->parentWidget() != modal) {
        openViewer->hide();
        openViewer->deleteLater();
        openViewer = nullptr;
    }
    if (!openViewer)
        openViewer = new HelpViewer(modal);
    return *openViewer;
}

} // namespace

void Help::setHelpFile(const QString& fileName) {
    currentHelpFile = fileName;
    if (!fileName.isEmpty())
        installHelpKeyFilter();
}

QString Help::helpFile() {
    return currentHelpFile;
}

void Help::pressHelpKey(QWidget& fallback) {
    QWidget* window = QApplication::activeWindow();
    sendKey(window ? *window : fallback, Qt::Key_F1);
}

void Help::showHelpFile() {
    if (currentHelpFile.isEmpty())
        return;
    HelpViewer& viewer = viewerForActiveWindow();
    const QUrl document = documentFor(currentHelpFile);
    if (document.isEmpty())
        viewer.showMissingFile(currentHelpFile);
    else
        viewer.showDocument(document);
    viewer.show();
    viewer.raise();
    viewer.activateWindow();
}

QUrl Help::documentFor(const QString& fileName) {
    if (fileName.compare(QLatin1String("Winhelp.hlp"), Qt::CaseInsensitive) == 0)
        return QUrl(QStringLiteral("qrc:/help/using-help.html"));
    return {};
}

} // namespace platform
