// The daemon's control commands (plug, press, battery, fault, log, state, ...)
// applied to a VirtualMouse; the command line sends them as argument lists.
#pragma once

#include "virtualmouse.h"

#include <string>
#include <vector>

namespace vm {

struct ControlResult {
    int status = 0; // process exit status for the client: 0 ok, 2 bad input
    std::string text;
    bool stop = false; // the daemon should end after answering
};

ControlResult runControl(VirtualMouse& mouse, const std::vector<std::string>& args);
std::string controlUsage();

} // namespace vm
