#include "app/ProgramTexts.h"

namespace {

struct TTextRow {
    TProgramText Id;
    const char* Text;
};

const TTextRow Texts[] = {
    {TProgramText::ButtonOK, "OK"},
    {TProgramText::ButtonYes, "Yes"},
    {TProgramText::ButtonNo, "No"},
    {TProgramText::OpenLinkFailed, "Unable to connect to %s"},
    {TProgramText::OpenLinkFailedCaption, "Default web browser not found"},
    {TProgramText::SendMailFailed, "Unable to send mail to %s"},
    {TProgramText::SendMailFailedCaption, "Default mail program not found"},
};

} // namespace

QString ProgramText(TProgramText id)
{
    for (const TTextRow& row : Texts)
        if (row.Id == id)
            return QString::fromUtf8(row.Text);
    return QString();
}

QString ProgramText(TProgramText id, const QString& argument)
{
    QString text = ProgramText(id);
    const qsizetype at = text.indexOf(QLatin1String("%s"));
    if (at >= 0)
        text.replace(at, 2, argument);
    return text;
}
