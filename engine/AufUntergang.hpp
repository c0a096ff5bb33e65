// Rising, setting, culmination and best observing time.
#pragma once

#include "engine/ZenaroDef.hpp"

namespace zenaro {}  // namespace zenaro
