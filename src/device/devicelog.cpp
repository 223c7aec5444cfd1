#include "devicelog.h"

Q_LOGGING_CATEGORY(lcDevice, "mousecfg.device")
Q_LOGGING_CATEGORY(lcPackets, "mousecfg.device.packets", QtWarningMsg)
