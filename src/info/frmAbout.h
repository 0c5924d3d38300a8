#pragma once

#include <QWidget>

// The About window: the version, the logo, the home page (a click, or Space or Enter on it, opens
// it) and the contact lines.
class frmAbout : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmAbout)

public:
    frmAbout();

    void openHomePage();
};
