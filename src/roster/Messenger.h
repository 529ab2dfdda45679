#pragma once

#include <QString>

namespace calendrix {

// Everything the roster run says to a person goes through here: the desktop
// program shows message boxes, the command line prints, tests record.
class Messenger
{
public:
    // The title word of a message: none ("Finished"), "INFORMATION" or "ERROR".
    enum class Kind { Plain, Information, Error };

    virtual ~Messenger() = default;

    virtual void inform(Kind kind, const QString &text) = 0;
    // A yes/no question titled "QUESTION"; true for Yes.
    virtual bool ask(const QString &question) = 0;
    // The run has begun its work (after any question): a window steps aside.
    virtual void started() {}
    // How far a long run has come; the default shows nothing.
    virtual void progress(int done, int total)
    {
        Q_UNUSED(done);
        Q_UNUSED(total);
    }

    static QString title(Kind kind)
    {
        switch (kind) {
        case Kind::Information:
            return QStringLiteral("INFORMATION");
        case Kind::Error:
            return QStringLiteral("ERROR");
        case Kind::Plain:
            break;
        }
        return {};
    }
};

} // namespace calendrix
