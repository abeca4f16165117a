#include "app/ProgramTexts.h"

#include <QCoreApplication>

namespace {

struct TTextRow {
    TProgramText Id;
    const char* Text;
};

const TTextRow Texts[] = {
    {TProgramText::ButtonOK, QT_TRANSLATE_NOOP("ProgramText", "OK")},
    {TProgramText::ButtonYes, QT_TRANSLATE_NOOP("ProgramText", "Yes")},
    {TProgramText::ButtonNo, QT_TRANSLATE_NOOP("ProgramText", "No")},
    {TProgramText::OpenLinkFailed, QT_TRANSLATE_NOOP("ProgramText", "Unable to connect to %1")},
    {TProgramText::OpenLinkFailedCaption, QT_TRANSLATE_NOOP("ProgramText", "Default web browser not found")},
    {TProgramText::SendMailFailed, QT_TRANSLATE_NOOP("ProgramText", "Unable to send mail to %1")},
    {TProgramText::SendMailFailedCaption, QT_TRANSLATE_NOOP("ProgramText", "Default mail program not found")},
};

} // namespace

QString ProgramText(TProgramText id)
{
    for (const TTextRow& row : Texts)
        if (row.Id == id)
            return QCoreApplication::translate("ProgramText", row.Text);
    return QString();
}

QString ProgramText(TProgramText id, const QString& argument)
{
    return ProgramText(id).arg(argument);
}
