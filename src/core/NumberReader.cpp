#include "core/NumberReader.h"

#include <algorithm>
#include <limits>

namespace {

bool isAsciiDigit(QChar c) {
    return c.unicode() >= '0' && c.unicode() <= '9';
}

bool isBlank(QChar c) {
    return c == u' ' || c == u'\t';
}

QStringView takeDigits(QStringView &text) {
    qsizetype end = 0;
    while (end < text.size() && isAsciiDigit(text[end]))
        ++end;
    const QStringView digits = text.first(end);
    text = text.sliced(end);
    return digits;
}

// Far beyond any 16-bit value, so growing no further changes no result.
constexpr qint64 Saturation = 1'000'000;

qint64 wholeValue(QStringView digits) {
    qint64 value = 0;
    for (QChar c : digits)
        value = std::min(Saturation, value * 10 + (c.unicode() - '0'));
    return value;
}

// Rounds whole.fraction to the nearest integer, a half going to the even neighbour.
qint64 roundHalfEven(qint64 whole, QStringView fraction) {
    if (fraction.isEmpty() || fraction[0] < u'5')
        return whole;
    const bool exactHalf = fraction[0] == u'5' && std::all_of(fraction.begin() + 1, fraction.end(),
                                                              [](QChar c) { return c == u'0'; });
    if (exactHalf && whole % 2 == 0)
        return whole;
    return whole + 1;
}

} // namespace

qint16 readNumber(QStringView text) {
    while (!text.isEmpty() && isBlank(text.front()))
        text = text.sliced(1);

    const bool negative = !text.isEmpty() && text.front() == u'-';
    if (!text.isEmpty() && (text.front() == u'-' || text.front() == u'+'))
        text = text.sliced(1);

    const qint64 whole = wholeValue(takeDigits(text));
    QStringView fraction;
    if (!text.isEmpty() && text.front() == u'.') {
        text = text.sliced(1);
        fraction = takeDigits(text);
    }

    const qint64 magnitude = roundHalfEven(whole, fraction);
    const qint64 value = negative ? -magnitude : magnitude;
    return static_cast<qint16>(
        std::clamp<qint64>(value, std::numeric_limits<qint16>::min(), std::numeric_limits<qint16>::max()));
}
