// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// plainbox.CAboutBox: a plain About box with an icon, the program name, a
// copyright line and a comment, opened next to the pointer; OK hides it.
// Every object drives the library's one About form.
//
//     rt::ComPtr<plainbox::CAboutBox> about(new plainbox::CAboutBox);
//     about->SetInfo("About Tool", "/opt/tool/tool.exe", "Tool 1.0", "Example Ltd.", "");
//     about->Show();

#include "runtime/components/Component.h"

namespace plainbox {

class frmAboutBox;

class CAboutBox : public rt::NamedComponent<CAboutBox> {
    Q_OBJECT
    Q_PROPERTY(QString Comment READ Comment WRITE setComment)
    Q_PROPERTY(QString Copyright READ Copyright WRITE setCopyright)
    Q_PROPERTY(QString ProgramName READ ProgramName WRITE setProgramName)
    Q_PROPERTY(QString Caption READ Caption WRITE setCaption)

public:
    static const QUuid classId;
    static const QUuid interfaceId;
    static const QString progId;

    // Loads the library's About form, hidden.
    CAboutBox();

    // The members of the default interface, in its order.
    void setComment(const QString& comment);
    QString Comment() const;
    // The copyright line is the prefix "Copyright © " followed by the text.
    void setCopyright(const QString& copyright);
    QString Copyright() const;
    // A full path to an icon file or to a program (".exe"); "" shows none.
    Q_INVOKABLE K98_LET_ONLY void setIcon(const QString& path);
    void setProgramName(const QString& name);
    QString ProgramName() const;
    Q_INVOKABLE void Show();
    Q_INVOKABLE void SetInfo(const QString& FormCaption, const QString& IconFile, const QString& ProgramInfo,
                             const QString& CopyrightInfo, const QString& CommentInfo);
    void setCaption(const QString& caption);
    QString Caption() const;

    // The shared form, for hosts that look at it (tests, screenshots).
    frmAboutBox& form() const { return mForm; }

private:
    frmAboutBox& mForm;
};

}  // namespace plainbox
