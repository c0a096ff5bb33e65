#include "engine/ZenaroDef.hpp"
