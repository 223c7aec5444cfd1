// Device-interface arrival and removal notices for the HID collections of the
// mouse, named in the form the program's device-change rule matches.
#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QTimer>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

// One collection as the HID library lists it; the caller fills these from
// its own enumeration so that this layer does not depend on the device layer.
struct HidCollectionInfo {
    QByteArray path;
    uint16_t vendorId = 0;
    uint16_t productId = 0;
    uint16_t usagePage = 0;
    uint16_t usage = 0;
};

class QSocketNotifier;

class DeviceNotifier : public QObject {
    Q_OBJECT
public:
    using Enumerator = std::function<std::vector<HidCollectionInfo>()>;
    static constexpr int kDefaultFallbackMs = 2000;

    explicit DeviceNotifier(Enumerator enumerate, QObject* parent = nullptr);
    ~DeviceNotifier() override;

    // Takes what is present now as known (no notices for it) and starts
    // watching: the hidraw monitor when udev is reachable, and always the
    // periodic re-enumeration. Returns whether the monitor runs.
    bool start();
    void stop();
    bool monitorActive() const;
    bool running() const { return m_poll.isActive(); }
    void setFallbackInterval(int ms);
    int fallbackInterval() const { return m_poll.interval(); }

    // "HID#VID_248A&PID_FA02&Col01" for the mouse collection, "...&Col04" for
    // the command collection, empty for collections the program ignores.
    static QString interfaceName(const HidCollectionInfo& collection);

    // Records that the node at `path` went away (the monitor's remove events),
    // so that the next scan reports its collections as removed and, when the
    // node is back already, as arrived again: a quick replug is not lost.
    void noteRemovedPath(const QByteArray& path);

public slots:
    // Re-enumerates now and reports the difference to the last known set.
    void rescan();

signals:
    void interfaceArrived(const QString& name, const QByteArray& path);
    void interfaceRemoved(const QString& name, const QByteArray& path);

private:
    struct Known {
        QString name;
        QByteArray path;
        bool operator==(const Known& o) const { return name == o.name && path == o.path; }
    };
    std::vector<Known> snapshot() const;
    bool openMonitor();
    void closeMonitor();
    void onMonitorReadable();

    Enumerator m_enumerate;
    std::vector<Known> m_known;
    std::vector<QByteArray> m_removedPaths;
    QTimer m_poll;
    QTimer m_settle;
    struct Monitor;
    std::unique_ptr<Monitor> m_monitor;
    std::unique_ptr<QSocketNotifier> m_notifier;
};
