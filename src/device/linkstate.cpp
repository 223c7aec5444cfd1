#include "linkstate.h"

#include <atomic>

namespace {
std::atomic<uint8_t> g_variant{0};
std::atomic<bool> g_mouseOff{false};
} // namespace

uint8_t lastBatteryVariant() {
    return g_variant.load();
}
void setLastBatteryVariant(uint8_t variant) {
    g_variant.store(variant);
}
bool mouseOffFlag() {
    return g_mouseOff.load();
}
void setMouseOffFlag(bool off) {
    g_mouseOff.store(off);
}
