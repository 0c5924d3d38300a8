#pragma once

#include <QStringView>
#include <QtGlobal>

// Reads an entry field as a number: leading blanks skipped, then the longest leading piece of the
// form [sign] digits [. fraction]; text that does not begin with a number reads as 0. The value is
// rounded half to even and saturated into a 16-bit integer, so no text can overflow it.
qint16 readNumber(QStringView text);
