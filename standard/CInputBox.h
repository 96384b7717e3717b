// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// plainbox.CInputBox: a one-line input box with an icon, a prompt that widens
// the box, and OK and Cancel, opened next to the pointer. Text after Show is
// what the user entered, or "" when the box was cancelled or closed. Every
// object drives the library's one input form, which keeps the size and texts
// of its last use.
//
//     rt::ComPtr<plainbox::CInputBox> input(new plainbox::CInputBox);
//     input->SetInfo("Rename", iconFile, "New name:", oldName);
//     input->Show();
//     const QString name = input->Text();

#include "runtime/components/Component.h"

namespace plainbox {

class frmInput;

class CInputBox : public rt::NamedComponent<CInputBox> {
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE setCaption)
    Q_PROPERTY(QString Prompt READ Prompt WRITE setPrompt)
    Q_PROPERTY(QString Text READ Text WRITE setText)

public:
    static const QUuid classId;
    static const QUuid interfaceId;
    static const QString progId;

    // Loads the library's input form, hidden.
    CInputBox();

    // The members of the default interface, in its order.
    QString Caption() const;
    void setCaption(const QString& caption);
    // A full path to an icon file; "" empties the icon.
    Q_INVOKABLE K98_LET_ONLY void setIcon(const QString& file);
    void setPrompt(const QString& prompt);
    QString Prompt() const;
    Q_INVOKABLE void SetInfo(const QString& FormCaption, const QString& IconFile, const QString& PromptText,
                             const QString& TextString);
    Q_INVOKABLE void Show();
    void setText(const QString& text);
    QString Text() const;

    // The shared form, for hosts that look at it (tests, screenshots).
    frmInput& form() const { return mForm; }

private:
    frmInput& mForm;
};

}  // namespace plainbox
