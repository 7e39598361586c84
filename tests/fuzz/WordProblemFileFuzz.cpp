// The word-problem file is edited by hand outside the program: any bytes must parse safely, and what
// is kept must keep the file's rules (no empty entry, no header or comment taken as an entry).
#include "catalogue/WordProblemFile.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

bool IsEntry(const std::string& line) {
    return !line.empty() && line.front() != ':' && !line.starts_with("//");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace numerava;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    WordProblemFileError error = WordProblemFileError::Missing;
    const TWordProblemFile file = ParseWordProblemFile(bytes, error);

    if (error == WordProblemFileError::Missing) std::abort(); // parsing never reports a missing file
    const bool ok = error == WordProblemFileError::None;
    if (!ok && !file.NameList.empty()) std::abort();
    for (const std::string& name : file.NameList)
        if (!IsEntry(name)) std::abort();
    if (!file.SectionTitles[0].empty() || !file.SectionLines[0].empty()) std::abort();
    for (size_t k = 1; k <= SectionCount; ++k) {
        if (!ok && (!file.SectionTitles[k].empty() || !file.SectionLines[k].empty())) std::abort();
        for (const std::string& line : file.SectionLines[k])
            if (!IsEntry(line)) std::abort();
    }
    return 0;
}
