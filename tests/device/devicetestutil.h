// Helpers of the device tests: hex byte strings, and a virtual mouse reached
// through the real device layer.
#pragma once

#include "devicetable.h"
#include "inprocessport.h"
#include "protocol.h"
#include "transport.h"
#include "virtualmouse.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <array>
#include <vector>

// "81 00 0a" -> bytes.
inline QByteArray hex(const char* text) {
    return QByteArray::fromHex(QByteArray(text).replace(' ', ""));
}
template <size_t N> QByteArray bytesOf(const std::array<uint8_t, N>& a) {
    return QByteArray(reinterpret_cast<const char*>(a.data()), int(N));
}
inline QByteArray bytesOf(const CommandReport& r) {
    return bytesOf(r.bytes);
}

// A report from its header and data; the checksum is filled in.
inline QByteArray report(const char* headerAndData) {
    QByteArray b = hex(headerAndData);
    b.append(QByteArray(kReportSize - b.size(), '\0'));
    CommandReport r;
    std::copy(b.begin(), b.end(), r.bytes.begin());
    r[kPosChecksum] = reportChecksum(r);
    return bytesOf(r);
}

// The virtual mouse plugged in and opened through the device layer, with the
// protocol's waits shortened so that fault paths run quickly.
class VirtualLink {
public:
    explicit VirtualLink(bool receiver = true, bool cable = false, bool fast = true) : port(mouse) {
        if (receiver) mouse.plug(vm::Link::Receiver);
        if (cable) mouse.plug(vm::Link::Cable);
        setHidPort(&port);
        if (fast) setLinkTiming({0, 0, 20});
        LoadDeviceTable();
        EnumerateDevices();
        OpenDeviceByName(QByteArray(deviceTable().entries[0].mouseName));
        mouse.clearLog();
    }
    ~VirtualLink() {
        CloseDevices();
        setLinkTiming(LinkTiming());
        setHidPort(nullptr);
    }

    // Reports in one direction, as bytes; `link` 'R', 'C' or 0 for both.
    std::vector<QByteArray> reports(bool out, char link = 0) const {
        std::vector<QByteArray> list;
        for (const std::string& s : mouse.logLines()) {
            const QStringList f = QString::fromStdString(s).split(' ', Qt::SkipEmptyParts);
            if (f.size() < 3 + kReportSize) continue;
            if ((f[2] == QLatin1String("out")) != out) continue;
            if (link && f[1] != QLatin1Char(link)) continue;
            QByteArray b;
            for (int i = 3; i < 3 + kReportSize; ++i)
                b.append(char(f[i].toUInt(nullptr, 16)));
            list.push_back(b);
        }
        return list;
    }
    std::vector<QByteArray> sent(char link = 0) const { return reports(true, link); }

    vm::VirtualMouse mouse;
    InProcessHidPort port;
};
