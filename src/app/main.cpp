#include "app/frmTivvet.h"

#include <QApplication>

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tivvet"));

    frmTivvet window;
    window.Form_Load();
    window.show();
    return QApplication::exec();
}
