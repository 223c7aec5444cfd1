#include "keyboardhook.h"

// Placeholder until key capture is built: installs nothing.
struct KeyboardHook::Impl {};

KeyboardHook::KeyboardHook(QObject* parent) : QObject(parent), d(std::make_unique<Impl>()) {}
KeyboardHook::~KeyboardHook() = default;
bool KeyboardHook::isActive() const { return false; }

bool hookKeyFromEvdev(int, uint32_t&, bool&) { return false; }
