#pragma once
// The runtime's dialogs and screen facts: message boxes, the beep, the
// pointer and the primary screen in twips.

#include <cstdint>
#include <QString>

class QWidget;

namespace rt {

// Message box styles and answers.
enum MsgBoxStyle : int {
    vbOKOnly = 0,
    vbOKCancel = 1,
    vbYesNoCancel = 3,
    vbYesNo = 4,
    vbCritical = 16,
    vbQuestion = 32,
    vbExclamation = 48,
    vbInformation = 64,
};
enum MsgBoxResult : int { vbOK = 1, vbCancel = 2, vbYes = 6, vbNo = 7 };

int MsgBox(const QString& prompt, int style, const QString& title);
void Beep();

// Shows a form modally and returns when it is hidden.
void ShowModal(QWidget* form);

namespace Screen {
int32_t Width();  // twips
int32_t Height();  // twips
}  // namespace Screen

// The pointer position in screen pixels.
int32_t CursorX();
int32_t CursorY();

}  // namespace rt
