#pragma once

#include <QObject>
#include <QString>

class QSocketNotifier;

// The window program runs once per program folder: two copies would announce every
// reminder twice, and each one's save would overwrite the other's. The first copy holds a
// socket in the abstract namespace whose name holds a hash of the canonical program folder:
// binding the name is the claim, and the kernel lets it go when the process ends, however it
// ends, so that no claim outlives its copy. A later copy connects to it instead and asks the
// running copy to show its main window.
class OneCopy : public QObject
{
    Q_OBJECT

public:
    // What a start found.
    enum class Claim {
        First,    // no other copy: this one runs, and answers the later ones
        Shown,    // the running copy showed its main window
        NoAnswer, // a running copy holds the folder but did not answer in time
    };

    // Claims `folder` for this copy, or asks the copy that holds it to show its main window,
    // waiting up to `waitMs` for the answer.
    OneCopy(const QString& folder, int waitMs, QObject* parent = nullptr);
    ~OneCopy() override;

    Claim Result() const { return mClaim; }

    // The name of the folder's socket in the abstract namespace, without its leading zero byte:
    // one a user and a folder.
    static QByteArray SocketName(const QString& folder);
    // What the player is told when the running copy does not answer.
    static QString NoAnswerText();

signals:
    // A later copy asks for the main window; it is answered once the slots have run.
    void ShowAsked();

private:
    void Accept();
    void Serve(int connection, QSocketNotifier* notifier);

    Claim mClaim = Claim::First;
    int mListener = -1;
};
