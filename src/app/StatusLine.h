#pragma once
// Label1, the status line: whose turn it is and the scores. A class of its own
// only so that a screen reader is told of it as a status bar whose name is
// its text (Accessibility.cpp): each new text is then announced.
//
// While the cover offers a saved game the line is also a choice: it shows
// the pointing hand, is a tab stop, and a screen reader may press it. Press
// fires OnClick only then.

#include "app/ProgramCursors.h"
#include "windows/Label.h"

class TStatusLine : public TLabel {
    Q_OBJECT
public:
    explicit TStatusLine(QWidget* parent) : TLabel(QString(), parent) {}

    void SetPressable(bool value)
    {
        Pressable = value;
        SetCursor(value ? CursorPoint : CursorMove);
        SetTabStop(value);
    }
    bool IsPressable() const { return Pressable; }
    void Press()
    {
        if (Pressable && OnClick)
            OnClick(this);
    }

private:
    bool Pressable = false;
};
