#include "model/ProjectFile.h"

#include "model/AtomicFile.h"
#include "model/ByteStream.h"
#include "model/PathText.h"
#include "model/ProjectSchema.h"

#include <memory>
#include <string>

namespace wexa {

std::vector<unsigned char> WriteProjectBytes(const Project& project) {
    ByteWriter writer;
    ForEachSavedValue(project, [&writer](const auto& value) {
        writer.Write(value);
        return true;
    });
    return writer.TakeBytes();
}

FileResult ReadProjectBytes(std::span<const unsigned char> bytes, Project& project) {
    // On the heap: the result tables make a Project too large for the stack.
    auto staged = std::make_unique<Project>(project);
    ByteReader reader(bytes);
    const bool complete =
        ForEachSavedValue(*staged, [&reader](auto& value) { return reader.Read(value); });
    if (!complete) {
        return FileResult::Failure(std::string(kUnexpectedFileFormat));
    }
    project = std::move(*staged);
    return FileResult::Success();
}

FileResult ReadProjectFile(const std::filesystem::path& path, Project& project) {
    std::vector<unsigned char> bytes;
    if (FileResult read = ReadWholeFile(path, kMaxProjectFileBytes, bytes); !read) {
        return read;
    }
    if (FileResult read = ReadProjectBytes(bytes, project); !read) {
        return FileResult::Failure(DisplayPath(path) + ": " + read.Message);
    }
    return FileResult::Success();
}

FileResult OpenProjectFile(const std::filesystem::path& path, Project& project) {
    auto opened = std::make_unique<Project>();
    FileResult read = ReadProjectFile(path, *opened);
    if (read) {
        project = std::move(*opened);
    }
    return read;
}

FileResult WriteProjectFile(const std::filesystem::path& path, const Project& project) {
    const std::vector<unsigned char> bytes = WriteProjectBytes(project);
    if (bytes.size() > kMaxProjectFileBytes) {
        return FileResult::Failure("Unable to write to " + DisplayPath(path) +
                                   ", the project is too large to be opened again.");
    }
    return WriteFileAtomically(path, bytes);
}

} // namespace wexa
