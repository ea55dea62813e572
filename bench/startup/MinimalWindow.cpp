// The smallest Qt Widgets program to compare the order form's start-up with:
// one empty window of the size given as WIDTHxHEIGHT. With a third argument,
// `text`, the window shows one line of text, which makes Qt load its fonts.

#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const QStringList arguments = QApplication::arguments();
    const QStringList size = arguments.value(1).split(QLatin1Char('x'));
    QWidget window;
    window.resize(size.value(0).toInt(), size.value(1).toInt());
    if (arguments.value(2) == QLatin1String("text"))
        new QLabel(QStringLiteral("Minimal"), &window);
    window.show();
    return QApplication::exec();
}
