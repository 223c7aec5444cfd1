#include "settingsmerge.h"

#include "defaults.h"

#include <QtGlobal>

namespace {

class Merger {
public:
    explicit Merger(std::vector<MergeClash>& clashes) : m_clashes(clashes) {}

    template <class T>
    void field(const T& base, const T& theirs, T& mine, const char* what, int profile = 0,
               int index = 0) {
        if (theirs == base) return;
        if (!(mine == base) && !(mine == theirs)) m_clashes.push_back({what, profile, index});
        mine = theirs;
    }

private:
    std::vector<MergeClash>& m_clashes;
};

} // namespace

std::vector<MergeClash> mergeSavedChanges(const DeviceSettings& base, const DeviceSettings& theirs,
                                          DeviceSettings& mine) {
    std::vector<MergeClash> clashes;
    Merger m(clashes);
    m.field(base.currentProfile, theirs.currentProfile, mine.currentProfile,
            QT_TRANSLATE_NOOP("SettingsMerge", "the profile in use"));
    m.field(base.AngleValue, theirs.AngleValue, mine.AngleValue,
            QT_TRANSLATE_NOOP("SettingsMerge", "angle snapping"));
    m.field(base.LiftHigh, theirs.LiftHigh, mine.LiftHigh,
            QT_TRANSLATE_NOOP("SettingsMerge", "lift-off distance"));
    m.field(base.Sync, theirs.Sync, mine.Sync, QT_TRANSLATE_NOOP("SettingsMerge", "motion sync"));
    m.field(base.Count, theirs.Count, mine.Count,
            QT_TRANSLATE_NOOP("SettingsMerge", "the number of profiles in use"));
    m.field(base.Jitter, theirs.Jitter, mine.Jitter,
            QT_TRANSLATE_NOOP("SettingsMerge", "jitter filter"));
    m.field(base.Debounce, theirs.Debounce, mine.Debounce,
            QT_TRANSLATE_NOOP("SettingsMerge", "key response time"));
    m.field(base.Wake, theirs.Wake, mine.Wake, QT_TRANSLATE_NOOP("SettingsMerge", "motion wake"));
    m.field(base.SensorMode, theirs.SensorMode, mine.SensorMode,
            QT_TRANSLATE_NOOP("SettingsMerge", "sensor mode"));
    for (int p = 0; p < kProfileCount; ++p) {
        const MouseProfile& b = base.profiles[p];
        const MouseProfile& t = theirs.profiles[p];
        MouseProfile& o = mine.profiles[p];
        const int n = p + 1;
        // A profile file bound in place of another brings all of its values.
        m.field(base.profileNames[p], theirs.profileNames[p], mine.profileNames[p],
                QT_TRANSLATE_NOOP("SettingsMerge", "the file of profile %1"), n);
        m.field(b.ProfileName, t.ProfileName, o.ProfileName,
                QT_TRANSLATE_NOOP("SettingsMerge", "the file of profile %1"), n);
        m.field(b.ProfilePath, t.ProfilePath, o.ProfilePath,
                QT_TRANSLATE_NOOP("SettingsMerge", "the file of profile %1"), n);
        m.field(b.pollrate, t.pollrate, o.pollrate,
                QT_TRANSLATE_NOOP("SettingsMerge", "the report rate of profile %1"), n);
        m.field(b.dpi, t.dpi, o.dpi,
                QT_TRANSLATE_NOOP("SettingsMerge", "the DPI stage in use in profile %1"), n);
        for (int s = 0; s < kDpiStageCount; ++s)
            m.field(b.stages[s], t.stages[s], o.stages[s],
                    QT_TRANSLATE_NOOP("SettingsMerge", "DPI stage %2 of profile %1"), n, s + 1);
        const char* lighting = QT_TRANSLATE_NOOP("SettingsMerge", "the lighting of profile %1");
        m.field(b.LedMode, t.LedMode, o.LedMode, lighting, n);
        m.field(b.LedMoveOFF, t.LedMoveOFF, o.LedMoveOFF, lighting, n);
        m.field(b.LedSleepTime, t.LedSleepTime, o.LedSleepTime, lighting, n);
        for (int l = 0; l < kLedModeCount; ++l)
            m.field(b.ledModes[l], t.ledModes[l], o.ledModes[l], lighting, n);
        const char* pointer =
            QT_TRANSLATE_NOOP("SettingsMerge", "the pointer settings of profile %1");
        m.field(b.mousespeed, t.mousespeed, o.mousespeed, pointer, n);
        m.field(b.dbclickspeed, t.dbclickspeed, o.dbclickspeed, pointer, n);
        m.field(b.scrollispage, t.scrollispage, o.scrollispage, pointer, n);
        m.field(b.scrollspeed, t.scrollspeed, o.scrollspeed, pointer, n);
        m.field(b.accelenable, t.accelenable, o.accelenable, pointer, n);
        m.field(b.acee, t.acee, o.acee, pointer, n);
        for (int e = 0; e < kButtonEntryCount; ++e)
            m.field(b.buttons[e], t.buttons[e], o.buttons[e],
                    QT_TRANSLATE_NOOP("SettingsMerge", "button record %2 of profile %1"), n, e + 1);
    }
    return clashes;
}

bool settingsUnsent(const DeviceSettings& edited, const DeviceSettings& sent, bool markedUnsent) {
    return markedUnsent || compareSettings(edited, sent) != 0;
}
