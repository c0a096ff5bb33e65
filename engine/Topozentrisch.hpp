// Topocentric correction, precession of dates and Moon interference.
#pragma once

#include "engine/ZenaroDef.hpp"

namespace zenaro {}  // namespace zenaro
