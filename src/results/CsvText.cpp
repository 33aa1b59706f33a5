#include "results/CsvText.h"

namespace wexa::forms {

std::string CsvField(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos) {
        return text;
    }
    std::string quoted = "\"";
    for (const char ch : text) {
        quoted += ch == '"' ? std::string("\"\"") : std::string(1, ch);
    }
    return quoted + "\"";
}

void WriteCsvLine(std::ostream& out, const std::string& first,
                  const std::vector<std::string>& rest) {
    out << CsvField(first);
    for (const std::string& field : rest) {
        out << ',' << CsvField(field);
    }
    out << "\r\n";
}

FileNameRequest CsvFileRequest(const std::string& initialName) {
    return FileNameRequest{.InitialName = initialName,
                           .Filters = {{"CSV Files", {"*.csv"}}, {"All Files", {"*"}}},
                           .MustExist = false,
                           .ConfirmOverwrite = true,
                           .DefaultSuffix = "csv"};
}

} // namespace wexa::forms
