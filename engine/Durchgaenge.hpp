// Passages of deep-sky objects and bright stars.
#pragma once

#include "engine/ZenaroDef.hpp"

namespace zenaro {}  // namespace zenaro
