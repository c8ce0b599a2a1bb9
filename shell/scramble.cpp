// SPDX-FileCopyrightText: 2026 The Tavrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/scramble.h"

#include <QByteArray>
#include <QStringDecoder>

namespace tavrel::shell {

// Scrambled text is the marker "tv" followed by lowercase hexadecimal digits. The digits encode the UTF-8 bytes
// of the text followed by their CRC-16 (big-endian), every byte XOR-ed with a fixed key stream. The checksum
// lets unscramble refuse text that was cut short or edited by hand.

namespace {

constexpr char marker[] = "tv";
constexpr qsizetype markerLength = sizeof(marker) - 1;
constexpr qsizetype checksumLength = 2;

// The same sequence every time: xorshift32 from a fixed seed.
class KeyStream
{
public:
    char next()
    {
        m_state ^= m_state << 13;
        m_state ^= m_state >> 17;
        m_state ^= m_state << 5;
        return char(m_state >> 24);
    }

private:
    quint32 m_state = 0x7a5c3e19u;
};

void applyKeyStream(QByteArray &bytes)
{
    KeyStream key;
    for (char &byte : bytes)
        byte = char(byte ^ key.next());
}

bool isLowerHexDigit(QChar c)
{
    return (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || (c >= QLatin1Char('a') && c <= QLatin1Char('f'));
}

} // namespace

QString scramble(const QString &text)
{
    QByteArray bytes = text.toUtf8();
    const quint16 sum = qChecksum(bytes);
    bytes.append(char(sum >> 8));
    bytes.append(char(sum & 0xff));
    applyKeyStream(bytes);
    return QLatin1String(marker) + QString::fromLatin1(bytes.toHex());
}

std::optional<QString> unscramble(const QString &text)
{
    if (!text.startsWith(QLatin1String(marker)))
        return std::nullopt;
    const QStringView digits = QStringView(text).mid(markerLength);
    if (digits.size() % 2 != 0 || digits.size() < 2 * checksumLength)
        return std::nullopt;
    for (const QChar c : digits) {
        if (!isLowerHexDigit(c))
            return std::nullopt;
    }

    QByteArray bytes = QByteArray::fromHex(digits.toLatin1());
    applyKeyStream(bytes);
    const QByteArrayView payload = QByteArrayView(bytes).first(bytes.size() - checksumLength);
    const quint16 stored = quint16((quint8(bytes.at(bytes.size() - 2)) << 8) | quint8(bytes.at(bytes.size() - 1)));
    if (stored != qChecksum(payload))
        return std::nullopt;

    QStringDecoder decoder(QStringDecoder::Utf8,
                           QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    QString result = decoder.decode(payload);
    if (decoder.hasError() || result.toUtf8() != payload)
        return std::nullopt;
    return result;
}

} // namespace tavrel::shell
