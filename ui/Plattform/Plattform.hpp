// The small platform layer that stands in for the original window system: message
// boxes, the hourglass cursor and the processing of pending messages.
#pragma once

#include "ui/Plattform/Meldungen.hpp"
#include "ui/Plattform/Sanduhr.hpp"
