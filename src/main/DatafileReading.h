#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

#include <memory>

class QWidget;

namespace calendrix {

struct RosterData;

// Reads a roster datafile on a thread of its own, so that the window goes on
// answering while a division's roster is read: a progress dialog shows how
// far the read is, and its "Stop" ends the read.
class DatafileReading
{
    Q_DECLARE_TR_FUNCTIONS(DatafileReading)

public:
    enum class Outcome {
        Read,    // data holds the roster
        Stopped, // the clerk stopped the read
        Failed,  // the datafile could not be read; reading it again tells why
    };

    // title: the progress dialog's, the command's caption (Open/Print
    // Rosters when empty).
    DatafileReading(QWidget *parent, const QString &path, const QString &title = QString());

    Outcome outcome() const { return m_outcome; }
    // Shared with the reports made of it, so that they read no other copy.
    const std::shared_ptr<const RosterData> &data() const { return m_data; }
    // The file's identity as it was before the read (ReportEngine::identityOf).
    const QByteArray &identity() const { return m_identity; }

private:
    Outcome m_outcome = Outcome::Failed;
    QByteArray m_identity;
    std::shared_ptr<const RosterData> m_data;
};

} // namespace calendrix
