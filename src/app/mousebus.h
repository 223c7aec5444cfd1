// The running window's D-Bus face: the mouse's state and commands, and the
// application rules, for status bars, scripts and the desktop's focus script.
#pragma once

#include "busnames.h"

#include <QDBusContext>
#include <QObject>
#include <QString>
#include <QVariantMap>
#include <functional>

class AppFollower;
class MouseSession;
class MouseBusMouseAdaptor;
class MouseBusRulesAdaptor;
struct BatteryState;
struct MouseConnection;

// Longest string ReportFocus takes from a caller; the rest is cut off.
constexpr int kBusMaxText = 256;

class MouseBus : public QObject, protected QDBusContext {
    Q_OBJECT
public:
    struct Hooks {
        // "" when the request went to the mouse, else the error's message;
        // set `*errorName` to the error name (NoMouse, Busy, InvalidArgument)
        std::function<QString(int profile0to4, QString* errorName)> selectProfile;
        std::function<QString(int stage0based, QString* errorName)> selectDpiStage;
        std::function<QString(int hz, QString* errorName)> setReportRate;
        std::function<int()> dpiStageCount; // stages the mouse has now
    };

    MouseBus(MouseSession* session, AppFollower* follower, Hooks hooks, QObject* parent = nullptr);
    ~MouseBus() override;

    // Exports the object, then requests the name; false when taken (or when
    // there is no session bus).
    bool publish();
    // The mouse's profile (0-4) and DPI stage (0-based), -1 when unknown;
    // its report rate in Hz, 0 when unknown.
    void setMouseState(int profile0, int stage0, int rateHz);

private:
    friend class MouseBusMouseAdaptor;
    friend class MouseBusRulesAdaptor;

    // A call's outcome: an empty `error` when it was done.
    struct Answer {
        QString error; // the full error name
        QString message;
    };
    static Answer refuse(const char* error, const QString& message);

    // The values the two interfaces show, as D-Bus shows them.
    struct Shown {
        bool connected = false;
        int battery = 0;
        bool charging = false;
        int profile = 0;
        int stage = 0;
        int rate = 0;
        bool enabled = false;
        int defaultProfile = 0;
        QString source;
    };

    void onConnection(const MouseConnection& connection);
    void onBattery(const BatteryState& battery);
    void onRules();
    void onSource();
    // Shows `next`, announcing every value that differs from what was shown.
    void show(const Shown& next);
    void announce(const char* interface, const QVariantMap& changed);

    Answer mouseReady() const;
    Answer fromHook(const QString& message, const QString& errorName) const;
    Answer fromFollower(const char* problem) const;

    Answer selectProfile(int profile);
    Answer selectDpiStage(int stage);
    Answer setReportRate(int hz);
    Answer reportFocus(const QString& source, const QString& windowClass, const QString& instance,
                       const QString& appId, const QString& pid);
    Answer setRule(const QString& app, int profile);
    Answer removeRule(const QString& app);
    Answer setDefaultProfile(int profile);
    Answer setEnabled(bool on);

    MouseSession* m_session;
    AppFollower* m_follower;
    Hooks m_hooks;
    MouseBusMouseAdaptor* m_mouse;
    MouseBusRulesAdaptor* m_rules;
    Shown m_shown;
    bool m_asleep = false;
    bool m_published = false;
};
