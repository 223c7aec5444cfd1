// The names of the running window's D-Bus service, which the window, the
// tool and other programs rely on.
#pragma once

constexpr const char kBusService[] = "io.mousecfg.mousecfg";
constexpr const char kBusPath[] = "/io/mousecfg/mousecfg";
constexpr const char kBusMouseInterface[] = "io.mousecfg.mousecfg.Mouse";
constexpr const char kBusRulesInterface[] = "io.mousecfg.mousecfg.AppProfiles";
constexpr const char kBusInvalidArgument[] = "io.mousecfg.mousecfg.Error.InvalidArgument";
constexpr const char kBusNoMouse[] = "io.mousecfg.mousecfg.Error.NoMouse";
constexpr const char kBusBusy[] = "io.mousecfg.mousecfg.Error.Busy";
