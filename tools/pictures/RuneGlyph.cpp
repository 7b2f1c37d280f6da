#include "RuneGlyph.h"

#include <algorithm>
#include <set>

namespace sockwright::pictures {

namespace {

// A small deterministic generator (splitmix64), the same on every machine and library.
class Generator {
  public:
    explicit Generator(std::uint64_t seed) : state_(seed) {}
    std::uint64_t next() {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }
    int below(int bound) { return static_cast<int>(next() % static_cast<std::uint64_t>(bound)); }

  private:
    std::uint64_t state_;
};

bool pointLess(const QPoint& a, const QPoint& b) {
    return a.y() != b.y() ? a.y() < b.y() : a.x() < b.x();
}

RuneGlyph::Segment normalised(QPoint a, QPoint b) {
    if (pointLess(b, a)) std::swap(a, b);
    return {a, b};
}

bool segmentLess(const RuneGlyph::Segment& a, const RuneGlyph::Segment& b) {
    if (a.first != b.first) return pointLess(a.first, b.first);
    return pointLess(a.second, b.second);
}

bool inGrid(const QPoint& p) {
    return p.x() >= 0 && p.x() < RuneGlyph::kColumns && p.y() >= 0 && p.y() < RuneGlyph::kRows;
}

// Branch directions with their weights: diagonals carry the runic look, so they come most often.
struct Direction {
    QPoint step;
    int weight;
};
constexpr Direction kDirections[] = {
    {{1, 1}, 4}, {{-1, 1}, 4}, {{1, -1}, 4}, {{-1, -1}, 4},
    {{1, 0}, 1}, {{-1, 0}, 1}, {{0, 1}, 1},  {{0, -1}, 1},
};

}  // namespace

RuneGlyph::RuneGlyph(std::vector<Segment> segments) {
    for (auto& segment : segments) segment = normalised(segment.first, segment.second);
    std::sort(segments.begin(), segments.end(), segmentLess);
    segments.erase(std::unique(segments.begin(), segments.end()), segments.end());
    segments_ = std::move(segments);
}

RuneGlyph RuneGlyph::generate(std::uint64_t seed, int branches) {
    Generator random(seed);
    std::vector<Segment> segments;
    std::vector<QPoint> reached;
    auto addStave = [&](int column) {
        for (int row = 0; row + 1 < kRows; ++row) {
            segments.push_back(normalised({column, row}, {column, row + 1}));
        }
        for (int row = 0; row < kRows; ++row) reached.push_back({column, row});
    };
    // Most runes stand on one central stave; some on two side staves joined by their branches.
    const bool twoStaves = random.below(5) == 0;
    if (twoStaves) {
        addStave(0);
        addStave(2);
    } else {
        addStave(1);
    }

    auto has = [&](const Segment& s) {
        return std::find(segments.begin(), segments.end(), s) != segments.end();
    };
    int added = 0;
    for (int attempt = 0; added < branches && attempt < 200; ++attempt) {
        const QPoint from = reached[random.below(static_cast<int>(reached.size()))];
        int pick = random.below(20);
        QPoint step;
        for (const auto& direction : kDirections) {
            if (pick < direction.weight) {
                step = direction.step;
                break;
            }
            pick -= direction.weight;
        }
        const QPoint to = from + step;
        if (!inGrid(to)) continue;
        const Segment segment = normalised(from, to);
        if (has(segment)) continue;
        // Two crossing diagonals in one cell make an X that reads as a blot at stone size.
        const QPoint low(std::min(from.x(), to.x()), std::min(from.y(), to.y()));
        if (step.x() != 0 && step.y() != 0) {
            const bool rising = (to.x() - from.x()) * (to.y() - from.y()) < 0;
            const Segment crossing = rising ? normalised(low, low + QPoint(1, 1))
                                            : normalised(low + QPoint(1, 0), low + QPoint(0, 1));
            if (has(crossing)) continue;
        }
        segments.push_back(segment);
        reached.push_back(to);
        ++added;
    }
    return RuneGlyph(std::move(segments));
}

std::vector<RuneGlyph> RuneGlyph::distinctGlyphs(int count) {
    std::vector<RuneGlyph> glyphs;
    std::set<std::vector<std::pair<int, int>>> seen;
    for (int number = 1; number <= count; ++number) {
        // Common runes carry two branches, the middle row three, the rare ones four.
        const int branches = 2 + (number - 1) / 11;
        for (std::uint64_t retry = 0;; ++retry) {
            RuneGlyph glyph = generate(static_cast<std::uint64_t>(number) * 1000 + retry, branches);
            std::vector<std::pair<int, int>> key;
            for (const auto& [a, b] : glyph.segments_) {
                key.push_back({a.x() * 10 + a.y(), b.x() * 10 + b.y()});
            }
            if (seen.insert(key).second) {
                glyphs.push_back(std::move(glyph));
                break;
            }
        }
    }
    return glyphs;
}

RuneGlyph RuneGlyph::programMark() {
    return RuneGlyph({{{2, 0}, {0, 1}}, {{0, 1}, {2, 2}}, {{2, 2}, {0, 3}}});
}

std::vector<QLineF> RuneGlyph::strokes(const QRectF& box) const {
    const qreal columnStep = box.width() / (kColumns - 1);
    const qreal rowStep = box.height() / (kRows - 1);
    auto at = [&](const QPoint& p) {
        return QPointF(box.left() + p.x() * columnStep, box.top() + p.y() * rowStep);
    };
    std::vector<QLineF> lines;
    lines.reserve(segments_.size());
    for (const auto& [a, b] : segments_) lines.emplace_back(at(a), at(b));
    return lines;
}

}  // namespace sockwright::pictures
