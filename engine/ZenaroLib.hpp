// The engine: helpers, ephemeris, rising and setting, passages, topocentric
// correction, Moon interference and conjunctions, one header per topic.
#pragma once

#include "engine/AufUntergang.hpp"
#include "engine/Durchgaenge.hpp"
#include "engine/Ephemeride.hpp"
#include "engine/Fortschritt.hpp"
#include "engine/Hilfen.hpp"
#include "engine/Kometenliste.hpp"
#include "engine/Konjunktion.hpp"
#include "engine/Topozentrisch.hpp"
#include "engine/Zahltext.hpp"
#include "engine/ZenaroDef.hpp"
