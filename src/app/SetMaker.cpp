#include "app/SetMaker.h"

#include "game/PairCounts.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QImageReader>
#include <QInputDialog>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QThread>
#include <QTimer>

#include <filesystem>

namespace {

constexpr int ProgressPollMs = 100;
constexpr int ProgressWidth = 320;
constexpr int MaxSetName = 60;    // fits the list of sets and the score window
constexpr int MaxListedSkips = 8; // the rest are counted


std::string ToLocal(const QString& file) { return QFile::encodeName(file).toStdString(); }

bool IsFile(const std::string& file)
{
    std::error_code ec;
    return std::filesystem::is_regular_file(file, ec);
}

QString PictureFilter()
{
    QStringList patterns;
    for (const QByteArray& format : QImageReader::supportedImageFormats())
        patterns << QStringLiteral("*.") + QString::fromLatin1(format);
    return QCoreApplication::translate("TSetMaker", "Pictures (%1)").arg(patterns.join(QLatin1Char(' ')));
}

// The pictures left out, a line each, the first few by name.
QString SkippedLines(const std::vector<TSkippedPicture>& skipped)
{
    QString lines;
    const int shown = std::min(static_cast<int>(skipped.size()), MaxListedSkips);
    for (int i = 0; i < shown; ++i)
        lines += QCoreApplication::translate("TSetMaker", "%1: %2", "a picture's file name and why it was left out")
                     .arg(QFileInfo(skipped[i].File).fileName(), skipped[i].Reason)
                 + QLatin1Char('\n');
    const int rest = static_cast<int>(skipped.size()) - shown;
    if (rest > 0)
        lines += QCoreApplication::translate("TSetMaker", "and %n more.", "pictures left out", rest) + QLatin1Char('\n');
    return lines;
}

} // namespace

TSetMaker::TSetMaker(QWidget* window, std::string programCardsDir, std::string userCardsDir)
    : QObject(window), Window(window), ProgramCardsDir(std::move(programCardsDir)),
      UserCardsDir(std::move(userCardsDir))
{
}

TSetMaker::~TSetMaker()
{
    if (Worker) {
        Cancel = true;
        Worker->wait();
    }
}

void TSetMaker::Say(const QString& text)
{
    if (OnMessage)
        OnMessage(text.toStdString());
}

QStringList TSetMaker::AskForPictures()
{
    QMessageBox choice(QMessageBox::NoIcon, tr("New set from pictures"),
                       tr("Make a set of cards from your own pictures: PNG, JPEG, GIF, BMP and the other "
                            "kinds this computer reads. Each picture makes one pair and is cut to the shape of "
                            "a card. Two pictures named like dog.a.jpg and dog.b.jpg make one pair whose two "
                            "cards differ. A set needs at least %1 pictures.")
                           .arg(PairCounts.front()),
                       QMessageBox::Cancel, Window);
    QPushButton* folder = choice.addButton(tr("Choose a folder..."), QMessageBox::AcceptRole);
    QPushButton* files = choice.addButton(tr("Choose pictures..."), QMessageBox::AcceptRole);
    choice.setDefaultButton(folder);
    choice.exec();
    const QString home = QDir::homePath();
    if (choice.clickedButton() == folder) {
        const QString dir = QFileDialog::getExistingDirectory(Window, tr("Folder of pictures"), home);
        return dir.isEmpty() ? QStringList() : PictureFilesIn(dir);
    }
    if (choice.clickedButton() == files)
        return QFileDialog::getOpenFileNames(Window, tr("Pictures"), home, PictureFilter());
    return {};
}

std::string TSetMaker::AskForFile(const QString& setName)
{
    // A program's set keeps its file name to itself; a set of the player's
    // own is replaced only on their word.
    const std::string name = FreeSetFileName(SetFileNameFor(setName.toStdString()), [this](const std::string& n) {
        return IsFile(ProgramCardsDir + n);
    });
    const std::string file = UserCardsDir + name;
    if (IsFile(file) && !(OnAsk && OnAsk(tr("You already have a set saved as %1. Replace it with the new set?")
                                             .arg(QString::fromStdString(name))
                                             .toStdString())))
        return {};
    return file;
}

