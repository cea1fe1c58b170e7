#pragma once
// One running program per program directory: a second start with a file
// hands the file to the one already running and ends, so a double click in
// the file manager opens the file in the window the rider has open instead
// of a second program writing the same settings files.

#include <QObject>
#include <QString>
#include <QStringList>

class QLocalServer;

namespace trovanta::ui {

// The channel's name: the user and the program directory, so that
// another user's or another installation's program is never reached.
QString instanceName(const QString &programDirectory);

// Hands `files` to the program listening on `name`; false when none answers.
bool handToRunning(const QString &name, const QStringList &files);

// Listens on `name` for the files of later starts.
class InstanceServer : public QObject {
    Q_OBJECT
public:
    explicit InstanceServer(const QString &name, QObject *parent = nullptr);
    bool listening() const;

signals:
    void fileReceived(const QString &path);

private:
    void takeConnection();
    QLocalServer *server_;
};

} // namespace trovanta::ui
