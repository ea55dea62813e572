#include "platform/help/HelpViewer.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace platform {

HelpViewer::HelpViewer(QWidget* parent)
    : QWidget(parent, Qt::Window)
    , m_text(new QTextBrowser(this))
    , m_contents(new QPushButton(tr("&Contents"), this))
    , m_back(new QPushButton(tr("&Back"), this))
    , m_forward(new QPushButton(tr("&Forward"), this)) {
    setObjectName(QStringLiteral("HelpViewer"));
    m_text->setObjectName(QStringLiteral("HelpText"));
    m_text->setOpenLinks(true);
    m_text->setOpenExternalLinks(false);

    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {m_contents, m_back, m_forward}) {
        button->setAutoDefault(false);
        buttons->addWidget(button);
    }
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(m_text);

    connect(m_contents, &QPushButton::clicked, m_text, &QTextBrowser::home);
    connect(m_back, &QPushButton::clicked, m_text, &QTextBrowser::backward);
    connect(m_forward, &QPushButton::clicked, m_text, &QTextBrowser::forward);
    connect(m_text, &QTextBrowser::backwardAvailable, m_back, &QPushButton::setEnabled);
    connect(m_text, &QTextBrowser::forwardAvailable, m_forward, &QPushButton::setEnabled);
    connect(m_text, &QTextBrowser::sourceChanged, this, &HelpViewer::showTitle);
    m_back->setEnabled(false);
    m_forward->setEnabled(false);

    resize(560, 460);
}

void HelpViewer::showDocument(const QUrl& document) {
    m_text->setSource(document);
    m_text->setFocus();
}

void HelpViewer::showMissingFile(const QString& fileName) {
    m_text->clear();
    m_text->setPlainText(tr("The help file %1 cannot be found.").arg(fileName));
    m_contents->setEnabled(false);
    setWindowTitle(tr("Help"));
}

QUrl HelpViewer::document() const {
    return m_text->source();
}

void HelpViewer::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void HelpViewer::showTitle() {
    const QString title = m_text->documentTitle();
    setWindowTitle(title.isEmpty() ? tr("Help") : tr("Help - %1").arg(title));
}

} // namespace platform
