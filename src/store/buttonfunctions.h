// What a mouse button can be made to do: the catalogue of functions with their
// codes, labels and menus, and how choosing one rewrites a button's record.
#pragma once

#include "records.h"

#include <QString>
#include <cstdint>

// Where an entry is offered. `Top` entries stand in the function menu itself,
// the others in the submenu of that name; `Hidden` entries are never offered
// but still recognised in a stored profile.
enum class FunctionMenu : uint8_t {
    Top,
    Basic,
    Windows,
    Advance,
    Media,
    Dpi,
    ProfileMenu,
    PollingRate,
    Hidden,
};

// What choosing an entry writes besides the code.
enum class FunctionKind : uint8_t {
    Plain,
    SingleKey,
    ComboKey,
    FireKey,
    Sniper,
    Macro,
    GunFile,
};

struct ButtonFunction {
    int code;
    const char* label; // English; translated in the "ButtonPanel" context
    FunctionMenu menu;
    bool wheel; // also in the wheel menu
    FunctionKind kind;
};

constexpr int kFunctionCount = 55;
// In catalogue order: mouse buttons and specials, then each submenu in its
// own order, then scrolling.
extern const ButtonFunction kButtonFunctions[kFunctionCount];
// The wheel menu's codes in its order.
extern const int kWheelMenuCodes[11];
// The submenus' titles, indexed by FunctionMenu (Top and Hidden have none).
const char* functionMenuTitle(FunctionMenu menu);

constexpr int kMacroCode = 200;
constexpr int kGunFileCode = 510;
constexpr int kLeftCode = kFunLeftClick;
constexpr int kSingleKeyCode = 6;
constexpr int kComboKeyCode = 7;
constexpr int kFireKeyCode = 12;
constexpr int kButtonOffCode = 16;
constexpr int kLedCode = 54;
constexpr int kScrollUpCode = 52;
constexpr int kScrollDownCode = 53;
constexpr int kSniperCode = 55;

// A fire key's Res1 holds 129, 130 or 132 for the left, right or middle
// button (0, a button never set, fires left), any other value the HID usage
// of a keyboard key. The choices are numbered as the fire key dialog lists them.
enum FireChoice { FireLeft, FireRight, FireMiddle, FireKeyboard };
int fireChoiceOf(uint8_t res1);
// Times and delay outside 1-255 (0 for a button never set, or a damaged
// file) stand for these.
constexpr int kDefaultFireTimes = 3;
constexpr int kDefaultFireDelay = 10;
int fireCountOrDefault(int stored, int fallback);

// The catalogue entry of a code, nullptr for codes without one.
const ButtonFunction* functionForCode(int code);

// The English catalogue label of a record's code, "" when it has none.
// Scrolling (52, 53) is only named on the wheel records; macros show their
// name. What a button shows is buttonDescription() of buttondescription.h.
QString functionLabel(const ButtonInfo& button, int record);

// False when record `record` holds the profile's last left click and would
// lose it to `code`; the same rule hasLeftClick() applies to a whole profile.
bool keepsLeftClick(const MouseProfile& profile, int record, int code);

void assignPlain(ButtonInfo& button, int code);
void assignSingleKey(ButtonInfo& button, uint8_t keyCode);
// `held`: Shift, Ctrl, Windows, Alt, key, each 0 when unused; `keyCode` is
// the key slot's key.
void assignComboKey(ButtonInfo& button, const uint8_t (&held)[5], uint8_t keyCode);
// `choice`: 0 left, 1 right, 2 middle button, 3 the keyboard key `keyCode`.
void assignFireKey(ButtonInfo& button, int choice, uint8_t keyCode, int times, int delay);
void assignSniper(ButtonInfo& button, uint8_t step);
// Copies the steps of the macro file `name` into the record (at most the 63
// the record holds); `code` is kMacroCode or kGunFileCode.
void assignMacro(ButtonInfo& button, int code, const QString& name, int loops, int mode);
