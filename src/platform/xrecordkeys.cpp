#include "xrecordkeys.h"

#include <QSocketNotifier>

#include <poll.h>

// The X headers come last: their macros (KeyPress, None, Bool...) would
// clash with Qt's names.
#include <X11/Xlib.h>
#include <X11/Xproto.h>
#include <X11/extensions/record.h>

namespace {

struct RecordRange {
    XRecordRange* range = XRecordAllocRange();
    ~RecordRange() { XFree(range); }
};

} // namespace

std::unique_ptr<XRecordKeys> XRecordKeys::open(const QByteArray& displayName, Sink sink) {
    std::unique_ptr<XRecordKeys> keys(new XRecordKeys);
    const char* name = displayName.isEmpty() ? nullptr : displayName.constData();
    keys->m_control = XOpenDisplay(name);
    keys->m_data = XOpenDisplay(name);
    if (!keys->m_control || !keys->m_data) return nullptr;
    int major = 0, minor = 0;
    if (!XRecordQueryVersion(keys->m_control, &major, &minor)) return nullptr;

    RecordRange keyEvents;
    if (!keyEvents.range) return nullptr;
    keyEvents.range->device_events.first = KeyPress;
    keyEvents.range->device_events.last = KeyRelease;
    XRecordClientSpec allClients = XRecordAllClients;
    keys->m_context = XRecordCreateContext(keys->m_control, 0, &allClients, 1, &keyEvents.range, 1);
    XSync(keys->m_control, False);
    if (!keys->m_context) return nullptr;

    auto intercept = [](XPointer closure, XRecordInterceptData* data) {
        auto* self = reinterpret_cast<XRecordKeys*>(closure);
        if (data->category == XRecordStartOfData) self->m_started = true;
        // Device events come as one 32-byte wire event each.
        if (data->category == XRecordFromServer && data->data_len * 4 >= sizeof(xEvent)) {
            const int type = data->data[0] & 0x7F;
            if (type == KeyPress || type == KeyRelease)
                self->m_batch.push_back({data->data[1], type == KeyRelease});
        }
        XRecordFreeData(data);
    };
    if (!XRecordEnableContextAsync(keys->m_data, keys->m_context, intercept,
                                   reinterpret_cast<XPointer>(keys.get())))
        return nullptr;
    XFlush(keys->m_data);
    // Keys typed right after the hook is made must count: wait (bounded) for
    // the server to start recording.
    const int fd = ConnectionNumber(keys->m_data);
    for (int i = 0; i < 20 && !keys->m_started; ++i) {
        pollfd readable{fd, POLLIN, 0};
        if (poll(&readable, 1, 100) > 0) XRecordProcessReplies(keys->m_data);
    }

    keys->m_sink = std::move(sink);
    keys->m_notifier = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Read);
    QObject::connect(keys->m_notifier.get(), &QSocketNotifier::activated,
                     [self = keys.get()] { self->readReplies(); });
    return keys;
}

XRecordKeys::~XRecordKeys() {
    if (m_destroyed) *m_destroyed = true;
    m_notifier.reset();
    if (m_context) {
        XRecordDisableContext(m_control, m_context);
        XRecordFreeContext(m_control, m_context);
        XSync(m_control, False);
    }
    if (m_data) XCloseDisplay(m_data);
    if (m_control) XCloseDisplay(m_control);
}

void XRecordKeys::readReplies() {
    XRecordProcessReplies(m_data);
    // Handed over only once Xlib is done with the connection: a receiver may
    // destroy this object.
    std::vector<Key> batch;
    batch.swap(m_batch);
    const Sink sink = m_sink;
    bool destroyed = false;
    m_destroyed = &destroyed;
    for (const Key& key : batch) {
        sink(key.xKeyCode, key.up);
        if (destroyed) return;
    }
    m_destroyed = nullptr;
}
