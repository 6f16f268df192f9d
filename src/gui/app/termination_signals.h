// SIGINT, SIGTERM and SIGHUP (Ctrl+C, a closed terminal, a session that ends) turned into a Qt
// signal, so that the program ends the way "Exit" ends it: the engine still tells the devices
// that it leaves and the store still deletes its scratch file.
#pragma once

#include <QObject>

#include <array>

class QSocketNotifier;

namespace brelvo::gui {

class TerminationSignals : public QObject {
    Q_OBJECT

public:
    // Installs the handlers; one object at a time. The destructor restores the default
    // handling.
    explicit TerminationSignals(QObject* parent = nullptr);
    ~TerminationSignals() override;
    TerminationSignals(const TerminationSignals&) = delete;
    TerminationSignals& operator=(const TerminationSignals&) = delete;

signals:
    void Requested(int signalNumber);

private:
    void OnReadable();

    // Read end and write end of the pipe the handler writes the signal number into: the only
    // thing a signal handler may safely do.
    std::array<int, 2> pipe_{-1, -1};
    QSocketNotifier* notifier_ = nullptr;  // child of this object
};

}  // namespace brelvo::gui
