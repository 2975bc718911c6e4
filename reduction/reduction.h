// Sight reduction: the sight log, the sight data file, and the computation
// behind the sight entry window, the reduction and its plot and report.
#pragma once

#include "reduction/correction_preview.h"
#include "reduction/lop_plot.h"
#include "reduction/report_texts.h"
#include "reduction/sight_almanac.h"
#include "reduction/sight_file.h"
#include "reduction/sight_log.h"
#include "reduction/sight_reduction.h"
