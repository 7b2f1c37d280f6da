#pragma once

#include <cstddef>
#include <string_view>

namespace sockwright {

// Walks the lines of a data file held in memory. A line ends at a line feed or at the end of
// the contents; a carriage return just before the line feed is not part of the line. Every line
// taken adds its length and one byte for its end to the consumed count, so the count passes the
// contents' size once the last line has been taken. Past the end every line is empty.
class LineCursor {
  public:
    explicit LineCursor(std::string_view contents, std::size_t consumed = 0)
        : contents_(contents), consumed_(consumed) {}

    std::string_view next() {
        if (consumed_ >= contents_.size()) {
            ++consumed_;
            return {};
        }
        const std::size_t start = consumed_;
        std::size_t end = contents_.find('\n', start);
        const bool endsWithLineFeed = end != std::string_view::npos;
        if (!endsWithLineFeed) end = contents_.size();
        consumed_ = end + 1;
        std::size_t length = end - start;
        if (endsWithLineFeed && length > 0 && contents_[end - 1] == '\r') --length;
        return contents_.substr(start, length);
    }

    // True once the consumed count has reached the contents' size.
    bool atEnd() const { return consumed_ >= contents_.size(); }
    std::size_t consumed() const { return consumed_; }

  private:
    std::string_view contents_;
    std::size_t consumed_;
};

}  // namespace sockwright
