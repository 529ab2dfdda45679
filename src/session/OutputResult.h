#pragma once

#include "store/Error.h"
#include "store/Notice.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace calendrix {

// How far a long output has come, and the one way to stop it: the window
// shows a progress dialog with "Stop", the command line a progress line.
class OutputProgress
{
public:
    virtual ~OutputProgress() = default;
    // done of total steps of the part called what (a report's title, a
    // datafile's name); false asks to stop. Not every output can stop.
    virtual bool advance(const QString &what, int done, int total) = 0;
};

// What an export, a print to PDF or the fairness report came to.
struct OutputResult {
    enum class Outcome {
        Ready,   // checked: nothing stands in the way of writing
        Written, // every file is in place
        Refused, // a target may not be written (notices say why); nothing was
        Exists,  // files holds the targets that exist; nothing was written
        Stopped, // stopped on request; nothing was put in place
        Failed,  // error says why; nothing was put in place
    };

    Outcome outcome = Outcome::Written;
    // The files written, or for Exists those that would be replaced.
    QStringList files;
    // What to tell the clerk besides: a refusal, what was written.
    Notices notices;
    // For Failed: the store's or the report's error, which names its file.
    std::optional<Error> error;
};

} // namespace calendrix
