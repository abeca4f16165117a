#pragma once
// The options panel's maker of card sets from the player's pictures: asks
// for a folder or some files and the set's name, runs MakeSetFromPictures on
// a thread of its own behind a progress window that can stop it, and says
// what it made and what it left out. The window stays responsive throughout.

#include "app/SetFromPictures.h"

#include <QObject>

#include <atomic>
#include <functional>
#include <memory>
#include <string>

class QProgressDialog;
class QThread;
class QTimer;
class QWidget;

class TSetMaker : public QObject {
    Q_OBJECT
public:
    // window parents the dialogs. Sets are written into userCardsDir; a file
    // name that programCardsDir already holds is not used, so a made set
    // never hides one of the program's.
    TSetMaker(QWidget* window, std::string programCardsDir, std::string userCardsDir);
    // Stops a set being made (nothing is written) and waits for its thread.
    ~TSetMaker() override;

    // The button: asks, then starts the work; does nothing while a set is made.
    void Start();
    bool Running() const { return Worker != nullptr; }
    // Start's work once its questions are answered: makes request's set on
    // the worker thread behind the progress window, then reports. Returns at
    // once; does nothing while a set is made.
    void Make(TSetRequest request);

    // Called when assigned, on the UI thread.
    std::function<void(const std::string& text)> OnMessage; // an exclamation box, OK only
    std::function<bool(const std::string& text)> OnAsk;     // a yes/no question, true for yes
    std::function<void(const std::string& file)> OnMade;    // a set was written to file

private:
    QStringList AskForPictures();
    // The set's file in the user's folder, or empty when the player withdrew.
    std::string AskForFile(const QString& setName);
    void Finish();
    void Say(const QString& text);

    QWidget* Window;
    std::string ProgramCardsDir, UserCardsDir;
    std::unique_ptr<QThread> Worker;
    QProgressDialog* Progress = nullptr;
    QTimer* Poll = nullptr;
    std::atomic<bool> Cancel {false};
    std::atomic<int> Done {0};
    // Written by the worker, read once it has finished.
    TMadeSet Result;
    std::string Failure;
    std::string OutFile, SetName;
};
