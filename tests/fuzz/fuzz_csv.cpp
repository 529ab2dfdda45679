#include "FuzzInput.h"
#include "store/CsvReader.h"
#include "store/StoreError.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    try {
        calendrix::CsvReader::read(fuzzInputFile(data, size));
    } catch (const calendrix::StoreError &) {
    }
    return 0;
}
