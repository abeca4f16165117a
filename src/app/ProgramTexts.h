#pragma once
// The few texts of the component library's string table that the program
// shows (the message box's button and the link failures), in the player's
// language. Only what is read is here.

#include <QString>

enum class TProgramText {
    ButtonOK,              // the default button's caption
    ButtonYes,             // a question's buttons
    ButtonNo,
    OpenLinkFailed,        // %1: the link
    OpenLinkFailedCaption,
    SendMailFailed,        // %1: the mail link
    SendMailFailedCaption,
};

QString ProgramText(TProgramText id);
// The text with its "%1" replaced by argument.
QString ProgramText(TProgramText id, const QString& argument);
