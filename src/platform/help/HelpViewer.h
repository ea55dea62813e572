#pragma once

#include <QWidget>

class QPushButton;
class QTextBrowser;
class QUrl;

namespace platform {

// A small window for reading a help document: the text with its links, and
// buttons for the contents page and for going back and forward.
class HelpViewer final : public QWidget {
    Q_OBJECT

public:
    explicit HelpViewer(QWidget* parent = nullptr);

    void showDocument(const QUrl& document);
    void showMissingFile(const QString& fileName);

    QUrl document() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void showTitle();

    QTextBrowser* m_text = nullptr;
    QPushButton* m_contents = nullptr;
    QPushButton* m_back = nullptr;
    QPushButton* m_forward = nullptr;
};

} // namespace platform
