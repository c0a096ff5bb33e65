// The small platform layer between the program and the window system: message
// boxes, the hourglass cursor, the processing of pending messages and the
// placement of windows.
#pragma once

#include "ui/Plattform/Fenster.hpp"
#include "ui/Plattform/Meldungen.hpp"
#include "ui/Plattform/Sanduhr.hpp"
