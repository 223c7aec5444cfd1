#include "perflog.h"

Q_LOGGING_CATEGORY(lcPerformance, "mousecfg.performance")
