// Time, angle and zone helpers of the engine.
#pragma once

#include "engine/ZenaroDef.hpp"

namespace zenaro {}  // namespace zenaro
