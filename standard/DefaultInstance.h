// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A form's default instance: the one instance of the form that the library's
// objects share. It is made and loaded on first use and stays loaded (hidden
// between uses) for the life of the application, which deletes it while it
// shuts down, when widgets may still be deleted.

#include <QCoreApplication>

namespace plainbox {

template <typename Form>
Form& defaultInstance()
{
    static Form* instance = nullptr;
    if (!instance) {
        instance = new Form;
        qAddPostRoutine([] {
            delete instance;
            instance = nullptr;
        });
    }
    instance->Load();
    return *instance;
}

}  // namespace plainbox
