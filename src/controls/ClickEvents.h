#pragma once

#include <functional>

class QWidget;

// Calls the handler on each click of the control: the left button released over it.
void onClick(QWidget *control, std::function<void()> handler);
// Calls the handler on each Up (true) or Down (false) key pressed in the control.
void onArrowKey(QWidget *control, std::function<void(bool up)> handler);
