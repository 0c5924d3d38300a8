#include "info/frmAbout.h"

#include "controls/Controls.h"
#include "controls/FlatBttn.h"
#include "controls/Frame.h"
#include "core/ProductInfo.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QIcon>
#include <QLabel>
#include <QUrl>

using namespace Qt::StringLiterals;
using Controls::place;

frmAbout::frmAbout() {
    setObjectName(u"frmAbout"_s);
    //: The About window's title.
    Controls::setUpSecondaryWindow(this, tr("About"), 4680, 2445);
    auto *frame = place(new Frame(this), "Frame1", QRect(95, 10, 4500, 2340));

    auto *logo = place(new QLabel(frame), "Picture1", QRect(280, 240, 3915, 390));
    logo->setPixmap(QIcon(u":/logo.svg"_s).pixmap(261, 26));
    logo->setAlignment(Qt::AlignCenter);
    logo->setAccessibleName(u"The Tivvet"_s);

    QLabel *version =
        //: The About window's bold version line, centred; at most 280 pixels.
        Controls::label(frame, "Label3", tr("Version 3.0 for Windows 95, 98, and NT"), 530, 660);
    version->setFont(Controls::captionFont(true));
    version->adjustSize();
    Controls::setForeColour(version, Colour::Maroon);
    Controls::label(frame, "Label1", tr("Please visit our home on the Web at:"), 920, 1060);
    // A link the keyboard reaches too: the one control to take the focus, it has it once the window
    // is active.
    auto *home = place(new FlatBttn(QString::fromLatin1(ProductInfo::HomePage), frame), "Label2",
                       QRect(540, 1280, 0, 255));
    home->setBorderless(true);
    home->setFixedWidth(home->fontMetrics().horizontalAdvance(home->text()) + twipsToPixels(120));
    Controls::setForeColour(home, Colour::Blue);
    home->setCursor(Qt::PointingHandCursor);
    connect(home, &FlatBttn::Click, this, &frmAbout::openHomePage);
    Controls::setForeColour(
        Controls::label(frame, "Label4", QString::fromLatin1(ProductInfo::ContactAddress), 1330, 1540),
        Colour::Navy);
    Controls::label(frame, "lblCopyright", QCoreApplication::translate("ProductInfo", ProductInfo::Ownership),
                    1030, 1920);

    // Each line centred across the frame, as its designed place roughly is.
    for (QWidget *line : frame->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        if (line != logo)
            line->move((frame->width() - line->width()) / 2, line->y());
}

// Opens the home page in the user's browser; if none starts, nothing else changes.
void frmAbout::openHomePage() {
    QDesktopServices::openUrl(QUrl(QString::fromLatin1(ProductInfo::HomePage)));
}
