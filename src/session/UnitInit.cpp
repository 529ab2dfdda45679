#include "session/UnitSession.h"

#include "report/ReportError.h"
#include "report/ReportLayout.h"

#include <QDir>

// Making a unit and repairing it, apart from the rest of the session: the
// repair checks the report layouts, which needs Qt's fonts and colours, and
// the commands that never read a layout are linked without them.

namespace calendrix {

UnitSession::Initialised UnitSession::init(bool repair, const QDateTime &now)
{
    Initialised initialised;
    const auto refuse = [&](Notice notice) {
        initialised.outcome = Initialised::Outcome::Refused;
        initialised.notices.append(std::move(notice));
        return initialised;
    };
    try {
        if (!repair) {
            if (const std::optional<Notice> why = m_folder.historyFault())
                return refuse(Notice::because(
                    {Notice::Kind::Error, NoticeCode::InitNeedsRepair, {m_folder.repairCommand()}}, *why));
            const UnitFolder::InitResult made = m_folder.init();
            initialised.files.created = made.created;
            initialised.files.kept = made.kept;
            return initialised;
        }
        // Nothing may be moved under a copy of the program that has the unit open.
        QDir().mkpath(m_folder.dir());
        if (!lock())
            return refuse(m_lockRefused);
        // Settled before the files are checked: until then the working
        // database's journal holds changes that only a writer may roll back,
        // and the checks, which only read, would take the file for read-only.
        // The repair sets a damaged working database aside or makes a missing one.
        UnitSettling::Options options;
        options.repairAt = now;
        const UnitSettling::Result settled = settleWith(options);
        initialised.notices = settled.notices();
        if (settled.error && !settled.unusableWorking)
            return refuse(Notice::because({Notice::Kind::Error, NoticeCode::SettleFailed, {}},
                                          settled.error->notice()));
        for (const UnitSettling::RecordAside &r : settled.recordsAside)
            initialised.notices.append(
                {Notice::Kind::Warning, NoticeCode::RecordKeptAside, {r.record, r.aside}});
        // A record that could not be set aside.
        if (settled.error) {
            initialised.outcome = Initialised::Outcome::Failed;
            initialised.error = settled.error;
            return initialised;
        }
        const auto layoutCheck = [](const QString &path) -> std::optional<Notice> {
            try {
                ReportLayout::load(path);
            } catch (const ReportError &e) {
                return e.notice();
            }
            return {};
        };
        initialised.files = m_folder.repair(now, layoutCheck);
    } catch (const StoreError &e) {
        initialised.outcome = Initialised::Outcome::Failed;
        initialised.error = e;
    }
    return initialised;
}

UnitSession::Initialised UnitSession::init(const QList<UnitFolder::Unusable> &keepAside,
                                           const QDate &today) const
{
    Initialised initialised;
    try {
        for (const UnitFolder::Unusable &u : keepAside)
            initialised.files.setAside.append({u.path, m_folder.keepAside(u.path, today), u.why});
        const UnitFolder::InitResult made = m_folder.init();
        initialised.files.created = made.created;
        initialised.files.kept = made.kept;
    } catch (const StoreError &e) {
        initialised.outcome = Initialised::Outcome::Failed;
        initialised.error = e;
    }
    return initialised;
}

} // namespace calendrix
