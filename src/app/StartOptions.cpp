#include "app/StartOptions.h"

#include "controls/Controls.h"
#include "persistence/Autostart.h"

#include <QCheckBox>

using namespace Qt::StringLiterals;

StartOptions::StartOptions(QWidget *window, Autostart &autostart, const QString &programPath)
    : QObject(window)
    //: Beside a check box, 130 pixels: the program starts when the user logs in to the desktop. Say
    //: it as your language's desktops do, not word for word.
    , CheckStart(Controls::labelledButton<QCheckBox>(window, "CheckStart", "Label17",
                                                     tr("start with windows"), 95, 4980))
    //: Beside a check box, 110 pixels: the program starts with only its icon in the tray.
    , CheckMin(Controls::labelledButton<QCheckBox>(window, "CheckMin", "Label16", tr("start minimized"), 2330,
                                                   4980))
    , m_autostart(autostart)
    , m_programPath(programPath) {
    connect(CheckStart, &QCheckBox::stateChanged, this, &StartOptions::CheckStart_Click);
}

void StartOptions::CheckStart_Click() {
    if (!ownsUserFiles)
        return;
    const QString command = CheckStart->isChecked() ? m_programPath : QString();
    m_autostart.writeEntry(u"Tivvet"_s, command);
}
