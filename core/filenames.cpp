#include "core/filenames.h"

#include <QTextCodec>

namespace filenames {

namespace {

constexpr ushort kEscapeBase = 0xDC00; // + a byte of 0x80..0xFF

bool isEscape(ushort u) { return u >= kEscapeBase + 0x80 && u <= kEscapeBase + 0xFF; }

class KeepingUtf8Codec : public QTextCodec
{
public:
    QByteArray name() const override { return QByteArrayLiteral("UTF-8-keep-bytes"); }
    int mibEnum() const override { return 0x56540; }

protected:
    QString convertToUnicode(const char *chars, int length, ConverterState *state) const override
    {
        // A sequence cut at the end of the last call comes first.
        QByteArray joined;
        const uchar *in = reinterpret_cast<const uchar *>(chars);
        int n = length;
        if (state && state->remainingChars > 0) {
            for (int k = 0; k < state->remainingChars && k < 3; ++k)
                joined.append(char(state->state_data[k]));
            joined.append(chars, length);
            state->remainingChars = 0;
            in = reinterpret_cast<const uchar *>(joined.constData());
            n = joined.size();
        }
        QString out;
        out.reserve(n);
        int i = 0;
        while (i < n) {
            const uchar c = in[i];
            if (c < 0x80) {
                out.append(QChar(c));
                ++i;
                continue;
            }
            int need = 0;
            uint cp = 0;
            uint least = 0;
            if ((c & 0xE0) == 0xC0) {
                need = 1, cp = c & 0x1F, least = 0x80;
            } else if ((c & 0xF0) == 0xE0) {
                need = 2, cp = c & 0x0F, least = 0x800;
            } else if ((c & 0xF8) == 0xF0) {
                need = 3, cp = c & 0x07, least = 0x10000;
            }
            bool valid = need > 0;
            int k = 1;
            for (; valid && k <= need && i + k < n; ++k) {
                if ((in[i + k] & 0xC0) != 0x80)
                    valid = false;
                else
                    cp = (cp << 6) | (in[i + k] & 0x3F);
            }
            if (valid && i + need >= n) {
                // Cut short: the rest may come with the next call.
                if (state) {
                    state->remainingChars = n - i;
                    for (int m = 0; m < n - i; ++m)
                        state->state_data[m] = in[i + m];
                    break;
                }
                valid = false;
            }
            if (valid && (cp < least || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)))
                valid = false;
            if (!valid) {
                out.append(QChar(ushort(kEscapeBase + c)));
                ++i;
                continue;
            }
            if (cp >= 0x10000) {
                out.append(QChar(QChar::highSurrogate(cp)));
                out.append(QChar(QChar::lowSurrogate(cp)));
            } else {
                out.append(QChar(ushort(cp)));
            }
            i += need + 1;
        }
        return out;
    }

    QByteArray convertFromUnicode(const QChar *in, int length, ConverterState *state) const override
    {
        QByteArray out;
        out.reserve(length * 3);
        auto put = [&out](uint cp) {
            if (cp < 0x80) {
                out.append(char(cp));
            } else if (cp < 0x800) {
                out.append(char(0xC0 | (cp >> 6)));
                out.append(char(0x80 | (cp & 0x3F)));
            } else if (cp < 0x10000) {
                out.append(char(0xE0 | (cp >> 12)));
                out.append(char(0x80 | ((cp >> 6) & 0x3F)));
                out.append(char(0x80 | (cp & 0x3F)));
            } else {
                out.append(char(0xF0 | (cp >> 18)));
                out.append(char(0x80 | ((cp >> 12) & 0x3F)));
                out.append(char(0x80 | ((cp >> 6) & 0x3F)));
                out.append(char(0x80 | (cp & 0x3F)));
            }
        };
        ushort high = 0;
        if (state && state->remainingChars > 0) {
            high = ushort(state->state_data[0]);
            state->remainingChars = 0;
        }
        for (int i = 0; i < length; ++i) {
            const ushort u = in[i].unicode();
            if (high) {
                const ushort h = high;
                high = 0;
                if (QChar::isLowSurrogate(u)) {
                    put(QChar::surrogateToUcs4(h, u));
                    continue;
                }
                out.append('?');
            }
            if (QChar::isHighSurrogate(u)) {
                if (i + 1 < length) {
                    high = u;
                } else if (state) {
                    state->remainingChars = 1;
                    state->state_data[0] = u;
                } else {
                    out.append('?');
                }
            } else if (isEscape(u)) {
                out.append(char(u - kEscapeBase));
            } else if (QChar::isLowSurrogate(u)) {
                out.append('?');
            } else {
                put(u);
            }
        }
        if (high)
            out.append('?');
        return out;
    }
};

} // namespace

void install()
{
    static KeepingUtf8Codec *codec = nullptr;
    if (codec)
        return;
    codec = new KeepingUtf8Codec; // Qt owns the codecs it knows
    QTextCodec::setCodecForLocale(codec);
}

bool hasKeptBytes(const QString &name)
{
    for (const QChar c : name) {
        if (isEscape(c.unicode()))
            return true;
    }
    return false;
}

QString displayName(const QString &name)
{
    if (!hasKeptBytes(name))
        return name;
    QString shown = name;
    for (QChar &c : shown) {
        if (isEscape(c.unicode()))
            c = QChar::ReplacementCharacter;
    }
    return shown;
}

} // namespace filenames
