#pragma once

#include "store/Notice.h"

#include <QString>

namespace calendrix {

// Everything the roster run says to a person goes through here, as notices
// whose words the face makes: the desktop program shows message boxes, the
// command line prints, tests record.
class Messenger
{
public:
    // The title word of a message: none ("Finished"), "INFORMATION", "WARNING" or "ERROR".
    using Kind = Notice::Kind;

    virtual ~Messenger() = default;

    virtual void inform(const Notice &notice) = 0;
    // A yes/no question titled "QUESTION"; true for Yes.
    virtual bool ask(const Notice &question) = 0;
    // The run has begun its work (after any question): a window steps aside.
    virtual void started() {}
    // How far a long run has come; the default shows nothing.
    virtual void progress(int done, int total)
    {
        Q_UNUSED(done);
        Q_UNUSED(total);
    }
};

} // namespace calendrix
