// Build-time generator of the udev rule that lets the user at the seat open
// the mouse's receiver and cable without root.
//
//   udevgen <rules file> <product definition>...
//       writes one hidraw line per distinct receiver or cable VID/PID the
//       product definitions declare. Fails (status 1) when a definition cannot
//       be read, declares no IDs or declares one that is not a USB ID, so a
//       broken product file never ships a rule that misses the mouse.
#include "productdef.h"

#include <QCoreApplication>
#include <QPair>
#include <QSaveFile>
#include <QVector>
#include <cstdio>

namespace {

// uaccess hands the device node to the active local session only; no MODE or
// GROUP, which would open it to every user or a fixed group.
const char kHeader[] =
    "# Lets the user logged in at this seat open the mouse's receiver and cable,\n"
    "# so its settings program needs no root. Generated from the product\n"
    "# definition at build time.\n";

bool isUsbId(int v) {
    return v > 0 && v <= 0xFFFF;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.size() < 2) {
        std::fprintf(stderr, "usage: udevgen <rules file> <product definition>...\n");
        return 2;
    }
    QVector<QPair<int, int>> ids;
    for (int i = 1; i < args.size(); ++i) {
        const std::optional<UsbIds> u = usbIdsIn(args[i]);
        if (!u) {
            std::fprintf(stderr,
                         "udevgen: %s cannot be read or declares no receiver or cable IDs\n",
                         qPrintable(args[i]));
            return 1;
        }
        for (const QPair<int, int>& id :
             {qMakePair(u->vid1, u->pid1), qMakePair(u->vid2, u->pid2)}) {
            if (!isUsbId(id.first) || !isUsbId(id.second)) {
                std::fprintf(stderr,
                             "udevgen: %s declares %d:%d, not a USB vendor and product ID\n",
                             qPrintable(args[i]), id.first, id.second);
                return 1;
            }
            if (!ids.contains(id)) ids.append(id);
        }
    }
    QByteArray text(kHeader);
    for (const QPair<int, int>& id : ids)
        text += QString::asprintf("SUBSYSTEM==\"hidraw\", ATTRS{idVendor}==\"%04x\", "
                                  "ATTRS{idProduct}==\"%04x\", TAG+=\"uaccess\"\n",
                                  id.first, id.second)
                    .toLatin1();
    QSaveFile out(args[0]);
    if (!out.open(QIODevice::WriteOnly) || out.write(text) != text.size() || !out.commit()) {
        std::fprintf(stderr, "udevgen: cannot write %s\n", qPrintable(args[0]));
        return 1;
    }
    return 0;
}
