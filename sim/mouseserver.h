// The daemon's local socket server: each client connection is served on its
// own thread with blocking reads, so a client waiting in a HID read never
// holds up another.
#pragma once

#include "virtualmouse.h"

#include <QLocalServer>
#include <memory>

class MouseServer : public QLocalServer {
    Q_OBJECT
public:
    explicit MouseServer(std::shared_ptr<vm::VirtualMouse> mouse, QObject* parent = nullptr);

signals:
    void stopRequested();

protected:
    void incomingConnection(quintptr socketDescriptor) override;

private:
    std::shared_ptr<vm::VirtualMouse> m_mouse;
};
