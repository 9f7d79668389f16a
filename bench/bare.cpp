// The yardstick for the start-up benchmark: a plain Qt window of the game's
// size with twenty coloured labels and nothing else.
#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare!"));
    window.setFixedSize(396, 355);
    QPalette yellow = window.palette();
    yellow.setColor(QPalette::Window, QColor(255, 255, 0));
    window.setPalette(yellow);
    window.setAutoFillBackground(true);
    for (int i = 0; i < 20; ++i) {
        auto* label = new QLabel(QStringLiteral("Label %1").arg(i + 1), &window);
        label->setGeometry(8 + (i / 10) * 128, 8 + (i % 10) * 32, 120, 23);
        QPalette green = label->palette();
        green.setColor(QPalette::Window, QColor(0, 255, 0));
        label->setPalette(green);
        label->setAutoFillBackground(true);
    }
    window.show();
    return QApplication::exec();
}
