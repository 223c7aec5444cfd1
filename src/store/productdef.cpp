#include "productdef.h"

#include "inifile.h"
#include "paths.h"

#include <QFileInfo>

namespace {

struct Reader {
    IniFile ini;
    explicit Reader(const QString& path = productDefinitionPath()) : ini(path) {}
    int i(const QString& key, int def = 0) const {
        return ini.value("PROFILE/" + key, def).toInt();
    }
    QString s(const QString& key) const {
        return ini.value("PROFILE/" + key, QString()).toString();
    }
};

int readInt(const char* key, int def = 0) {
    return Reader().i(QLatin1String(key), def);
}

bool fileExists() {
    return QFileInfo::exists(productDefinitionPath());
}

QString indexed(const char* pattern, int i) {
    return QString::asprintf(pattern, i);
}

UsbIds usbIdsOf(const Reader& r) {
    return {r.i("vid1", kDefaultVid), r.i("pid1", kDefaultPid1), r.i("vid2", kDefaultVid),
            r.i("pid2", kDefaultPid2)};
}

} // namespace

QString productName() {
    return Reader().s("ProductName");
}
QString productVersion() {
    return Reader().s("Version");
}

int buttonCount() {
    Reader r;
    return r.i("ButtonCount") ^ r.i("MouseDpi");
}

int dpiStageCount() {
    Reader r;
    return r.i("DPICount") ^ r.i("ButtonCount") ^ r.i("MouseDpi");
}

int disableMacro() {
    return readInt("DisableMacro");
}
int showSleep() {
    return readInt("ShowSleep", 1);
}
int scrollReverse() {
    return readInt("ScrollRev");
}
int minDelay() {
    return readInt("MinDelay", 10);
}
int sensorFlag33254() {
    return readInt("33254");
}
int colorMode() {
    return readInt("ColorMode");
}
int ledDisable() {
    return readInt("ledDisable");
}
int syncMode() {
    return readInt("SyncMode");
}
int frenchLanguage() {
    return readInt("french", -1);
}

SleepRange sleepRange() {
    Reader r;
    return {r.i("SleepMin", 1), r.i("SleepMax", 9)};
}

UsbIds usbIds() {
    return usbIdsOf(Reader());
}

std::optional<UsbIds> usbIdsIn(const QString& path) {
    if (!QFileInfo(path).isFile()) return std::nullopt;
    const Reader r(path);
    if (!r.ini.intact()) return std::nullopt;
    for (const char* key : {"vid1", "pid1", "vid2", "pid2"})
        if (r.ini.contains(QLatin1String("PROFILE/") + QLatin1String(key))) return usbIdsOf(r);
    return std::nullopt;
}

int buttonSlotMap(uint8_t (&slotTable)[kProductButtonCount]) {
    if (!fileExists()) return -1;
    Reader r;
    for (int i = 0; i < kProductButtonCount; ++i)
        slotTable[i] = uint8_t(r.i(indexed("BUTTON_INFO_%d_Matrix", i)));
    return 0;
}

int buttonLayoutMap(int8_t (&layout)[kProductButtonCount]) {
    if (!fileExists()) return -1;
    Reader r;
    for (int i = 0; i < kProductButtonCount; ++i)
        layout[i] = int8_t(uint8_t(r.i(indexed("BUTTON_INFO_%d_Matrix2", i))));
    return r.i("ButtonCount") ^ r.i("MouseDpi");
}

int factoryOptions(uint8_t (&options)[7]) {
    if (!fileExists()) return -1;
    Reader r;
    options[0] = uint8_t(r.i("lift"));
    options[1] = uint8_t(r.i("angle"));
    options[2] = uint8_t(r.i("butondelay", 20));
    options[3] = uint8_t(r.i("jitter"));
    options[4] = uint8_t(r.i("wake"));
    options[5] = uint8_t(r.i("sensormode", 1));
    options[6] = uint8_t(r.i("sync"));
    return 0;
}

int loadProductDefinition(ProductDefinition& def) {
    if (!fileExists()) return -1;
    Reader r;
    def.dpi = uint8_t(r.i("dpi"));
    def.LedMoveOFF = uint8_t(r.i("LedMoveOFF"));
    for (int i = 0; i < kDpiStageCount; ++i)
        def.dpiXy[i] = r.i(indexed("DPI_INFO_%d_xy", i));
    def.pollrate = r.i("pollrate");
    def.LedMode = uint8_t(r.i("LedMode"));
    for (int i = 0; i < kProductButtonCount; ++i) {
        ProductDefinition::Button& b = def.buttons[i];
        b.Fun = r.i(indexed("BUTTON_INFO_%d_Fun", i));
        b.LoopNumber = r.i(indexed("BUTTON_INFO_%d_LoopNumber", i));
        b.KeyNumber = r.i(indexed("BUTTON_INFO_%d_KeyNumber", i));
        b.Res1 = uint8_t(r.i(indexed("BUTTON_INFO_%d_Res1", i)));
        b.Res2 = uint8_t(r.i(indexed("BUTTON_INFO_%d_Res2", i)));
        b.Res3 = uint8_t(r.i(indexed("BUTTON_INFO_%d_Res3", i)));
        b.Res4 = uint8_t(r.i(indexed("BUTTON_INFO_%d_Res4", i)));
    }
    for (int i = 0; i < kLedModeCount; ++i) {
        ProductDefinition::Led& led = def.ledModes[i];
        led.RGB = r.ini.value(indexed("PROFILE/LedMode/LED_MODE_%d_RGB", i)).value<QColor>();
        led.bright = r.i(indexed("LedMode/LED_MODE_%d_bright", i));
        led.breath = r.i(indexed("LedMode/LED_MODE_%d_breath", i));
    }
    return 0;
}

uint8_t (&globalButtonSlotMap())[kProductButtonCount] {
    static uint8_t table[kProductButtonCount] = {};
    return table;
}
