#include "info/frmHelp.h"

#include "platform/Controls.h"
#include "platform/Frame.h"

#include <QFile>
#include <QPlainTextEdit>

using namespace Qt::StringLiterals;
using Controls::place;

namespace {
constexpr ColourValue LightGrey = 0xF0F0F0;
} // namespace

QString frmHelp::helpText() {
    QFile text(u":/help.txt"_s);
    return text.open(QIODevice::ReadOnly) ? QString::fromUtf8(text.readAll()) : QString();
}

frmHelp::frmHelp() {
    setObjectName(u"frmHelp"_s);
    Controls::setUpSecondaryWindow(this, u"  Help!"_s, 4680, 2445);
    auto *frame = place(new Frame(this), "Frame1", QRect(95, 10, 4500, 2340));
    Text1 = place(new QPlainTextEdit(frame), "Text1", QRect(130, 220, 4230, 1990));
    Text1->setReadOnly(true);
    Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Text1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Text1->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    Text1->setAccessibleName(u"Help"_s);
    Controls::setBackColour(Text1, LightGrey);
    Text1->setPlainText(helpText().replace(u"\r\n"_s, u"\n"_s));
}
