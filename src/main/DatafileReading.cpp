#include "main/DatafileReading.h"

#include "report/ReportEngine.h"
#include "report/ReportError.h"
#include "report/RosterData.h"

#include <QEventLoop>
#include <QFileInfo>
#include <QProgressDialog>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <atomic>
#include <exception>

using namespace Qt::Literals::StringLiterals;

namespace calendrix {

DatafileReading::DatafileReading(QWidget *parent, const QString &path, const QString &title)
    : m_identity(ReportEngine::identityOf(path))
{
    // What the two threads share. The reading thread opens its own
    // connection: a SQLite connection is used by the thread that opened it.
    struct Pace {
        std::atomic<qint64> done = 0;
        std::atomic<qint64> total = 0;
        std::atomic<bool> stop = false;
    } pace;
    const auto read = [&] {
        try {
            m_data =
                std::make_shared<const RosterData>(RosterData::read(path, [&pace](qint64 done, qint64 total) {
                    pace.done = done;
                    pace.total = total;
                    return !pace.stop;
                }));
            m_outcome = Outcome::Read;
        } catch (const ReportError &e) {
            m_outcome =
                e.notice().code == NoticeCode::DatafileReadStopped ? Outcome::Stopped : Outcome::Failed;
        } catch (const std::exception &) {
            m_outcome = Outcome::Failed;
        }
    };
    const std::unique_ptr<QThread> thread(QThread::create(read));

    // Shown only when the read takes long enough to be noticed.
    QProgressDialog progress(tr("Reading %1...").arg(QFileInfo(path).fileName()), tr("Stop"), 0, 1000,
                             parent);
    progress.setObjectName(u"ReadProgress"_s);
    progress.setWindowTitle(title.isEmpty() ? tr("Open/Print Rosters") : title);
    // Wide enough for the title bar to show the whole caption.
    progress.setMinimumWidth(progress.fontMetrics().horizontalAdvance(progress.windowTitle()) * 2 + 160);
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(200);
    progress.setAutoReset(false);
    progress.setValue(0); // the time to show it counts from here
    QObject::connect(&progress, &QProgressDialog::canceled, &progress, [&pace] { pace.stop = true; });
    QTimer tick;
    tick.setInterval(50);
    QObject::connect(&tick, &QTimer::timeout, &progress, [&] {
        // The dialog counts in int: a table's keys may run past it.
        const qint64 total = pace.total;
        const int done = total > 0 ? int(std::min<qint64>(pace.done * 1000 / total, 1000)) : 0;
        if (!pace.stop && done > progress.value())
            progress.setValue(done);
    });
    QEventLoop loop;
    QObject::connect(thread.get(), &QThread::finished, &loop, &QEventLoop::quit);
    thread->start();
    tick.start();
    loop.exec();
    // The loop also ends when the program does: the read is stopped, not waited out.
    pace.stop = true;
    thread->wait();
}

} // namespace calendrix
