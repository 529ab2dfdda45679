#include "main/OffThread.h"

#include <QApplication>
#include <QEventLoop>
#include <QProgressDialog>
#include <QScopeGuard>
#include <QThread>

#include <exception>
#include <memory>

using namespace Qt::Literals::StringLiterals;

namespace calendrix {

void runOffThread(QWidget *parent, const QString &title, const QString &label,
                  const std::function<void()> &work)
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const auto restore = qScopeGuard([] { QApplication::restoreOverrideCursor(); });
    std::exception_ptr thrown;
    const std::unique_ptr<QThread> thread(QThread::create([&] {
        try {
            work();
        } catch (...) {
            thrown = std::current_exception();
        }
    }));
    // A busy indicator without "Stop": the range 0 to 0.
    QProgressDialog busy(label, QString(), 0, 0, parent);
    busy.setObjectName(u"BusyProgress"_s);
    busy.setWindowTitle(title);
    // Wide enough for the title bar to show the whole caption.
    busy.setMinimumWidth(busy.fontMetrics().horizontalAdvance(title) * 2 + 160);
    busy.setWindowModality(Qt::WindowModal);
    busy.setMinimumDuration(200);
    busy.setAutoReset(false);
    busy.setAutoClose(false);
    busy.setValue(0); // the time to show it counts from here
    QEventLoop loop;
    QObject::connect(thread.get(), &QThread::finished, &loop, &QEventLoop::quit);
    thread->start();
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    // The loop also ends when the program quits; the work is waited out.
    thread->wait();
    if (thrown)
        std::rethrow_exception(thrown);
}

} // namespace calendrix
