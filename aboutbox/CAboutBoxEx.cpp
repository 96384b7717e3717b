// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "aboutbox/CAboutBoxEx.h"

#include "aboutbox/frmAbout.h"
#include "platform/files/GuardedFile.h"
#include "shared/Mshared.h"

#include <QDate>

namespace glintbox {

const QUuid CAboutBoxEx::classId{"{1D6E35DC-A8E1-4195-98CF-806E7A09612B}"};
const QUuid CAboutBoxEx::interfaceId{"{B2ABA902-ACBD-4188-B8D3-5CF625105371}"};
const QString CAboutBoxEx::progId = QStringLiteral("glintbox.CAboutBoxEx");

namespace {

QString creditLine() { return QStringLiteral("By Fenwright Software, %1").arg(QDate::currentDate().year()); }

}  // namespace

CAboutBoxEx::CAboutBoxEx() = default;

CAboutBoxEx::~CAboutBoxEx() = default;

frmAbout& CAboutBoxEx::loadedForm()
{
    if (!mForm || !mForm->Loaded()) {
        mForm = std::make_unique<frmAbout>();
        mForm->Load();
    }
    return *mForm;
}

void CAboutBoxEx::setPicture(const QPixmap& picture) { loadedForm().imgPict.setPicture(picture); }

void CAboutBoxEx::Show()
{
    frmAbout& form = loadedForm();
    form.lblComment.setCaption(mComment);
    form.lblAuthor.setCaption(creditLine());
    if (mShowAnimation)
        form.Tag = QStringLiteral("animation");
    form.setAllVisible(!mShowAnimation);
    form.framePicture();
    form.placeVersion();
    shared::ShowFormNearCursor(form);
}

void CAboutBoxEx::keepAndShow(QString& kept, rt::Label frmAbout::*label, const QString& text)
{
    kept = text;
    (loadedForm().*label).setCaption(text);
}

void CAboutBoxEx::setComment(const QString& comment) { keepAndShow(mComment, &frmAbout::lblComment, comment); }

void CAboutBoxEx::setEmail(const QString& address) { keepAndShow(mEmail, &frmAbout::lblEmail2, address); }

void CAboutBoxEx::setWebsite(const QString& address) { keepAndShow(mWebsite, &frmAbout::lblWebsite2, address); }

void CAboutBoxEx::setProgramVersion(const QString& version)
{
    keepAndShow(mProgramVersion, &frmAbout::lblVersion, version);
}

void CAboutBoxEx::setProgramName(const QString& name) { keepAndShow(mProgramName, &frmAbout::lblProgramName, name); }

void CAboutBoxEx::setPictureFile(const QString& file)
{
    mPictureFile = file;
    // A file that holds no picture leaves the picture empty.
    loadedForm().imgPict.setPicture(QPixmap::fromImage(platform::loadGuardedImage(file)));
}

void CAboutBoxEx::setCaption(const QString& caption)
{
    mCaption = caption;
    loadedForm().setCaption(caption);
}

}  // namespace glintbox
