#pragma once

#include <QtGlobal>

// What the About window and the help text say about the product, in one place.
namespace ProductInfo {
inline constexpr char HomePage[] = "https://tivvet.example.org/";
inline constexpr char ContactAddress[] = "tivvet@example.org";
inline constexpr char Ownership[] =
    QT_TRANSLATE_NOOP("ProductInfo", "Copyright (C) 2026 The Tivvet developers");
} // namespace ProductInfo
