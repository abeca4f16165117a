#pragma once
// The few texts of the component library's string table that the program
// shows (the message box's button and the link failures), in their English
// wording. Only what is read is here.

#include <QString>

enum class TProgramText {
    ButtonOK,              // the default button's caption
    ButtonYes,             // a question's buttons
    ButtonNo,
    OpenLinkFailed,        // %s: the link
    OpenLinkFailedCaption,
    SendMailFailed,        // %s: the mail link
    SendMailFailedCaption,
};

QString ProgramText(TProgramText id);
// The text with its first "%s" replaced by argument.
QString ProgramText(TProgramText id, const QString& argument);
