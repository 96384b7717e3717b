// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Pictures of the program's windows for the documentation, taken the way the
// program shows them.

#include <QString>
#include <QTimer>
#include <QWidget>

// Says whether the picture was written; returns `saved`.
bool reportShot(bool saved, const QString& file);

// Shows the dialog modally; once it is up, saves the form's picture and
// closes it. False when the picture could not be saved.
template <typename Dialog>
bool shoot(Dialog& dialog, QWidget& form, const QString& file)
{
    bool saved = false;
    QTimer::singleShot(0, &form, [&] {
        saved = form.grab().save(file);
        form.hide();
    });
    dialog.Show();
    return reportShot(saved, file);
}
