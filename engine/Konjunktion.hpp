// Conjunction positions and pair search.
#pragma once

#include "engine/ZenaroDef.hpp"

namespace zenaro {}  // namespace zenaro
