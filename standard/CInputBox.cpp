// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "standard/CInputBox.h"

#include "shared/Mshared.h"
#include "standard/DefaultInstance.h"
#include "standard/frmInput.h"

namespace plainbox {

const QUuid CInputBox::classId{"{CCADC6BD-8C83-4AA5-B689-99C738B82284}"};
const QUuid CInputBox::interfaceId{"{610E0F6B-30B5-48B7-ADC8-28633A67EF90}"};
const QString CInputBox::progId = QStringLiteral("plainbox.CInputBox");

CInputBox::CInputBox() : mForm(defaultInstance<frmInput>()) {}

QString CInputBox::Caption() const { return mForm.Caption(); }

void CInputBox::setCaption(const QString& caption) { mForm.setCaption(caption); }

void CInputBox::setIcon(const QString& file) { mForm.setIcon(file); }

void CInputBox::setPrompt(const QString& prompt) { mForm.setPrompt(prompt); }

QString CInputBox::Prompt() const { return mForm.Prompt.Caption(); }

void CInputBox::SetInfo(const QString& FormCaption, const QString& IconFile, const QString& PromptText,
                        const QString& TextString)
{
    setCaption(FormCaption);
    setIcon(IconFile);
    setPrompt(PromptText);
    setText(TextString);
}

void CInputBox::Show()
{
    mForm.selectText();
    shared::ShowFormNearCursor(mForm);
}

void CInputBox::setText(const QString& text) { mForm.Text.setText(text); }

QString CInputBox::Text() const { return mForm.Text.Text(); }

}  // namespace plainbox
