// Records, constant tables, global tables and settings of the program.
#pragma once

#include "astro/Laufzeit.hpp"

namespace zenaro {}  // namespace zenaro
