#pragma once

#include <functional>

class QWidget;

// Calls the handler on each click of the control: the left button released over it.
void onClick(QWidget *control, std::function<void()> handler);
