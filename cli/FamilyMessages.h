// vantrel-lookup gives each code the texts the window gives it, from one
// place in the core.
#pragma once

#include "lookup/FamilyMessages.h"
