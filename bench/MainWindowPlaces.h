#pragma once

#include <QPoint>
#include <QString>

// The main window as the desktop benchmarks find it on the screen.
namespace MainWindowPlaces {

inline const QString Title = QStringLiteral("The Tivvet  3.0");

// Centres of the controls, in twips from the main window's client area, as the window lays them
// out (its frames' offsets added up).
namespace At {
constexpr QPoint txtHours(705, 1050);
constexpr QPoint txtSeconds(1755, 1050);
constexpr QPoint FlatBttnStart(630, 2782);
constexpr QPoint txtHour(2655, 1050);
constexpr QPoint txtMinute(3195, 1050);
constexpr QPoint txtAmPm(3602, 1050);
constexpr QPoint Option1(2535, 1470);
constexpr QPoint Option3(2535, 2805);
constexpr QPoint FlatBttnAlarm1(4825, 1245);
constexpr QPoint CheckRepeat(215, 5430);
} // namespace At

// Where a place in twips from the client area's corner is on the screen.
inline QPoint onScreen(const QPoint &clientOrigin, const QPoint &twips) {
    return clientOrigin + twips / 15;
}

} // namespace MainWindowPlaces
