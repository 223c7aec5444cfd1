// A small GIF89a encoder for the loading animation: Qt reads GIFs but cannot
// write them, and an in-tree encoder keeps the build free of outside tools
// and its output byte-for-byte repeatable.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QVector>

struct GifAnimation {
    QVector<QImage> frames; // QImage::Format_Indexed8, all the same size
    QVector<QRgb> palette;  // up to 256 entries, shared by every frame
    int delayCentiseconds = 4;
    int transparentIndex = -1; // -1: no transparency
    bool loop = true;
};

// Encodes the animation; an empty QByteArray when the frames are missing,
// of mixed sizes or not 8-bit indexed.
QByteArray encodeGif(const GifAnimation& animation);

// LZW-compresses 8-bit codes the way GIF expects (minimum code size 8),
// without the sub-block framing. Exposed for the tests.
QByteArray gifLzw(const uchar* pixels, int count);
