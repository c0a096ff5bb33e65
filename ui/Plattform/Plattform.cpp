#include "ui/Plattform/Plattform.hpp"
