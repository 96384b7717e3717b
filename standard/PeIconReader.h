// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Reads the first icon out of a Windows executable (a PE image) without
// trusting a single offset or count in it: every read is checked against the
// bytes at hand, so any input, however damaged, gives an icon or nothing.

#include <QByteArray>
#include <QByteArrayView>

namespace plainbox {

// The first icon group among the image's resources, reduced to the one image
// that suits a 32 x 32 icon best, as the bytes of an .ico file; empty when the
// bytes are no PE image or hold no usable icon.
QByteArray FirstIconOfExecutable(QByteArrayView image);

}  // namespace plainbox
