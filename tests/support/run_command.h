// A shell command's standard output, for tests that read files back with outside tools
// (poppler's pdftotext, pdfinfo, pdffonts).
#pragma once

#include <cstdio>
#include <string>

namespace zeledit::test {

inline std::string RunCommand(const std::string& command) {
    std::string out;
    if (FILE* p = popen(command.c_str(), "r")) {
        char buffer[4096];
        for (std::size_t n; (n = fread(buffer, 1, sizeof buffer, p)) > 0;) out.append(buffer, n);
        pclose(p);
    }
    return out;
}

inline bool HaveTool(const char* tool) { return !RunCommand(std::string("command -v ") + tool).empty(); }

} // namespace zeledit::test