void TSetMaker::Start()
{
    if (Running())
        return;
    QStringList files = AskForPictures();
    files.removeIf([](const QString& file) { return !IsFile(ToLocal(file)); });
    if (files.isEmpty())
        return;
    if (files.size() < PairCounts.front()) {
        Say(tr("Pictures found: %1. A set needs at least %2.").arg(files.size()).arg(PairCounts.front()));
        return;
    }
    bool ok = false;
    const QString suggested = QFileInfo(files.front()).dir().dirName();
    const QString name = QInputDialog::getText(Window, tr("New set from pictures"), tr("Name of the set:"),
                                               QLineEdit::Normal, suggested, &ok)
                             .simplified()
                             .left(MaxSetName);
    if (!ok || name.isEmpty())
        return;
    const std::string file = AskForFile(name);
    if (file.empty())
        return;
    TSetRequest request;
    for (const QString& picture : files)
        request.Files.push_back(ToLocal(picture));
    request.SetName = name.toStdString();
    request.OutFile = file;
    Make(std::move(request));
}

void TSetMaker::Make(TSetRequest request)
{
    if (Running())
        return;
    const int pictures = static_cast<int>(request.Files.size());
    Cancel = false;
    Done = 0;
    Result = {};
    Failure.clear();
    OutFile = request.OutFile;
    SetName = request.SetName;

    // One step more than the pictures: the writing, after the last one.
    Progress = new QProgressDialog(tr("Reading the pictures..."), tr("Stop"), 0, pictures + 1, Window);
    Progress->setWindowTitle(tr("New set from pictures"));
    Progress->setWindowModality(Qt::WindowModal);
    Progress->setMinimumDuration(0);
    Progress->setAutoClose(false);
    Progress->setAutoReset(false);
    Progress->setMinimumWidth(ProgressWidth);
    // The dialog hides itself; the worker stops after the picture in hand.
    connect(Progress, &QProgressDialog::canceled, this, [this]() { Cancel = true; });
    Progress->setValue(0);

    // The worker only counts; the window reads the count on its own clock.
    Poll = new QTimer(this);
    connect(Poll, &QTimer::timeout, this, [this, pictures]() {
        if (Cancel)
            return;
        const int done = Done;
        if (done >= pictures)
            Progress->setLabelText(tr("Writing the set..."));
        Progress->setValue(done);
    });
    Poll->start(ProgressPollMs);

    Worker.reset(QThread::create([this, request = std::move(request)]() {
        try {
            Result = MakeSetFromPictures(request, [this](int done, int) { Done = done; }, Cancel);
        } catch (const std::exception& error) {
            Failure = error.what();
        }
    }));
    connect(Worker.get(), &QThread::finished, this, &TSetMaker::Finish, Qt::QueuedConnection);
    Worker->start();
}

void TSetMaker::Finish()
{
    Worker->wait();
    Worker.reset();
    delete Poll;
    Poll = nullptr;
    Progress->deleteLater();
    Progress = nullptr;

    const QString skipped = SkippedLines(Result.Skipped);
    if (!Failure.empty()) {
        Say(tr("The set could not be made: %1").arg(QString::fromStdString(Failure)));
    } else if (Result.Cancelled) {
        return; // the player stopped it: nothing was written, nothing to say
    } else if (!Result.Saved) {
        Say(tr("Pictures that can be used: %1. A set needs at least %2 different pictures, so nothing was saved.")
                .arg(Result.Pairs)
                .arg(PairCounts.front())
            + (skipped.isEmpty() ? QString() : QStringLiteral("\n\n") + tr("Left out:") + QLatin1Char('\n') + skipped));
    } else {
        if (OnMade)
            OnMade(OutFile);
        const QString made = tr("The set \"%1\" has %n pairs.", nullptr, Result.Pairs).arg(QString::fromStdString(SetName));
        if (!skipped.isEmpty())
            Say(made + QStringLiteral("\n\n") + tr("Left out:") + QLatin1Char('\n') + skipped);
        if (!Result.Written.Durable)
            Say(QString::fromStdString(Result.Written.Warning));
    }
}
