#include "core/app/programstate.h"

namespace vendrilo {

double resetRecentStatisticsStart(double start, double todayDay)
{
    return start > todayDay - 7 ? kPickerMinDate : start;
}

} // namespace vendrilo
