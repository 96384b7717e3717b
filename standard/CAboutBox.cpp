// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "standard/CAboutBox.h"

#include "shared/Mshared.h"
#include "standard/DefaultInstance.h"
#include "standard/frmAboutBox.h"

namespace plainbox {

const QUuid CAboutBox::classId{"{4FEB0B4E-1850-4F18-9D7F-C951AD67D5C2}"};
const QUuid CAboutBox::interfaceId{"{89E95BEC-73B9-404E-A822-EB843B6C7206}"};
const QString CAboutBox::progId = QStringLiteral("plainbox.CAboutBox");

namespace {
const QString CopyrightPrefix = QStringLiteral("Copyright \u00A9 ");
}  // namespace

CAboutBox::CAboutBox() : mForm(defaultInstance<frmAboutBox>()) {}

void CAboutBox::setComment(const QString& comment) { mForm.txtComment.setText(comment); }

QString CAboutBox::Comment() const { return mForm.txtComment.Text(); }

void CAboutBox::setCopyright(const QString& copyright) { mForm.labCopyright.setCaption(CopyrightPrefix + copyright); }

QString CAboutBox::Copyright() const { return mForm.labCopyright.Caption(); }

void CAboutBox::setIcon(const QString& path) { mForm.setIcon(path); }

void CAboutBox::setProgramName(const QString& name) { mForm.labAbout.setCaption(name); }

QString CAboutBox::ProgramName() const { return mForm.labAbout.Caption(); }

void CAboutBox::Show() { shared::ShowFormNearCursor(mForm); }

void CAboutBox::SetInfo(const QString& FormCaption, const QString& IconFile, const QString& ProgramInfo,
                        const QString& CopyrightInfo, const QString& CommentInfo)
{
    setCaption(FormCaption);
    setIcon(IconFile);
    setProgramName(ProgramInfo);
    setCopyright(CopyrightInfo);
    setComment(CommentInfo);
}

void CAboutBox::setCaption(const QString& caption) { mForm.setCaption(caption); }

QString CAboutBox::Caption() const { return mForm.Caption(); }

}  // namespace plainbox
