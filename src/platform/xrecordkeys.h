// Every key pressed or released on an X display, seen through the RECORD
// extension on two connections of this object's own (one to set up, one the
// recorded events arrive on); events are handed over on the thread that made
// it, never after it is destroyed.
#pragma once

#include <QByteArray>
#include <functional>
#include <memory>
#include <vector>

class QSocketNotifier;
struct _XDisplay;

class XRecordKeys {
public:
    // `xKeyCode` is the X key code (the Linux input code plus 8).
    using Sink = std::function<void(int xKeyCode, bool up)>;

    // Null when the display cannot be opened or lacks RECORD.
    static std::unique_ptr<XRecordKeys> open(const QByteArray& displayName, Sink sink);
    ~XRecordKeys();

    XRecordKeys(const XRecordKeys&) = delete;
    XRecordKeys& operator=(const XRecordKeys&) = delete;

private:
    XRecordKeys() = default;
    void readReplies();

    struct Key {
        int xKeyCode;
        bool up;
    };
    _XDisplay* m_control = nullptr;
    _XDisplay* m_data = nullptr;
    unsigned long m_context = 0;
    std::unique_ptr<QSocketNotifier> m_notifier;
    Sink m_sink;
    std::vector<Key> m_batch;
    bool m_started = false;
    bool* m_destroyed = nullptr; // set while the sink runs
};
