#include "controls/Controls.h"

#include "controls/AROnTop.h"

#include <QAccessibleWidget>
#include <QDir>
#include <QGuiApplication>
#include <QIcon>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPixmap>
#include <QResource>
#include <QScreen>
#include <QShortcut>

#include <mutex>

using namespace Qt::StringLiterals;

namespace Controls {
namespace {

// Fonts are sized in pixels, like every designed place, so that text and boxes scale together.
int pointsToPixels(double points) {
    return qRound(points * 96.0 / 72.0);
}

// A window made straight from QWidget, as each of the program's is; Qt tells of such a widget as a
// part of a window.
QAccessibleInterface *windowInterface(const QString &, QObject *object) {
    auto *window = qobject_cast<QWidget *>(object);
    if (!window || !window->isWindow() || object->metaObject()->superClass() != &QWidget::staticMetaObject)
        return nullptr;
    return new QAccessibleWidget(window, QAccessible::Window);
}

} // namespace

QColor toQColor(ColourValue colour) {
    return QColor(redOf(colour), greenOf(colour), blueOf(colour));
}

ColourValue fromQColor(const QColor &colour) {
    return colourValue(colour.red(), colour.green(), colour.blue());
}

QFont captionFont(bool bold) {
    QFont font;
    font.setFamilies({u"Liberation Sans"_s, u"Arial"_s, u"DejaVu Sans"_s});
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pointsToPixels(8.25));
    font.setBold(bold);
    return font;
}

QFont digitFont(double points) {
    QFont font(u"OCRA"_s);
    font.setStyleHint(QFont::Monospace);
    font.setPixelSize(pointsToPixels(points));
    font.setBold(true);
    return font;
}

void setBackColour(QWidget *control, ColourValue colour) {
    QPalette palette = control->palette();
    for (auto role : {QPalette::Window, QPalette::Base, QPalette::Button})
        palette.setColor(role, toQColor(colour));
    control->setPalette(palette);
    control->setAutoFillBackground(true);
}

ColourValue backColour(const QWidget *control) {
    return fromQColor(control->palette().color(QPalette::Window));
}

ColourValue foreColour(const QWidget *control) {
    return fromQColor(control->palette().color(QPalette::WindowText));
}

void setForeColour(QWidget *control, ColourValue colour) {
    QPalette palette = control->palette();
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(role, toQColor(colour));
    control->setPalette(palette);
}

namespace {

// Sized only once its font is known, so that its text is measured once.
QLabel *unsizedLabel(QWidget *parent, QAnyStringView name, const QString &caption, int left, int top) {
    auto *control = new QLabel(caption, parent);
    control->setObjectName(name);
    control->move(twipsToPixels(left), twipsToPixels(top));
    return control;
}

} // namespace

QLabel *label(QWidget *parent, QAnyStringView name, const QString &caption, int left, int top) {
    QLabel *control = unsizedLabel(parent, name, caption, left, top);
    control->adjustSize();
    return control;
}

QLabel *boldLabel(QWidget *parent, QAnyStringView name, const QString &caption, int left, int top) {
    QLabel *control = unsizedLabel(parent, name, caption, left, top);
    control->setFont(captionFont(true));
    control->adjustSize();
    return control;
}

// Raw pixels rendered at build time: neither an SVG renderer nor an image decoder with its format
// plugins is loaded at start.
QIcon programIcon() {
    QIcon icon;
    for (const QString &folder : QDir(u":/icons"_s).entryList()) {
        const int size = folder.toInt();
        const QByteArray pixels = QResource(u":/icons/%1/tivvet.argb"_s.arg(folder)).uncompressedData();
        if (pixels.size() != qsizetype(size) * size * 4)
            continue;
        const QImage image(reinterpret_cast<const uchar *>(pixels.constData()), size, size,
                           QImage::Format_ARGB32_Premultiplied);
        icon.addPixmap(QPixmap::fromImage(image.copy())); // the pixels go out of scope
    }
    return icon;
}

QLabel *frameTitle(QWidget *frame, QAnyStringView name, const QString &caption, int left) {
    QLabel *title = unsizedLabel(frame, name, caption, left, 0);
    title->setFont(captionFont(true));
    title->setMargin(2);
    title->adjustSize();
    // Opaque, so that it interrupts the frame's line.
    title->setAutoFillBackground(true);
    setForeColour(title, Colour::Maroon);
    return title;
}

QLabel *groupCaption(QWidget *group, QAnyStringView name, const QString &caption) {
    QLabel *control = label(group, name, caption, 120, 120);
    setForeColour(control, Colour::Navy);
    return control;
}

QWidget *pictureBox(QWidget *parent, QAnyStringView name, const QRect &twips, ColourValue back) {
    auto *box = place(new QWidget(parent), name, twips);
    setBackColour(box, back);
    return box;
}

QLineEdit *digitBox(QWidget *parent, QAnyStringView name, const QRect &twips, const QString &text,
                    double points) {
    auto *box = place(new QLineEdit(text, parent), name, twips);
    box->setFrame(false);
    box->setMaxLength(2);
    box->setFont(digitFont(points));
    box->setAlignment(Qt::AlignCenter);
    // A line edit keeps two pixels free on each side of its text; these boxes are just as wide as
    // their two digits, so that they never scroll them.
    box->setTextMargins(-2, 0, -2, 0);
    return box;
}

QLabel *digitLabel(QWidget *parent, QAnyStringView name, const QString &text, const QRect &twips,
                   double points) {
    auto *control = place(new QLabel(text, parent), name, twips);
    control->setFont(digitFont(points));
    control->setAlignment(Qt::AlignCenter);
    return control;
}

QLineEdit *pathBox(QWidget *parent, QAnyStringView name, const QRect &twips) {
    auto *box = place(new QLineEdit(parent), name, twips);
    setBackColour(box, OptionBoxGrey);
    return box;
}

void setUpSecondaryWindow(QWidget *window, const QString &caption, int widthTwips, int heightTwips) {
    announceWindowsAsWindows();
    window->setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowTitle(u"  "_s + caption);
    window->setWindowIcon(programIcon());
    window->setFont(captionFont());
    window->setFixedSize(twipsToPixels(widthTwips), twipsToPixels(heightTwips));
    QObject::connect(new QShortcut(Qt::Key_Escape, window), &QShortcut::activated, window, &QWidget::close);
    new AROnTop(window);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        window->move(screen->availableGeometry().center() - window->rect().center());
}

void announceWindowsAsWindows() {
    static std::once_flag installed;
    std::call_once(installed, [] { QAccessible::installFactory(windowInterface); });
}

} // namespace Controls
