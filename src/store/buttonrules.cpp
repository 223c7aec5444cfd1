#include "buttonrules.h"

#include "buttonfunctions.h"
#include "productdef.h"
#include "records.h"

#include <algorithm>
#include <iterator>

ProductFeatures currentProductFeatures() {
    ProductFeatures f;
    f.macros = disableMacro() == 0;
    f.lighting = ledDisable() == 0;
    return f;
}

bool functionOffered(int code, int record, const ProductFeatures& features) {
    if (record == kWheelUpEntry || record == kWheelDownEntry)
        return std::find(std::begin(kWheelMenuCodes), std::end(kWheelMenuCodes), code) !=
               std::end(kWheelMenuCodes);
    if (record < 0 || record >= kButtonEntryCount) return false;
    const ButtonFunction* f = functionForCode(code);
    if (!f || f->menu == FunctionMenu::Hidden || f->menu == FunctionMenu::ProfileMenu) return false;
    if (code == kMacroCode) return features.macros;
    if (code == kLedCode) return features.lighting;
    return true;
}

std::vector<int> numberedButtonRecords() {
    int8_t map[kProductButtonCount];
    const int count = std::clamp(buttonLayoutMap(map), 0, kProductButtonCount);
    std::vector<int> records;
    for (int i = 0; i < count; ++i)
        if (map[i] != -1) records.push_back(i);
    return records;
}
