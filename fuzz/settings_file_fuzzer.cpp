// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The settings file as edited by hand: reading never fails, a file written
// once reads back to the same text, and a saved value reads back as saved.
#include "runtime/settings/IniDocument.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    rt::IniDocument document = rt::IniDocument::parse(bytes);
    const QByteArray written = document.serialize();
    if (rt::IniDocument::parse(written).serialize() != written)
        std::abort();

    // The input doubles as a name and a value.
    const QString text = QString::fromUtf8(bytes.left(64));
    document.setValue(text, QStringLiteral("0"), text);
    document.setValue(QStringLiteral("Items"), text, QString::fromUtf8(bytes));
    const rt::IniDocument reread = rt::IniDocument::parse(document.serialize());
    if (reread.value(text, QStringLiteral("0")) != text ||
        reread.value(QStringLiteral("Items"), text) != QString::fromUtf8(bytes))
        std::abort();
    return 0;
}
