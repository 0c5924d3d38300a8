#pragma once

#include <QCoreApplication>
#include <QString>

// What the About window, the help text and the message boxes say about the product, in one place.
namespace ProductInfo {
inline constexpr char HomePage[] = "https://tivvet.example.org/";
inline constexpr char ContactAddress[] = "tivvet@example.org";
inline constexpr char Ownership[] =
    QT_TRANSLATE_NOOP("ProductInfo", "Copyright (C) 2026 The Tivvet developers");

// The application title, shown by every message box that names no title of its own and by the
// notifications.
inline QString applicationTitle() {
    //: The title of the program's message boxes and notifications: the product's name, as in the
    //: window's title.
    return QCoreApplication::translate("ProductInfo", "The Tivvet");
}
} // namespace ProductInfo
