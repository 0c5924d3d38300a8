// The floor for any Qt program of this kind: a window with a label updated each second and a tray
// icon, and nothing else. With "--text" the label shows the time from the start, so that the font
// is loaded before the window is mapped, as in any program whose first frame holds text.
#include <QApplication>
#include <QDateTime>
#include <QIcon>
#include <QLabel>
#include <QPixmap>
#include <QSystemTrayIcon>
#include <QTimer>

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    QLabel label;
    label.setWindowTitle(QStringLiteral("floor"));
    label.resize(371, 217);
    const auto showTime = [&label] { label.setText(QDateTime::currentDateTime().toString()); };
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, &label, showTime);
    timer.start(1000);
    if (app.arguments().contains(QStringLiteral("--text"))) { // measured, as a layout would
        showTime();
        label.resize(label.sizeHint().expandedTo(label.size()));
    }
    QPixmap square(22, 22);
    square.fill(Qt::darkGray);
    QSystemTrayIcon tray{QIcon(square)};
    tray.show();
    label.show();
    return QApplication::exec();
}
