// libFuzzer target of the workbook reader: whatever the bytes, it returns a
// table or throws a StoreError, within bounded memory.
#include "store/StoreError.h"
#include "store/XlsxReader.h"

#include <QTemporaryFile>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // minizip reads a file by name: one file, rewritten for each input.
    static QTemporaryFile file;
    if (!file.isOpen() && !file.open())
        return 0;
    file.resize(0);
    file.seek(0);
    file.write(reinterpret_cast<const char *>(data), qint64(size));
    file.flush();
    try {
        calendrix::XlsxReader::read(file.fileName());
    } catch (const calendrix::StoreError &) {
    }
    return 0;
}
