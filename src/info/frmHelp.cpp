#include "info/frmHelp.h"

#include "platform/Controls.h"
#include "platform/Frame.h"
#include "platform/InstallPaths.h"

#include <QFile>
#include <QFontDatabase>
#include <QPlainTextEdit>

using namespace Qt::StringLiterals;
using Controls::place;

namespace {
constexpr ColourValue LightGrey = 0xF0F0F0;
} // namespace

// The text names the program as this build installs it.
QString frmHelp::helpText() {
    QFile text(u":/help.txt"_s);
    return text.open(QIODevice::ReadOnly) ? QString::fromUtf8(text.readAll())
                                                .replace(u"@PROGRAM_PATH@"_s, QString::fromUtf8(ProgramPath))
                                          : QString();
}

frmHelp::frmHelp() {
    setObjectName(u"frmHelp"_s);
    Controls::setUpSecondaryWindow(this, u"  Help!"_s, 4680, 2445);
    auto *frame = place(new Frame(this), "Frame1", QRect(95, 10, 4500, 2340));
    Text1 = place(new QPlainTextEdit(frame), "Text1", QRect(130, 220, 4230, 1990));
    Text1->setReadOnly(true);
    Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // Laid out in columns, as it was typed: lines scroll rather than wrap.
    Text1->setLineWrapMode(QPlainTextEdit::NoWrap);
    QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    fixed.setPixelSize(Controls::captionFont().pixelSize());
    Text1->setFont(fixed);
    Text1->setAccessibleName(u"Help"_s);
    Controls::setBackColour(Text1, LightGrey);
    Text1->setPlainText(helpText().replace(u"\r\n"_s, u"\n"_s));
}
