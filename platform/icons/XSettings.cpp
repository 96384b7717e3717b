// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/icons/XSettings.h"

#include <QtEndian>

namespace platform {

namespace {

enum SettingType : quint8 { Integer = 0, String = 1, Color = 2 };

qsizetype padded(qsizetype length) { return (length + 3) & ~qsizetype(3); }

// Reads the data in the byte order its first byte names; every read checks
// the bounds, so truncated data ends the walk instead of overrunning.
class SettingsReader {
public:
    explicit SettingsReader(const QByteArray& data) : mData(data), mBigEndian(!data.isEmpty() && data.at(0) == 'B') {}

    bool skip(qsizetype bytes)
    {
        if (bytes < 0 || mData.size() - mAt < bytes)
            return false;
        mAt += bytes;
        return true;
    }

    // A CARD16 or CARD32, by the width of `value`.
    template <typename Card>
    bool card(Card& value)
    {
        if (mData.size() - mAt < qsizetype(sizeof(Card)))
            return false;
        const auto* at = reinterpret_cast<const uchar*>(mData.constData() + mAt);
        value = mBigEndian ? qFromBigEndian<Card>(at) : qFromLittleEndian<Card>(at);
        mAt += sizeof(Card);
        return true;
    }

    bool byte(quint8& value)
    {
        if (mAt >= mData.size())
            return false;
        value = quint8(mData.at(mAt++));
        return true;
    }

    bool bytes(qsizetype length, QByteArray& value)
    {
        if (length < 0 || mData.size() - mAt < length)
            return false;
        value = mData.mid(mAt, length);
        // The padding of the last value may be cut off.
        mAt = qMin(mData.size(), mAt + padded(length));
        return true;
    }

private:
    const QByteArray& mData;
    qsizetype mAt = 0;
    bool mBigEndian;
};

}  // namespace

QString xsettingsString(const QByteArray& data, const QByteArray& name)
{
    SettingsReader reader(data);
    quint32 serial = 0;
    quint32 count = 0;
    if (!reader.skip(4) || !reader.card(serial) || !reader.card(count))
        return QString();
    for (quint32 i = 0; i < count; ++i) {
        quint8 type = 0;
        quint16 nameLength = 0;
        QByteArray settingName;
        quint32 lastChange = 0;
        if (!reader.byte(type) || !reader.skip(1) || !reader.card(nameLength) ||
            !reader.bytes(nameLength, settingName) || !reader.card(lastChange))
            return QString();
        if (type == String) {
            quint32 length = 0;
            QByteArray value;
            if (!reader.card(length) || !reader.bytes(qsizetype(length), value))
                return QString();
            if (settingName == name)
                return QString::fromUtf8(value);
        } else if (!reader.skip(type == Integer ? 4 : type == Color ? 8 : -1)) {
            return QString();
        }
    }
    return QString();
}

}  // namespace platform
