#include "controls/FontWarmUp.h"

#include <fontconfig/fontconfig.h>

FontWarmUp::FontWarmUp()
    : m_reader([] { FcInit(); }) {}

void FontWarmUp::finish() {
    if (m_reader.joinable())
        m_reader.join();
}
