#pragma once

#include "core/ColourValue.h"
#include "core/Twips.h"

#include <QAnyStringView>
#include <QColor>
#include <QFont>
#include <QIcon>
#include <QString>

class QLabel;
class QLineEdit;
class QWidget;

// Building the controls of the program's windows: each gets its name and its designed place.
namespace Controls {

// The small sans-serif of captions, labels and buttons.
QFont captionFont(bool bold = false);
// The OCR-A digits of the time displays, bold, at a size given in points at 96 dots per inch.
QFont digitFont(double points);

QColor toQColor(ColourValue colour);
ColourValue fromQColor(const QColor &colour);

void setBackColour(QWidget *control, ColourValue colour);
void setForeColour(QWidget *control, ColourValue colour);
ColourValue backColour(const QWidget *control);
ColourValue foreColour(const QWidget *control);

// Names the control and puts it at its place, given in twips relative to its parent.
template <class Control> Control *place(Control *control, QAnyStringView name, const QRect &twips) {
    control->setObjectName(name);
    control->setGeometry(twipsRect(twips.x(), twips.y(), twips.width(), twips.height()));
    return control;
}

// A one-line label sized to its caption, with its top left corner at (left, top) in twips.
QLabel *label(QWidget *parent, QAnyStringView name, const QString &caption, int left, int top);
// As label, in the bold caption font: a heading inside a frame.
QLabel *boldLabel(QWidget *parent, QAnyStringView name, const QString &caption, int left, int top);
// The program's own icon, drawn at the sizes desktops ask for.
QIcon programIcon();
// A frame's bold maroon title, on the frame's top edge at the given left (in twips).
QLabel *frameTitle(QWidget *frame, QAnyStringView name, const QString &caption, int left);
// The navy caption at the top of a group of option controls.
QLabel *groupCaption(QWidget *group, QAnyStringView name, const QString &caption);
// A black box that holds a time display.
QWidget *pictureBox(QWidget *parent, QAnyStringView name, const QRect &twips, ColourValue back);
// A borderless text box of digits in a time display, at most two characters.
QLineEdit *digitBox(QWidget *parent, QAnyStringView name, const QRect &twips, const QString &text,
                    double points);
// A label of digits in a time display, its text centred.
QLabel *digitLabel(QWidget *parent, QAnyStringView name, const QString &text, const QRect &twips,
                   double points);
// A path text box of the options panels: light grey, empty.
QLineEdit *pathBox(QWidget *parent, QAnyStringView name, const QRect &twips);
inline constexpr ColourValue OptionBoxGrey = colourValue(245, 245, 245);
// A check box or option button whose caption is a label of its own beside it; the label names
// the button for assistive technology.
template <class Button>
Button *labelledButton(QWidget *parent, QAnyStringView name, QAnyStringView labelName, const QString &caption,
                       int left, int top) {
    constexpr int ButtonSize = 240;
    constexpr int LabelGap = 30;
    auto *button = place(new Button(parent), name, QRect(left, top, ButtonSize, ButtonSize));
    button->setAccessibleName(caption);
    label(parent, labelName, caption, left + ButtonSize + LabelGap, top + 15);
    return button;
}

// Sets up one of the small windows besides the main one: a caption, after the two blanks that
// every caption of the program begins with, the program's icon, a close box but no minimise or
// maximise button, Escape as a click on the close box, a fixed client size given in twips, kept on
// top, centred on the screen, and deleted when closed.
void setUpSecondaryWindow(QWidget *window, const QString &caption, int widthTwips, int heightTwips);
// From now on assistive technology is told of each of the program's windows as a window, named by
// its title. Run before the first window is built.
void announceWindowsAsWindows();

} // namespace Controls
