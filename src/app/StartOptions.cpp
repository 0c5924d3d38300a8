#include "app/StartOptions.h"

#include "platform/Controls.h"

#include <QCheckBox>

using namespace Qt::StringLiterals;

StartOptions::StartOptions(QWidget *window)
    : QObject(window)
    , CheckStart(Controls::labelledButton<QCheckBox>(window, "CheckStart", "Label17", u"start with windows"_s,
                                                     95, 4980))
    , CheckMin(Controls::labelledButton<QCheckBox>(window, "CheckMin", "Label16", u"start minimized"_s, 2330,
                                                   4980)) {}
