#include "main/RunMessenger.h"

#include "app/NoticeText.h"
#include "main/UserDialogs.h"
#include "store/FieldValues.h"

#include <QApplication>
#include <QLabel>
#include <QProgressBar>
#include <QRegularExpression>
#include <QVBoxLayout>

using namespace Qt::Literals::StringLiterals;

namespace calendrix {

namespace {
// A run shorter than this shows no progress at all.
constexpr int kProgressAfterMs = 700;
// The progress window is painted this often, not at every period.
constexpr int kPaintEveryMs = 100;

// The run names days as its files store them (2027-03-15); the window shows
// them as its lists do.
QString withShownDates(QString text)
{
    static const QRegularExpression isoDate(u"\\b(\\d{4})-(\\d{2})-(\\d{2})\\b"_s);
    QRegularExpressionMatchIterator matches = isoDate.globalMatch(text);
    QList<QRegularExpressionMatch> found;
    while (matches.hasNext())
        found.prepend(matches.next()); // replaced from the end, so earlier offsets hold
    for (const QRegularExpressionMatch &m : found) {
        const QDate date(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt());
        if (date.isValid())
            text.replace(m.capturedStart(), m.capturedLength(), FieldValues::dateText(date));
    }
    return text;
}

} // namespace

// Clears the screen for a message box and puts the run's look back after it.
class RunMessenger::Pause
{
public:
    explicit Pause(RunMessenger &m) : m_m(m)
    {
        if (m_m.m_progressWindow)
            m_m.m_progressWindow->hide();
        if (m_m.m_busy)
            QApplication::restoreOverrideCursor();
    }
    ~Pause()
    {
        // The progress window comes back with the next progress the run reports.
        if (m_m.m_busy)
            QApplication::setOverrideCursor(Qt::WaitCursor);
    }
    Pause(const Pause &) = delete;
    Pause &operator=(const Pause &) = delete;

private:
    RunMessenger &m_m;
};

RunMessenger::RunMessenger(QWidget *window) : m_window(window) {}

RunMessenger::~RunMessenger()
{
    finish();
}

QWidget *RunMessenger::boxParent() const
{
    return m_window->isVisible() ? m_window : nullptr;
}

void RunMessenger::inform(const Notice &notice)
{
    const Pause pause(*this);
    UserDialogs::instance().inform(boxParent(), notice.kind, withShownDates(NoticeText::text(notice)));
}

bool RunMessenger::ask(const Notice &question)
{
    const Pause pause(*this);
    return UserDialogs::instance().ask(boxParent(), withShownDates(NoticeText::text(question)));
}

void RunMessenger::started()
{
    m_running = true;
    // While the main window is hidden, a message box can be the only window
    // on the screen; answering it must not end the program.
    m_quitOnLastWindowClosed = QApplication::quitOnLastWindowClosed();
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    m_busy = true;
    m_window->hide();
    m_sinceStart.start();
}

void RunMessenger::progress(int done, int total)
{
    if (!m_running || m_sinceStart.elapsed() < kProgressAfterMs)
        return;
    if (!m_progressWindow) {
        // Not modal: nothing the run shows later can end up beneath it.
        m_progressWindow = std::make_unique<QWidget>(nullptr, Qt::Dialog);
        m_progressWindow->setObjectName(u"RunProgress"_s);
        m_progressWindow->setWindowTitle(u"Calendrix"_s);
        auto *layout = new QVBoxLayout(m_progressWindow.get());
        layout->addWidget(new QLabel(tr("Making the roster..."), m_progressWindow.get()));
        m_bar = new QProgressBar(m_progressWindow.get());
        layout->addWidget(m_bar);
        m_progressWindow->setMinimumWidth(320);
    }
    m_bar->setRange(0, total);
    m_bar->setValue(done);
    if (!m_progressWindow->isVisible()) {
        m_progressWindow->show();
        m_sincePaint.invalidate();
    }
    if (!m_sincePaint.isValid() || m_sincePaint.elapsed() >= kPaintEveryMs) {
        // Paint only: a click or key waits until the run is over, as the
        // run's commands always have.
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        m_sincePaint.start();
    }
}

void RunMessenger::finish()
{
    m_progressWindow.reset();
    m_bar = nullptr;
    if (m_busy) {
        QApplication::restoreOverrideCursor();
        m_busy = false;
    }
    if (m_running) {
        QApplication::setQuitOnLastWindowClosed(m_quitOnLastWindowClosed);
        m_running = false;
    }
}

} // namespace calendrix
