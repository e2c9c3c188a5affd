// libFuzzer target over the reading-file reader and the character shift:
//   clang++ -std=c++20 -fsanitize=fuzzer,address,undefined -I. result/ReadingFile_fuzz.cpp \
//       result/modRTB.cpp -o reading_fuzz && ./reading_fuzz -max_total_time=60
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "result/modRTB.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::string name = tarabead::result::NakshatraNameFromReadingFile(bytes);
    const std::string again = tarabead::result::ReadingFileBytes(name);
    if (tarabead::result::NakshatraNameFromReadingFile(again).size() > name.size())
        __builtin_trap();
    tarabead::modRTB::DecodeText(tarabead::modRTB::EncodeText(bytes));
    return 0;
}
