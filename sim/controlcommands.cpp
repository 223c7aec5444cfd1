#include "controlcommands.h"

#include <cstdlib>

namespace vm {

namespace {

constexpr int kBadInput = 2;

ControlResult bad(const std::string& message) {
    return ControlResult{kBadInput, message + "\n", false};
}

// Whole decimal numbers only; "12x" and "" are refused.
bool parseInt(const std::string& text, long min, long max, long* value) {
    if (text.empty()) return false;
    char* end = nullptr;
    const long v = std::strtol(text.c_str(), &end, 10);
    if (*end != '\0' || v < min || v > max) return false;
    *value = v;
    return true;
}

std::string joinFaultNames() {
    std::string names;
    for (const std::string& n : faultNames())
        names += (names.empty() ? "" : ", ") + n;
    return names;
}

} // namespace

std::string controlUsage() {
    return "commands:\n"
           "  plug receiver|cable          unplug receiver|cable\n"
           "  press profile|dpi|rate       (wakes a sleeping mouse)\n"
           "  battery <mV> [charging]\n"
           "  write-status <0-255>         variant <0-255>\n"
           "  sleep                        wake\n"
           "  access deny|allow            (deny: opens fail as without permission)\n"
           "  fault <kind> <count>         fault clear\n"
           "  motion <ms>                  (0: no movement reports)\n"
           "  log [clear]                  state\n"
           "  ping                         stop\n"
           "fault kinds: " +
           joinFaultNames() + "\n";
}

ControlResult runControl(VirtualMouse& mouse, const std::vector<std::string>& args) {
    if (args.empty()) return bad("no command given\n" + controlUsage());
    const std::string& cmd = args[0];
    const size_t argc = args.size();

    if (cmd == "ping" && argc == 1) return {0, "", false};
    if (cmd == "stop" && argc == 1) return {0, "", true};
    if ((cmd == "plug" || cmd == "unplug") && argc == 2) {
        Link link;
        if (!linkFromName(args[1], &link))
            return bad(cmd + ": expected receiver or cable, not '" + args[1] + "'");
        if (cmd == "plug")
            mouse.plug(link);
        else
            mouse.unplug(link);
        return {};
    }
    if (cmd == "press" && argc == 2) {
        if (args[1] == "profile")
            mouse.pressProfileButton();
        else if (args[1] == "dpi")
            mouse.pressDpiButton();
        else if (args[1] == "rate")
            mouse.pressRateButton();
        else
            return bad("press: expected profile, dpi or rate, not '" + args[1] + "'");
        return {};
    }
    if (cmd == "battery" && (argc == 2 || argc == 3)) {
        long mv = 0;
        if (!parseInt(args[1], 0, 20000, &mv))
            return bad("battery: '" + args[1] + "' is not a voltage in millivolts (0-20000)");
        bool charging = false;
        if (argc == 3) {
            if (args[2] != "charging")
                return bad("battery: expected 'charging' after the voltage, not '" + args[2] + "'");
            charging = true;
        }
        mouse.setBatteryMillivolts(int(mv));
        mouse.setCharging(charging);
        return {};
    }
    if ((cmd == "write-status" || cmd == "variant") && argc == 2) {
        long v = 0;
        if (!parseInt(args[1], 0, 255, &v))
            return bad(cmd + ": '" + args[1] + "' is not a byte value (0-255)");
        if (cmd == "variant")
            mouse.setVariant(uint8_t(v));
        else
            mouse.setWriteStatus(uint8_t(v));
        return {};
    }
    if ((cmd == "sleep" || cmd == "wake") && argc == 1) {
        mouse.setAsleep(cmd == "sleep");
        return {};
    }
    if (cmd == "access" && argc == 2) {
        if (args[1] != "deny" && args[1] != "allow")
            return bad("access: expected deny or allow, not '" + args[1] + "'");
        mouse.setAccessDenied(args[1] == "deny");
        return {};
    }
    if (cmd == "fault" && argc == 2 && args[1] == "clear") {
        mouse.clearFaults();
        return {};
    }
    if (cmd == "fault" && argc == 3) {
        Fault fault;
        if (!faultFromName(args[1], &fault))
            return bad("fault: unknown kind '" + args[1] + "' (kinds: " + joinFaultNames() + ")");
        long count = 0;
        if (!parseInt(args[2], 0, 1000000, &count))
            return bad("fault: '" + args[2] + "' is not a count");
        mouse.injectFault(fault, int(count));
        return {};
    }
    if (cmd == "motion" && argc == 2) {
        long ms = 0;
        if (!parseInt(args[1], 0, 3600000, &ms))
            return bad("motion: '" + args[1] + "' is not an interval in milliseconds");
        mouse.setMotionInterval(int(ms));
        return {};
    }
    if (cmd == "log" && argc == 1) return {0, mouse.logText(), false};
    if (cmd == "log" && argc == 2 && args[1] == "clear") {
        mouse.clearLog();
        return {};
    }
    if (cmd == "state" && argc == 1) return {0, mouse.describeState(), false};

    std::string line;
    for (const std::string& a : args)
        line += (line.empty() ? "" : " ") + a;
    return bad("unknown command or wrong arguments: " + line + "\n" + controlUsage());
}

} // namespace vm
