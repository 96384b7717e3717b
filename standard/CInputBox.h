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

class CInputBox : public rt::Component {
public:
    static const QUuid classId;
    static const QUuid interfaceId;
    static const QString progId;

    // Loads the library's input form, hidden.
    CInputBox();

    QUuid ClassId() const override { return classId; }
    QUuid InterfaceId() const override { return interfaceId; }
    QString ProgId() const override { return progId; }

    // The members of the default interface, in its order.
    QString Caption() const;
    void setCaption(const QString& caption);
    // A full path to an icon file; "" empties the icon.
    void setIcon(const QString& file);
    void setPrompt(const QString& prompt);
    QString Prompt() const;
    void SetInfo(const QString& FormCaption, const QString& IconFile, const QString& PromptText,
                 const QString& TextString);
    void Show();
    void setText(const QString& text);
    QString Text() const;

    // Late bound: "Caption", "Prompt", "Text" (get and let), "Icon" (let),
    // "SetInfo" (four strings) and "Show"; the methods answer true once they
    // have run.
    bool setProperty(const QString& name, const QVariant& value) override;
    QVariant property(const QString& name) const override;
    QVariant invoke(const QString& method, const QVariantList& args = {}) override;

    // The shared form, for hosts that look at it (tests, screenshots).
    frmInput& form() const { return mForm; }

private:
    frmInput& mForm;
};

}  // namespace plainbox
