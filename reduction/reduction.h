// Sight reduction: the sight log, the sight data file, and the computation
// behind the sight entry window.
#pragma once

#include "reduction/correction_preview.h"
#include "reduction/sight_almanac.h"
#include "reduction/sight_file.h"
#include "reduction/sight_log.h"
