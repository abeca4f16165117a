#include "app/CardSetNames.h"

#include <QCoreApplication>

QString CardSetDisplayName(const TCardsObj& set, const std::string& programCardsDir)
{
    const bool shipped = !programCardsDir.empty() && set.FileName.compare(0, programCardsDir.size(), programCardsDir) == 0
                         && set.FileName.find('/', programCardsDir.size()) == std::string::npos;
    return shipped ? QCoreApplication::translate("CardSets", set.SetName.c_str()) : QString::fromStdString(set.SetName);
}
