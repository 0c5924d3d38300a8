#include "info/frmHelp.h"

#include "controls/Controls.h"
#include "controls/Frame.h"

#include <QFile>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QScrollBar>

using namespace Qt::StringLiterals;
using Controls::place;

namespace {
constexpr ColourValue LightGrey = 0xF0F0F0;
} // namespace

QString frmHelp::helpText(const QString &programPath) {
    QFile text(u":/help.txt"_s);
    return text.open(QIODevice::ReadOnly)
               ? QString::fromUtf8(text.readAll()).replace(u"@PROGRAM_PATH@"_s, programPath)
               : QString();
}

frmHelp::frmHelp(const QString &programPath) {
    setObjectName(u"frmHelp"_s);
    Controls::setUpSecondaryWindow(this, u"  Help!"_s, 4680, 2445);
    auto *frame = place(new Frame(this), "Frame1", QRect(95, 10, 4500, 2340));
    Text1 = place(new QPlainTextEdit(frame), "Text1", QRect(130, 220, 4230, 1990));
    Text1->setReadOnly(true);
    // Read top to bottom: lines wrap at the box's width, between words.
    Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Text1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Text1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    Text1->setFont(Controls::captionFont());
    Text1->setAccessibleName(u"Help"_s);
    Controls::setBackColour(Text1, LightGrey);
    Text1->setPlainText(withRulesThatFit(helpText(programPath).replace(u"\r\n"_s, u"\n"_s)));
}

// A line of asterisks only is a rule: as many as fit on one line of the box.
QString frmHelp::withRulesThatFit(QString text) const {
    // Before the window is shown, the box's parts do not have their sizes yet.
    const int room = Text1->width() - 2 * Text1->frameWidth() -
                     Text1->verticalScrollBar()->sizeHint().width() -
                     2 * int(Text1->document()->documentMargin());
    const QFontMetrics metrics(Text1->font());
    QString asterisks(room / std::max(1, metrics.horizontalAdvance(u'*')), u'*');
    while (!asterisks.isEmpty() && metrics.horizontalAdvance(asterisks) > room)
        asterisks.chop(1);
    static const QRegularExpression rule(u"^\\*+$"_s, QRegularExpression::MultilineOption);
    return text.replace(rule, asterisks);
}
