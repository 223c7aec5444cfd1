#include "gifwriter.h"

#include <cstring>
#include <vector>

namespace {

class BitWriter {
public:
    explicit BitWriter(QByteArray& out) : m_out(out) {}
    void put(int code, int width) {
        m_acc |= quint32(code) << m_bits;
        m_bits += width;
        while (m_bits >= 8) {
            m_out.append(char(m_acc & 0xFF));
            m_acc >>= 8;
            m_bits -= 8;
        }
    }
    void flush() {
        if (m_bits > 0) m_out.append(char(m_acc & 0xFF));
        m_acc = 0;
        m_bits = 0;
    }

private:
    QByteArray& m_out;
    quint32 m_acc = 0;
    int m_bits = 0;
};

void putU16(QByteArray& out, int v) {
    out.append(char(v & 0xFF));
    out.append(char((v >> 8) & 0xFF));
}

} // namespace

QByteArray gifLzw(const uchar* pixels, int count) {
    constexpr int kClear = 256;
    constexpr int kEnd = 257;
    constexpr int kMaxCode = 4096;
    QByteArray out;
    BitWriter bits(out);
    // Child table: (prefix code, next byte) -> code, -1 when absent.
    std::vector<qint16> table(size_t(kMaxCode) * 256, -1);
    int next = 258;
    int width = 9;
    bits.put(kClear, width);
    if (count <= 0) {
        bits.put(kEnd, width);
        bits.flush();
        return out;
    }
    int prefix = pixels[0];
    for (int i = 1; i < count; ++i) {
        const int c = pixels[i];
        const size_t key = size_t(prefix) * 256 + size_t(c);
        if (table[key] >= 0) {
            prefix = table[key];
            continue;
        }
        bits.put(prefix, width);
        table[key] = qint16(next++);
        if (next == kMaxCode) {
            // Table full: start over so the decoder never needs a 13th bit.
            bits.put(kClear, width);
            std::fill(table.begin(), table.end(), qint16(-1));
            next = 258;
            width = 9;
        } else if (next > (1 << width)) {
            // The decoder adds its entry one code later than we do, so the
            // width grows once the code after the boundary has been written.
            ++width;
        }
        prefix = c;
    }
    bits.put(prefix, width);
    bits.put(kEnd, width);
    bits.flush();
    return out;
}

QByteArray encodeGif(const GifAnimation& a) {
    if (a.frames.isEmpty() || a.palette.isEmpty() || a.palette.size() > 256) return QByteArray();
    const QSize size = a.frames.first().size();
    for (const QImage& f : a.frames)
        if (f.size() != size || f.format() != QImage::Format_Indexed8) return QByteArray();
    if (size.width() > 0xFFFF || size.height() > 0xFFFF || size.isEmpty()) return QByteArray();

    QByteArray out("GIF89a");
    putU16(out, size.width());
    putU16(out, size.height());
    out.append(char(0xF7)); // global table of 256 entries, 8-bit colour resolution
    out.append(char(0));    // background index
    out.append(char(0));    // square pixels
    for (int i = 0; i < 256; ++i) {
        const QRgb c = i < a.palette.size() ? a.palette[i] : qRgb(0, 0, 0);
        out.append(char(qRed(c)));
        out.append(char(qGreen(c)));
        out.append(char(qBlue(c)));
    }
    if (a.loop) {
        out.append("\x21\xFF\x0BNETSCAPE2.0\x03\x01", 16);
        putU16(out, 0); // loop forever
        out.append(char(0));
    }
    QByteArray pixels;
    pixels.resize(size.width() * size.height());
    for (const QImage& f : a.frames) {
        // Graphic control: clear to transparent before the next frame.
        out.append("\x21\xF9\x04", 3);
        const bool transparent = a.transparentIndex >= 0 && a.transparentIndex < 256;
        out.append(char((2 << 2) | (transparent ? 1 : 0)));
        putU16(out, a.delayCentiseconds);
        out.append(char(transparent ? a.transparentIndex : 0));
        out.append(char(0));
        // Image descriptor: the whole canvas, no local table, not interlaced.
        out.append(char(0x2C));
        putU16(out, 0);
        putU16(out, 0);
        putU16(out, size.width());
        putU16(out, size.height());
        out.append(char(0));
        for (int y = 0; y < size.height(); ++y)
            memcpy(pixels.data() + y * size.width(), f.constScanLine(y), size_t(size.width()));
        const QByteArray lzw =
            gifLzw(reinterpret_cast<const uchar*>(pixels.constData()), pixels.size());
        out.append(char(8));
        for (int pos = 0; pos < lzw.size(); pos += 255) {
            const int n = qMin(255, lzw.size() - pos);
            out.append(char(n));
            out.append(lzw.constData() + pos, n);
        }
        out.append(char(0));
    }
    out.append(char(0x3B));
    return out;
}
