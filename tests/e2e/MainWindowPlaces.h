#pragma once

#include <QPoint>
#include <QString>

// The main window as the end-to-end suite and the soak find it on the screen.
namespace MainWindowPlaces {

inline const QString Title = QStringLiteral("The Tivvet  3.0");

// Centres of the controls, in twips from the main window's client area, as the window lays them
// out (its frames' offsets added up).
namespace At {
constexpr QPoint txtSeconds(1755, 1050);
constexpr QPoint FlatBttnStart(630, 2782);
constexpr QPoint FlatBttnPause(1185, 2782);
constexpr QPoint FlatBttnReset(1740, 2782);
constexpr QPoint txtHour(2655, 1050);
constexpr QPoint txtMinute(3195, 1050);
constexpr QPoint txtAmPm(3602, 1050);
constexpr QPoint UpDown1Up(3985, 960);
constexpr QPoint Option1(2535, 1470);
constexpr QPoint Option3(2535, 2805);
constexpr QPoint FlatBttnTimer(4825, 945);
constexpr QPoint FlatBttnAlarm1(4825, 1245);
constexpr QPoint FlatBttnAbout(4825, 2590);
constexpr QPoint FlatBttnExit(4825, 2880);
constexpr QPoint optionsSoundBox(942, 3777);
constexpr QPoint txtProgram(2502, 3777);
constexpr QPoint Check3(2015, 4505);
constexpr QPoint txtMessage(4350, 3995);
constexpr QPoint Check4(3575, 4565);
constexpr QPoint CheckStart(215, 5100);
constexpr QPoint CheckMin(2450, 5100);
} // namespace At

// Where a place in twips from the client area's corner is on the screen.
inline QPoint onScreen(const QPoint &clientOrigin, const QPoint &twips) {
    return clientOrigin + twips / 15;
}

} // namespace MainWindowPlaces
