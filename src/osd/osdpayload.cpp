#include "osdpayload.h"

#include <QStandardPaths>

QString osdServerName() {
    // Qt takes XDG_RUNTIME_DIR, or makes a private folder when it is unset.
    return QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation) +
           QStringLiteral("/Qorv Wireless Mouse OSD");
}

namespace {

void putI32(QByteArray& out, int offset, qint32 v) {
    const quint32 u = quint32(v);
    for (int i = 0; i < 4; ++i)
        out[offset + i] = char((u >> (8 * i)) & 0xFF);
}

qint32 getI32(const QByteArray& in, int offset) {
    quint32 u = 0;
    for (int i = 0; i < 4; ++i)
        u |= quint32(quint8(in[offset + i])) << (8 * i);
    return qint32(u);
}

void putString(QByteArray& out, int offset, const QString& s) {
    const QString cut = truncateUtf16(s, kOsdMaxTextLength);
    for (int i = 0; i < cut.size(); ++i) {
        const ushort u = cut.at(i).unicode();
        out[offset + 2 * i] = char(u & 0xFF);
        out[offset + 2 * i + 1] = char(u >> 8);
    }
    // The rest of the field, terminator included, stays zero.
}

QString getString(const QByteArray& in, int offset) {
    QString s;
    for (int i = 0; i < kOsdStringBytes / 2; ++i) {
        const ushort u = ushort(quint8(in[offset + 2 * i]) | (quint8(in[offset + 2 * i + 1]) << 8));
        if (u == 0) break;
        s.append(QChar(u));
    }
    return s;
}

} // namespace

OsdNotice makeOsdNotice(const QString& text, const QColor& colour) {
    OsdNotice n;
    n.text = text;
    n.colour = colour;
    return n;
}

quint32 toColorRef(const QColor& c) {
    return quint32(c.red()) | (quint32(c.green()) << 8) | (quint32(c.blue()) << 16);
}

QColor fromColorRef(quint32 ref) {
    return QColor(int(ref & 0xFF), int((ref >> 8) & 0xFF), int((ref >> 16) & 0xFF));
}

QString truncateUtf16(const QString& text, int maxUnits) {
    if (maxUnits <= 0) return QString();
    if (text.size() <= maxUnits) return text;
    int n = maxUnits;
    if (text.at(n - 1).isHighSurrogate()) --n;
    return text.left(n);
}

QByteArray encodeOsdPayload(const OsdNotice& n) {
    QByteArray out(kOsdPayloadSize, '\0');
    putString(out, kOsdTextOffset, n.text);
    putI32(out, kOsdReserved0Offset, n.reserved0);
    putI32(out, kOsdDurationOffset, n.durationMs);
    putI32(out, kOsdReserved2Offset, n.reserved2);
    putI32(out, kOsdColourOffset, qint32(toColorRef(n.colour)));
    putI32(out, kOsdFontSizeOffset, n.fontSize);
    putString(out, kOsdFontOffset, n.fontFamily);
    return out;
}

bool decodeOsdPayload(const QByteArray& payload, OsdNotice* notice) {
    if (!notice || payload.size() != kOsdPayloadSize) return false;
    notice->text = getString(payload, kOsdTextOffset);
    notice->reserved0 = getI32(payload, kOsdReserved0Offset);
    notice->durationMs = getI32(payload, kOsdDurationOffset);
    notice->reserved2 = getI32(payload, kOsdReserved2Offset);
    notice->colour = fromColorRef(quint32(getI32(payload, kOsdColourOffset)));
    notice->fontSize = getI32(payload, kOsdFontSizeOffset);
    notice->fontFamily = getString(payload, kOsdFontOffset);
    return true;
}

OsdNotice sanitizedOsdNotice(const OsdNotice& in) {
    OsdNotice n = in;
    if (n.durationMs <= 0) n.durationMs = kOsdDefaultDurationMs;
    n.durationMs = qBound(200, n.durationMs, 10000);
    if (n.fontSize <= 0) n.fontSize = kOsdDefaultFontSize;
    n.fontSize = qBound(8, n.fontSize, 200);
    n.fontFamily = n.fontFamily.trimmed();
    if (n.fontFamily.isEmpty()) n.fontFamily = QStringLiteral("Arial");
    n.colour.setAlpha(255);
    n.text = truncateUtf16(n.text, kOsdMaxTextLength);
    // A lone surrogate would draw as a box; drop it.
    QString clean;
    for (int i = 0; i < n.text.size(); ++i) {
        const QChar c = n.text.at(i);
        if (c.isHighSurrogate() && i + 1 < n.text.size() && n.text.at(i + 1).isLowSurrogate()) {
            clean.append(c);
            clean.append(n.text.at(++i));
        } else if (!c.isSurrogate()) {
            clean.append(c);
        }
    }
    n.text = clean;
    return n;
}
