#pragma once

#include <string>
#include <vector>

namespace wexa::cli {

// The program's arguments, program name first, as UTF-8 text. A POSIX system
// hands them over as the bytes typed. Windows gives a narrow main() its
// arguments in the ANSI code page, where a name in another script arrives as
// '?'; there they are read again from the wide command line.
[[nodiscard]] std::vector<std::string> ArgumentsAsText(int argc, char** argv);

// While one lives, a Windows console shows the program's UTF-8 output as the
// characters it encodes, whatever code page the console had; the code page is
// put back at the end. Nothing to do elsewhere.
class Utf8Console {
public:
    Utf8Console();
    ~Utf8Console();
    Utf8Console(const Utf8Console&) = delete;
    Utf8Console& operator=(const Utf8Console&) = delete;

private:
    unsigned int previous_ = 0; // 0: left as it was
};

} // namespace wexa::cli
