#pragma once

#include "roster/Messenger.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <memory>

class QProgressBar;
class QWidget;

namespace calendrix {

// The roster run's messages as message boxes. While the run works, the main
// window is hidden under the busy pointer and a long run shows how far it
// has come. A message box always has the screen to itself: the progress
// window steps aside and the pointer is the normal one until it is answered,
// so it takes the mouse and Return at once.
class RunMessenger : public Messenger
{
    Q_DECLARE_TR_FUNCTIONS(RunMessenger)

public:
    explicit RunMessenger(QWidget *window);
    ~RunMessenger() override;

    void inform(const Notice &notice) override;
    bool ask(const Notice &question) override;
    void started() override;
    void progress(int done, int total) override;

    // The run is over: the progress goes, the pointer is the normal one again.
    void finish();

private:
    class Pause;
    QWidget *boxParent() const;

    QWidget *m_window;
    std::unique_ptr<QWidget> m_progressWindow;
    QProgressBar *m_bar = nullptr;
    QElapsedTimer m_sinceStart;
    QElapsedTimer m_sincePaint;
    bool m_running = false;
    bool m_busy = false;
    bool m_quitOnLastWindowClosed = true;
};

} // namespace calendrix
