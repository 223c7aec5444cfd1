#include "devicenotifier.h"

#include <QLoggingCategory>
#include <QSocketNotifier>
#include <algorithm>
#include <libudev.h>
#include <unistd.h>

Q_LOGGING_CATEGORY(lcDeviceNotifier, "mousecfg.platform.devices")

namespace {

// The collections the device-change rule cares about, by their HID usage.
struct CollectionKind {
    uint16_t usagePage;
    uint16_t usage;
    const char* suffix;
};
constexpr CollectionKind kCollectionKinds[] = {
    {1, 2, "Col01"}, // mouse
    {1, 0, "Col04"}, // command
};

// udev tells us before the node is always ready to open; enumerate a little later.
constexpr int kSettleMs = 100;

} // namespace

struct DeviceNotifier::Monitor {
    udev* context = nullptr;
    udev_monitor* monitor = nullptr;
    ~Monitor() {
        if (monitor) udev_monitor_unref(monitor);
        if (context) udev_unref(context);
    }
};

DeviceNotifier::DeviceNotifier(Enumerator enumerate, QObject* parent)
    : QObject(parent), m_enumerate(std::move(enumerate)) {
    m_poll.setInterval(kDefaultFallbackMs);
    connect(&m_poll, &QTimer::timeout, this, &DeviceNotifier::rescan);
    m_settle.setSingleShot(true);
    m_settle.setInterval(kSettleMs);
    connect(&m_settle, &QTimer::timeout, this, &DeviceNotifier::rescan);
}

DeviceNotifier::~DeviceNotifier() {
    closeMonitor();
}

QString DeviceNotifier::interfaceName(const HidCollectionInfo& c) {
    for (const CollectionKind& kind : kCollectionKinds) {
        if (kind.usagePage == c.usagePage && kind.usage == c.usage)
            return QString::asprintf("HID#VID_%04X&PID_%04X&%s", c.vendorId, c.productId,
                                     kind.suffix);
    }
    return QString();
}

std::vector<DeviceNotifier::Known> DeviceNotifier::snapshot() const {
    std::vector<Known> list;
    if (!m_enumerate) return list;
    for (const HidCollectionInfo& c : m_enumerate()) {
        Known k{interfaceName(c), c.path};
        if (!k.name.isEmpty() && std::find(list.begin(), list.end(), k) == list.end())
            list.push_back(k);
    }
    return list;
}

bool DeviceNotifier::start() {
    m_known = snapshot();
    const bool monitor = m_monitor || openMonitor();
    m_poll.start();
    return monitor;
}

void DeviceNotifier::stop() {
    m_poll.stop();
    m_settle.stop();
    closeMonitor();
}

bool DeviceNotifier::monitorActive() const {
    return m_monitor != nullptr;
}

void DeviceNotifier::setFallbackInterval(int ms) {
    m_poll.setInterval(std::max(ms, 10));
}

void DeviceNotifier::noteRemovedPath(const QByteArray& path) {
    if (std::find(m_removedPaths.begin(), m_removedPaths.end(), path) == m_removedPaths.end())
        m_removedPaths.push_back(path);
}

void DeviceNotifier::rescan() {
    const std::vector<Known> now = snapshot();
    const std::vector<Known> before = std::move(m_known);
    const std::vector<QByteArray> replaced = std::move(m_removedPaths);
    m_removedPaths.clear();
    m_known = now;
    auto contains = [](const std::vector<Known>& list, const Known& k) {
        return std::find(list.begin(), list.end(), k) != list.end();
    };
    auto wasReplaced = [&replaced](const Known& k) {
        return std::find(replaced.begin(), replaced.end(), k.path) != replaced.end();
    };
    // Removals first, so that a quick unplug and replug reads as two events.
    for (const Known& k : before) {
        if (!contains(now, k) || wasReplaced(k)) {
            qCDebug(lcDeviceNotifier) << "removed" << k.name << k.path;
            emit interfaceRemoved(k.name, k.path);
        }
    }
    for (const Known& k : now) {
        if (!contains(before, k) || wasReplaced(k)) {
            qCDebug(lcDeviceNotifier) << "arrived" << k.name << k.path;
            emit interfaceArrived(k.name, k.path);
        }
    }
}

bool DeviceNotifier::openMonitor() {
    auto m = std::make_unique<Monitor>();
    m->context = udev_new();
    if (!m->context) return false;
    // Without a udev daemon (containers, minimal systems) only the kernel's
    // own events come; the settle delay covers the node not being ready yet.
    const bool daemon = ::access("/run/udev/control", F_OK) == 0;
    m->monitor = udev_monitor_new_from_netlink(m->context, daemon ? "udev" : "kernel");
    if (!m->monitor ||
        udev_monitor_filter_add_match_subsystem_devtype(m->monitor, "hidraw", nullptr) < 0 ||
        udev_monitor_enable_receiving(m->monitor) < 0) {
        qCDebug(lcDeviceNotifier) << "no udev monitor; re-enumerating every" << m_poll.interval()
                                  << "ms only";
        return false;
    }
    const int fd = udev_monitor_get_fd(m->monitor);
    if (fd < 0) return false;
    m_monitor = std::move(m);
    m_notifier = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Read);
    connect(m_notifier.get(), &QSocketNotifier::activated, this,
            &DeviceNotifier::onMonitorReadable);
    return true;
}

void DeviceNotifier::closeMonitor() {
    m_notifier.reset();
    m_monitor.reset();
}

void DeviceNotifier::onMonitorReadable() {
    if (!m_monitor) return;
    // Drain every pending event; one re-enumeration covers them all.
    while (udev_device* dev = udev_monitor_receive_device(m_monitor->monitor)) {
        const char* action = udev_device_get_action(dev);
        const char* node = udev_device_get_devnode(dev);
        qCDebug(lcDeviceNotifier) << "hidraw" << action << node;
        if (action && node && qstrcmp(action, "remove") == 0) noteRemovedPath(node);
        udev_device_unref(dev);
    }
    m_settle.start();
}
