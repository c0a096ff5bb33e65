// The small platform layer that stands in for the original window system.
#pragma once

namespace zenaro {}  // namespace zenaro
