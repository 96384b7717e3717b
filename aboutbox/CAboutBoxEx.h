// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// glintbox.CAboutBoxEx: an About box whose contents can fly in. Set the
// properties, then Show: the box opens modally next to the pointer and
// returns when the user closes it with OK.
//
//     rt::ComPtr<glintbox::CAboutBoxEx> about(new glintbox::CAboutBoxEx);
//     about->setCaption("About " + name);
//     about->setPictureFile(programFolder + "kestrel2.lib");
//     about->setProgramName(name);
//     about->setProgramVersion("Version " + version);
//     about->setWebsite(webPage);
//     about->setEmail(supportAddress);
//     about->setShowAnimation(true);
//     about->Show();

#include "runtime/components/Component.h"

#include <memory>
#include <QPixmap>

namespace rt {
class Label;
}  // namespace rt

namespace glintbox {

class frmAbout;

class CAboutBoxEx : public rt::NamedComponent<CAboutBoxEx> {
    Q_OBJECT
    Q_PROPERTY(QString Comment READ Comment WRITE setComment)
    Q_PROPERTY(bool ShowAnimation READ ShowAnimation WRITE setShowAnimation)
    Q_PROPERTY(QString Email READ Email WRITE setEmail)
    Q_PROPERTY(QString Website READ Website WRITE setWebsite)
    Q_PROPERTY(QString ProgramVersion READ ProgramVersion WRITE setProgramVersion)
    Q_PROPERTY(QString ProgramName READ ProgramName WRITE setProgramName)
    Q_PROPERTY(QString PictureFile READ PictureFile WRITE setPictureFile)
    Q_PROPERTY(QString Caption READ Caption WRITE setCaption)

public:
    static const QUuid classId;
    static const QUuid interfaceId;
    static const QString progId;

    CAboutBoxEx();
    ~CAboutBoxEx() override;

    // The members of the default interface, in its order. Picture has a let
    // and no get; late bound it takes a QPixmap or a QImage.
    Q_INVOKABLE K98_LET_ONLY void setPicture(const QPixmap& picture);
    Q_INVOKABLE void Show();
    QString Comment() const { return mComment; }
    void setComment(const QString& comment);
    bool ShowAnimation() const { return mShowAnimation; }
    void setShowAnimation(bool animate) { mShowAnimation = animate; }
    QString Email() const { return mEmail; }
    void setEmail(const QString& address);
    QString Website() const { return mWebsite; }
    void setWebsite(const QString& address);
    QString ProgramVersion() const { return mProgramVersion; }
    void setProgramVersion(const QString& version);
    QString ProgramName() const { return mProgramName; }
    void setProgramName(const QString& name);
    QString PictureFile() const { return mPictureFile; }
    void setPictureFile(const QString& file);
    QString Caption() const { return mCaption; }
    void setCaption(const QString& caption);

    // The form as it stands, or nullptr before anything made one; for hosts
    // that look at it (tests, screenshots).
    frmAbout* form() const { return mForm.get(); }

private:
    // OK unloads the form; whatever touches it next gets a fresh one.
    frmAbout& loadedForm();
    // Keeps a text property's value and shows it in its label.
    void keepAndShow(QString& kept, rt::Label frmAbout::*label, const QString& text);

    std::unique_ptr<frmAbout> mForm;
    QString mComment, mEmail, mWebsite, mProgramVersion, mProgramName, mPictureFile, mCaption;
    bool mShowAnimation = false;
};

}  // namespace glintbox
