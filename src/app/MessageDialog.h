#pragma once
// The program's message box, assembled from plain parts: an optional icon
// ("IconImage", 32 x 32), the word-wrapped text ("MessageLabel", at most half
// the screen wide) and a row of buttons ("Button0", "Button1", ...), measured
// from the message font's "M" and the screen's resolution.

#include <QList>
#include <QString>

#include <memory>

class QDialog;

struct TMessageButton {
    QString Caption;
    int ModalResult = 0; // 1 OK, 2 cancel (also answers Escape)
};

// Standard icons, by the numbers callers pass.
constexpr int IconNone = 0;
constexpr int IconError = 32513;
constexpr int IconQuestion = 32514;
constexpr int IconExclamation = 32515;
constexpr int IconInformation = 32516;

// "OK" with result 1.
TMessageButton DefaultButton();
// A question's "Yes" (result 6) and "No" (result 7).
constexpr int ResultYes = 6;
constexpr int ResultNo = 7;
QList<TMessageButton> YesNoButtons();

// Builds the dialog without showing it. An empty caption means the
// application's name; an unknown icon number shows no icon. The dialog's
// result is the pressed button's ModalResult; closing it from the window
// frame gives 2. Escape presses a cancel button, else a "No" (result 7),
// else nothing.
std::unique_ptr<QDialog> CreateMessageDialog(const QString& text, const QString& caption, int icon,
                                             const QList<TMessageButton>& buttons, int defaultIndex);

// Shows the dialog modally (the application's other windows are blocked),
// then re-activates the window that was active before. Returns the result.
int MessageDialog(const QString& text, const QString& caption, int icon, const QList<TMessageButton>& buttons,
                  int defaultIndex);
// The common case: one "OK" button.
int MessageDialog(const QString& text, const QString& caption = QString(), int icon = IconExclamation);
// A question with "Yes" and "No", "No" the default so that a hasty Enter
// loses nothing; true only for "Yes" (closing the box answers no).
bool AskYesNo(const QString& text, const QString& caption = QString());
