#include "FuzzInput.h"
#include "store/HolidayCalendar.h"
#include "store/StoreError.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    try {
        calendrix::HolidayCalendar::read(fuzzInputFile(data, size), QDate(2027, 3, 1));
    } catch (const calendrix::StoreError &) {
    }
    return 0;
}
