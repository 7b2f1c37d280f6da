#include "model/FileContents.h"

#include <fstream>
#include <new>
#include <system_error>

#include "Texts.h"

namespace sockwright {

FileContents readWholeFile(const std::filesystem::path& path) {
    FileContents contents;
    std::error_code error;
    // A folder opens as a stream on some systems but cannot be read.
    if (std::filesystem::is_directory(path, error)) return contents;
    std::ifstream in(path, std::ios::binary);
    if (!in) return contents;

    try {
        const auto size = std::filesystem::file_size(path, error);
        if (!error) contents.bytes.reserve(size);
        char chunk[64 * 1024];
        while (in.read(chunk, sizeof chunk) || in.gcount() > 0) {
            contents.bytes.append(chunk, static_cast<std::size_t>(in.gcount()));
        }
    } catch (const std::bad_alloc&) {
        contents.bytes = std::string();
        contents.status = FileReadStatus::OutOfMemory;
        return contents;
    } catch (const std::length_error&) {
        contents.bytes = std::string();
        contents.status = FileReadStatus::OutOfMemory;
        return contents;
    }
    if (in.bad()) {
        contents.bytes = std::string();
        return contents;
    }
    contents.status = FileReadStatus::Read;
    return contents;
}

void showReadFailure(FileReadStatus status, MessageSink& messages) {
    const int id = status == FileReadStatus::OutOfMemory ? TextOutOfMemory : TextCannotOpenRuneData;
    messages.showMessage(std::string(text(id)));
}

}  // namespace sockwright
