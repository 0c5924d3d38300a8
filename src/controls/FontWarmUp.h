#pragma once

#include <thread>

// Reads the desktop's font configuration on a thread of its own while the program connects to the
// display; otherwise the first text measured would wait for it, before the window is shown.
class FontWarmUp {
public:
    FontWarmUp();
    // Returns once the configuration has been read; Qt uses it from here on.
    void finish();

private:
    std::jthread m_reader;
};
