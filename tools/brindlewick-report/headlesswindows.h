// The main and preview windows of a report made without windows (now kept by the report
// room, where the remake of a claim uses them too).
#pragma once

#include "report/headlesswindows.h"
