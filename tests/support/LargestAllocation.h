#pragma once

#include <atomic>
#include <cstddef>
#include <optional>

#if defined(__SANITIZE_ADDRESS__)
// From the sanitizer runtime's interface (GCC ships the runtime but not this header).
extern "C" int __sanitizer_install_malloc_and_free_hooks(void (*onMalloc)(const volatile void *, std::size_t),
                                                         void (*onFree)(const volatile void *));
#endif

// The largest single block the heap handed out while some code ran, as the address sanitizer
// sees every allocation; nothing in a build without it.
namespace LargestAllocation {

inline std::atomic<bool> recording{false};
inline std::atomic<std::size_t> largest{0};

inline void onMalloc(const volatile void *, std::size_t size) {
    if (recording && size > largest)
        largest = size;
}

inline void onFree(const volatile void *) {}

template <typename Code> std::optional<std::size_t> during(Code code) {
#if defined(__SANITIZE_ADDRESS__)
    static const bool installed = __sanitizer_install_malloc_and_free_hooks(onMalloc, onFree) != 0;
    if (!installed)
        return std::nullopt;
    largest = 0;
    recording = true;
    code();
    recording = false;
    return largest.load();
#else
    code();
    return std::nullopt;
#endif
}

} // namespace LargestAllocation
