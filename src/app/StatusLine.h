#pragma once
// Label1, the status line: whose turn it is and the scores. A class of its own
// only so that a screen reader is told of it as a status bar whose name is
// its text (Accessibility.cpp): each new text is then announced.

#include <QLabel>

class TStatusLine : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;
};
