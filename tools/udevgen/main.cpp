// Build-time generator of the udev rule that lets the user at the seat open
// the mouse's receiver and cable without root.
//
//   udevgen [--fill <template> <output>]... <rules file> <product definition>...
//       writes one hidraw line per distinct receiver or cable VID/PID the
//       product definitions declare. Fails (status 1) when a definition cannot
//       be read, declares no IDs or declares one that is not a USB ID, so a
//       broken product file never ships a rule that misses the mouse.
//
//       Each --fill writes <output> from <template> with the same IDs put in,
//       so every file that names the mouse's devices names the same ones:
//         @UDEV_RULE@       the rule's text, as written to the rules file
//         @UDEV_RULE_NAME@  the rules file's name
//         @HID_IDS@         a shell case pattern matching the devices' HID_ID
//                           lines (as in a HID device's uevent file)
//         @MODALIASES@      one AppStream <modalias> element a line
#include "productdef.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QPair>
#include <QRegularExpression>
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

bool writeFile(const QString& path, const QByteArray& text) {
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly) || out.write(text) != text.size() || !out.commit()) {
        std::fprintf(stderr, "udevgen: cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

// `templ` with the placeholders above replaced; a value of several lines
// keeps the placeholder's indent on each. Empty, with the reason printed,
// when a placeholder is unknown.
QByteArray filled(const QString& templPath, const QByteArray& templ,
                  const QVector<QPair<const char*, QByteArray>>& values) {
    QByteArray out = templ;
    for (const auto& v : values) {
        const QByteArray key(v.first);
        for (int at = out.indexOf(key); at >= 0; at = out.indexOf(key, at)) {
            const int lineStart = out.lastIndexOf('\n', at) + 1;
            const QByteArray lead = out.mid(lineStart, at - lineStart);
            QByteArray value = v.second;
            if (!lead.isEmpty() && lead.trimmed().isEmpty()) {
                const bool endsLine = value.endsWith('\n');
                if (endsLine) value.chop(1);
                value.replace("\n", "\n" + lead);
                if (endsLine) value += '\n';
            }
            out.replace(at, key.size(), value);
            at += value.size();
        }
    }
    const QRegularExpressionMatch stray =
        QRegularExpression(QStringLiteral("@[A-Z_]+@")).match(QString::fromUtf8(out));
    if (stray.hasMatch()) {
        std::fprintf(stderr, "udevgen: %s has an unknown placeholder %s\n", qPrintable(templPath),
                     qPrintable(stray.captured()));
        return QByteArray();
    }
    return out;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    QVector<QPair<QString, QString>> fills;
    while (args.size() >= 3 && args[0] == QLatin1String("--fill")) {
        fills.append({args[1], args[2]});
        args = args.mid(3);
    }
    if (args.size() < 2 || args[0].startsWith(QLatin1String("--"))) {
        std::fprintf(stderr, "usage: udevgen [--fill <template> <output>]... <rules file> "
                             "<product definition>...\n");
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
    QByteArrayList hidIds, modaliases;
    for (const QPair<int, int>& id : ids) {
        text += QString::asprintf("SUBSYSTEM==\"hidraw\", ATTRS{idVendor}==\"%04x\", "
                                  "ATTRS{idProduct}==\"%04x\", TAG+=\"uaccess\"\n",
                                  id.first, id.second)
                    .toLatin1();
        // Bus 0003 is USB.
        hidIds << QString::asprintf("HID_ID=0003:%08X:%08X", id.first, id.second).toLatin1();
        modaliases << QString::asprintf("<modalias>usb:v%04Xp%04Xd*</modalias>", id.first,
                                        id.second)
                          .toLatin1();
    }
    const QVector<QPair<const char*, QByteArray>> values{
        {"@UDEV_RULE_NAME@", QFileInfo(args[0]).fileName().toUtf8()},
        {"@UDEV_RULE@", text},
        {"@HID_IDS@", hidIds.join('|')},
        {"@MODALIASES@", modaliases.join('\n')},
    };
    // Every output is made before any is written: a bad template leaves the
    // earlier files as they were.
    QVector<QByteArray> outputs;
    for (const auto& f : fills) {
        QFile templ(f.first);
        if (!templ.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "udevgen: cannot read %s\n", qPrintable(f.first));
            return 1;
        }
        outputs.append(filled(f.first, templ.readAll(), values));
        if (outputs.last().isEmpty()) return 1;
    }
    if (!writeFile(args[0], text)) return 1;
    for (int i = 0; i < fills.size(); ++i)
        if (!writeFile(fills[i].second, outputs[i])) return 1;
    return 0;
}
