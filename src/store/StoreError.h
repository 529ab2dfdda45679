#pragma once

#include "store/Error.h"

namespace calendrix {

// Error numbers of the record store. The numbers are the ones the duty clerk
// has always seen in "ERROR" boxes, so callers and messages can rely on them.
enum class StoreErrorCode : int {
    General = 3000,
    UpdateWithoutEdit = 3020, // update or field change without add-new or edit
    NoCurrentRecord = 3021,   // delete, edit or read with no current record
    Constraint = 3022,        // the file refused the change (constraint)
    FileNotFound = 3024,
    DiskFull = 3026,
    ReadOnly = 3027,
    IoError = 3043,
    Corrupt = 3049,
    CannotOpen = 3051,
    BadRecordSource = 3131, // a record source that is not a table or our query form
    FieldReadOnly = 3164,   // the key field is assigned by the store
    RecordDeleted = 3167,
    DestinationExists = 3204, // copy of a database onto an existing file
    Locked = 3260,
    ItemNotFound = 3265,  // no such field or table
    WrongFileKind = 3343, // not a database of the expected kind
    TypeMismatch = 3421,  // a value that the field's type cannot hold
};

// The store's number for a failed system call (errno).
StoreErrorCode storeErrorCodeOfSystem(int error);

class StoreError : public Error
{
public:
    // What went wrong with which values (file, table, field, the system's
    // reason), in the order of the notice's sentence.
    StoreError(StoreErrorCode code, NoticeCode notice, QStringList values, QString file = {});
    // A notice worked out elsewhere, told with this error's number.
    StoreError(StoreErrorCode code, Notice notice, QString file = {});

    StoreErrorCode code() const { return m_code; }
    QString file() const { return m_file; }

private:
    StoreErrorCode m_code;
    QString m_file;
};

} // namespace calendrix
