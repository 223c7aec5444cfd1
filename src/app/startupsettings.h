// The settings as start-up reads them on workers beside the window: the
// profile in use first, the other four after the first paint; input that
// comes before those are in waits for them.
#pragma once

#include "records.h"

#include <QObject>
#include <functional>
#include <future>
#include <memory>

class StartupSettings : public QObject {
public:
    // Starts reading the options, the names and the profile in use.
    explicit StartupSettings(QObject* parent);

    // The first read's record (waits for it).
    std::unique_ptr<DeviceSettings> takeCurrent();
    // Starts reading the other profiles; when they join they go into both
    // records, then `joined` runs.
    void readOthers(DeviceSettings& sent, DeviceSettings& edited, std::function<void()> joined);
    // The settings, complete: joins the other profiles now, waiting for them
    // if need be. Does nothing once they are in.
    void complete();

    // Once the window is up: rewrites the default profile file and hands back
    // the memory the start-up reads freed.
    void tidyUpLater();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::future<std::unique_ptr<DeviceSettings>> m_current;
    std::future<std::unique_ptr<DeviceSettings>> m_others;
    DeviceSettings* m_sent = nullptr;
    DeviceSettings* m_edited = nullptr;
    std::function<void()> m_joined;
};
