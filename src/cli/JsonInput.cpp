#include "cli/JsonInput.h"

#include "cli/ProjectJson.h"
#include "cli/TextFormat.h"
#include "model/FileIo.h"

#include <nlohmann/json.hpp>

#include <optional>
#include <set>
#include <string_view>
#include <system_error>
#include <utility>
#include <vector>

namespace wexa::cli {
namespace {

using nlohmann::json;

// The parser's error id for a number a double cannot hold ("number overflow").
constexpr int kNumberOutOfRange = 406;

std::string FieldName(std::string_view key) {
    return "field \"" + EchoedText(key) + "\"";
}

// The most JSON values, arrays included, a correct value of the field holds:
// an array of records, each an array of Width values.
std::size_t MostValues(JsonField field) {
    const auto records = static_cast<std::size_t>(field.Section->Records);
    const auto width = static_cast<std::size_t>(field.Field->Width);
    return 1 + records * (width + 1);
}

// Reads the JSON form event by event, so that a fault is refused as soon as
// the parser meets it and no more than one field's value is held at a time:
// - a key that names no field, or a field named before, is refused at once;
// - a field's value is built up, then set in the project when complete; a
//   value with more entries than the field's shape has room for is refused
//   as soon as it has them, so a long array costs no memory;
// - a number a double cannot hold, which the parser reports as a syntax
//   error, is refused naming the field it is in.
// The handler functions are those nlohmann::json::sax_parse calls; each
// returns false to stop the parse, after setting the error.
class ProjectReader {
public:
    explicit ProjectReader(Project& project) : project_(project) {}

    [[nodiscard]] const std::string& Error() const { return error_; }

    bool null() { return Value(nullptr); }
    bool boolean(bool value) { return Value(value); }
    bool number_integer(json::number_integer_t value) { return Value(value); }
    bool number_unsigned(json::number_unsigned_t value) { return Value(value); }
    bool number_float(json::number_float_t value, const json::string_t& /*text*/) {
        return Value(value);
    }
    bool string(json::string_t& value) { return Value(std::move(value)); }
    bool binary(json::binary_t& /*value*/) { return RefuseSyntax(); } // not in JSON text

    bool start_object(std::size_t /*entries*/) {
        if (field_) {
            return RefuseShape(); // no field holds an object
        }
        return true; // the project's object; the parser allows no other here
    }
    bool end_object() { return true; }

    bool key(json::string_t& key) {
        field_ = FindJsonField(key);
        if (!field_) {
            return Refuse("unknown " + FieldName(key));
        }
        if (!named_.insert(field_->Field).second) {
            return Refuse(FieldName(key) + " is given more than once");
        }
        valuesLeft_ = MostValues(*field_);
        return true;
    }

    bool start_array(std::size_t /*entries*/) {
        if (!CountValue()) {
            return false;
        }
        if (open_.empty()) {
            value_ = json::array();
            open_.push_back(&value_);
        } else {
            // The parent grows only after this array is closed, so the
            // pointer stays valid while the array is open.
            open_.back()->push_back(json::array());
            open_.push_back(&open_.back()->back());
        }
        return true;
    }

    bool end_array() {
        open_.pop_back();
        return open_.empty() ? SetField() : true;
    }

    bool parse_error(std::size_t /*position*/, const std::string& token,
                     const nlohmann::detail::exception& error) {
        if (error.id != kNumberOutOfRange) {
            return RefuseSyntax();
        }
        const std::string where = field_ ? FieldName(field_->Field->Name) : "the file";
        return Refuse(where + " holds a number out of range: " + EchoedText(token));
    }

private:
    // A scalar: a field's whole value, or an entry of an open array.
    bool Value(json value) {
        if (!CountValue()) {
            return false;
        }
        if (open_.empty()) {
            value_ = std::move(value);
            return SetField();
        }
        open_.back()->push_back(std::move(value));
        return true;
    }

    // Every value is in a field's value unless the file is not an object.
    bool CountValue() {
        if (!field_) {
            return Refuse("the file must hold one JSON object of project fields");
        }
        if (valuesLeft_ == 0) {
            return RefuseShape();
        }
        --valuesLeft_;
        return true;
    }

    bool SetField() {
        if (!FieldFromJson(*field_, value_, project_)) {
            return RefuseShape();
        }
        field_.reset();
        value_ = json();
        return true;
    }

    bool RefuseShape() {
        return Refuse(FieldName(field_->Field->Name) + " must be " + ExpectedShape(*field_));
    }

    bool Refuse(std::string message) {
        error_ = std::move(message) + "; nothing was written.";
        return false;
    }

    bool RefuseSyntax() {
        error_ = "not valid JSON (or not UTF-8 text).";
        return false;
    }

    Project& project_;
    std::string error_;
    std::set<const SavedField*> named_;
    std::optional<JsonField> field_; // the field whose value is being read
    std::size_t valuesLeft_ = 0;     // how many more values it may hold
    json value_;
    std::vector<json*> open_; // the arrays open in value_, innermost last
};

} // namespace

std::string JsonReadErrorMessage(const std::string& path, const FileResult& read) {
    if (read.Error != std::errc::file_too_large) {
        return read.Message;
    }
    return PrintableText(path) + ": the file is larger than " +
           std::to_string(kMaxProjectJsonBytes / (std::uintmax_t{1024} * 1024)) +
           " MiB, the most a project's JSON form may be; nothing was written.";
}

std::unique_ptr<Project> ProjectFromJsonBytes(std::span<const unsigned char> bytes,
                                              const std::string& path, std::string& error) {
    auto project = std::make_unique<Project>();
    ProjectReader reader(*project);
    if (!json::sax_parse(bytes.begin(), bytes.end(), &reader)) {
        error = PrintableText(path) + ": " + reader.Error();
        return nullptr;
    }
    return project;
}

} // namespace wexa::cli
