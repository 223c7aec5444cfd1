// The notice the program hands to the on-screen-display companion: a fixed
// 1044-byte little-endian record (text, timing, colour, font).
#pragma once

#include <QByteArray>
#include <QColor>
#include <QMetaType>
#include <QString>

constexpr int kOsdPayloadSize = 1044;
constexpr int kOsdStringBytes = 512;   // UTF-16LE, NUL-terminated
constexpr int kOsdMaxTextLength = 255; // characters before the terminator
constexpr int kOsdTextOffset = 0;
constexpr int kOsdReserved0Offset = 512;
constexpr int kOsdDurationOffset = 516;
constexpr int kOsdReserved2Offset = 520;
constexpr int kOsdColourOffset = 524;
constexpr int kOsdFontSizeOffset = 528;
constexpr int kOsdFontOffset = 532;
static_assert(kOsdFontOffset + kOsdStringBytes == kOsdPayloadSize, "payload layout");
static_assert((kOsdMaxTextLength + 1) * 2 == kOsdStringBytes, "text and terminator fill the field");

// The local socket the companion listens on: a full path in the user's own
// runtime folder, where no other user can take the name.
QString osdServerName();

constexpr int kOsdDefaultDurationMs = 1500;
constexpr int kOsdDefaultFontSize = 60;

struct OsdNotice {
    QString text;
    qint32 reserved0 = 0;
    qint32 durationMs = kOsdDefaultDurationMs;
    qint32 reserved2 = 0;
    QColor colour = QColor(145, 145, 145);
    qint32 fontSize = kOsdDefaultFontSize;
    QString fontFamily = QStringLiteral("Arial");
};

Q_DECLARE_METATYPE(OsdNotice)

// The notice the program sends: the text in the theme colour with the fixed
// timing and font values.
OsdNotice makeOsdNotice(const QString& text, const QColor& colour);

// Colour as a Windows COLORREF: red in bits 0-7, green 8-15, blue 16-23.
quint32 toColorRef(const QColor& colour);
QColor fromColorRef(quint32 ref);

// Cuts `text` to at most `maxUnits` UTF-16 units without splitting a
// surrogate pair (a half character would render as garbage).
QString truncateUtf16(const QString& text, int maxUnits);

// Encodes a notice; texts longer than 255 units are cut, the terminator is
// always present.
QByteArray encodeOsdPayload(const OsdNotice& notice);
// Decodes a payload; false when it is not exactly 1044 bytes. A string field
// without a terminator is read up to its end.
bool decodeOsdPayload(const QByteArray& payload, OsdNotice* notice);

// Clamps what came off the wire into values safe to display: a duration of
// 0.2-10 s (non-positive means the default), a font size of 8-200 px, a
// fallback font family, an opaque colour.
OsdNotice sanitizedOsdNotice(const OsdNotice& notice);
