// Drawing inputs of the maps of real places: country outlines, layout files, the warp onto the
// board.
#include "tools/places/geo.h"

#include <cmath>
#include <fstream>
#include <sstream>

namespace places {
namespace {

std::optional<Vec2> ReadPair(std::istream& in) {
    Vec2 p;
    if (!(in >> p.x >> p.y)) return std::nullopt;
    return p;
}

double Kernel(double r2) {
    return r2 <= 0 ? 0 : r2 * std::log(r2) * 0.5;
}

// Gaussian elimination with partial pivoting; false when the system is singular.
bool Solve(std::vector<std::vector<double>> m, std::vector<double>& rhs) {
    const std::size_t n = rhs.size();
    for (std::size_t c = 0; c < n; ++c) {
        std::size_t pivot = c;
        for (std::size_t r = c + 1; r < n; ++r)
            if (std::fabs(m[r][c]) > std::fabs(m[pivot][c])) pivot = r;
        if (std::fabs(m[pivot][c]) < 1e-12) return false;
        std::swap(m[pivot], m[c]);
        std::swap(rhs[pivot], rhs[c]);
        for (std::size_t r = c + 1; r < n; ++r) {
            const double f = m[r][c] / m[c][c];
            for (std::size_t k = c; k < n; ++k) m[r][k] -= f * m[c][k];
            rhs[r] -= f * rhs[c];
        }
    }
    for (std::size_t c = n; c-- > 0;) {
        for (std::size_t k = c + 1; k < n; ++k) rhs[c] -= m[c][k] * rhs[k];
        rhs[c] /= m[c][c];
    }
    return true;
}

}  // namespace

std::optional<std::vector<Country>> LoadCountries(const std::string& path, std::string* error) {
    std::ifstream in(path);
    if (!in) {
        *error = "cannot read " + path;
        return std::nullopt;
    }
    std::vector<Country> countries;
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream words(line);
        std::string kind;
        words >> kind;
        if (kind == "country") {
            std::string id, name;
            words >> id;
            std::getline(words >> std::ws, name);
            for (char& c : name)
                if (c == ' ') c = '_';
            countries.push_back(Country{name, {}});
        } else if (kind == "ring" && !countries.empty()) {
            int count = 0;
            words >> count;
            Ring ring;
            for (int i = 0; i < count; ++i) {
                const auto p = ReadPair(words);
                if (!p) {
                    *error = "bad ring in " + path;
                    return std::nullopt;
                }
                ring.push_back(Vec2{p->x / 100.0, p->y / 100.0});
            }
            countries.back().rings.push_back(std::move(ring));
        }
    }
    return countries;
}

std::optional<Layout> LoadLayout(const std::string& path, std::string* error) {
    std::ifstream in(path);
    if (!in) {
        *error = "cannot read " + path;
        return std::nullopt;
    }
    Layout layout;
    std::string line;
    int number = 0;
    while (std::getline(in, line)) {
        ++number;
        if (const auto hash = line.find('#'); hash != std::string::npos) line.erase(hash);
        std::istringstream words(line);
        std::string kind;
        if (!(words >> kind)) continue;
        bool ok = true;
        if (kind == "anchor") {
            int t = 0;
            ok = static_cast<bool>(words >> t);
            const auto p = ReadPair(words);
            ok = ok && p;
            if (ok) layout.anchors.emplace_back(t, *p);
        } else if (kind == "control") {
            const auto g = ReadPair(words), b = ReadPair(words);
            ok = g && b;
            if (ok) layout.controls.emplace_back(*g, *b);
        } else if (kind == "wrap") {
            ok = static_cast<bool>(words >> layout.wrapCountry >> layout.wrapBelow);
        } else if (kind == "part") {
            Part part;
            ok = static_cast<bool>(words >> part.territory >> part.country);
            while (const auto p = ReadPair(words)) part.clip.push_back(*p);
            if (ok) layout.parts.push_back(part);
        } else if (kind == "enlarge") {
            Enlargement e;
            ok = static_cast<bool>(words >> e.country >> e.factor);
            const auto c = ReadPair(words);
            ok = ok && c;
            if (ok) e.centre = *c, layout.enlargements.push_back(e);
        } else if (kind == "shift") {
            Shift s;
            ok = static_cast<bool>(words >> s.country);
            const auto by = ReadPair(words);
            ok = ok && by;
            if (ok) s.by = *by, layout.shifts.push_back(s);
        } else if (kind == "land" || kind == "sea") {
            Stroke s;
            if (kind == "land") ok = static_cast<bool>(words >> s.territory);
            const auto a = ReadPair(words), b = ReadPair(words);
            ok = ok && a && b && static_cast<bool>(words >> s.width);
            if (ok) s.from = *a, s.to = *b, layout.strokes.push_back(s);
        } else if (kind == "lane" || kind == "lanewrap") {
            Lane lane;
            lane.wraps = kind == "lanewrap";
            ok = static_cast<bool>(words >> lane.a >> lane.b);
            const auto a = ReadPair(words), b = ReadPair(words);
            ok = ok && a && b;
            if (ok) lane.from = *a, lane.to = *b, layout.lanes.push_back(lane);
        } else if (kind == "close") {
            ok = static_cast<bool>(words >> layout.closeSea);
        } else if (kind == "style") {
            ok = static_cast<bool>(words >> layout.border >> layout.lane >> layout.labelMargin);
        } else {
            ok = false;
        }
        if (!ok) {
            *error = path + ":" + std::to_string(number) + ": cannot read \"" + line + "\"";
            return std::nullopt;
        }
    }
    return layout;
}

Ring ClipToConvex(const Ring& ring, const Ring& convex) {
    double area = 0;
    for (std::size_t i = 0; i < convex.size(); ++i) {
        const Vec2& a = convex[i];
        const Vec2& b = convex[(i + 1) % convex.size()];
        area += a.x * b.y - b.x * a.y;
    }
    const double sign = area >= 0 ? 1 : -1;
    Ring out = ring;
    for (std::size_t i = 0; i < convex.size() && !out.empty(); ++i) {
        const Vec2 a = convex[i];
        const Vec2 b = convex[(i + 1) % convex.size()];
        auto side = [&](Vec2 p) {
            return sign * ((b.x - a.x) * (p.y - a.y) - (b.y - a.y) * (p.x - a.x));
        };
        Ring in = std::move(out);
        out.clear();
        for (std::size_t k = 0; k < in.size(); ++k) {
            const Vec2 p = in[k];
            const Vec2 q = in[(k + 1) % in.size()];
            const double sp = side(p), sq = side(q);
            if (sp >= 0) out.push_back(p);
            if ((sp >= 0) != (sq >= 0)) {
                const double t = sp / (sp - sq);
                out.push_back(Vec2{p.x + t * (q.x - p.x), p.y + t * (q.y - p.y)});
            }
        }
    }
    return out;
}

bool Warp::Fit(const std::vector<Vec2>& from, const std::vector<Vec2>& to) {
    const std::size_t n = from.size();
    if (n < 3 || to.size() != n) return false;
    const std::size_t size = n + 3;
    std::vector<std::vector<double>> m(size, std::vector<double>(size, 0));
    for (std::size_t i = 0; i < n; ++i) {
        for (std::size_t j = 0; j < n; ++j) {
            const double dx = from[i].x - from[j].x, dy = from[i].y - from[j].y;
            m[i][j] = Kernel(dx * dx + dy * dy);
        }
        const double affine[3] = {1, from[i].x, from[i].y};
        for (std::size_t k = 0; k < 3; ++k) m[i][n + k] = m[n + k][i] = affine[k];
    }
    wx_.assign(size, 0);
    wy_.assign(size, 0);
    for (std::size_t i = 0; i < n; ++i) wx_[i] = to[i].x, wy_[i] = to[i].y;
    from_ = from;
    return Solve(m, wx_) && Solve(m, wy_);
}

Vec2 Warp::Map(Vec2 p) const {
    const std::size_t n = from_.size();
    Vec2 out{wx_[n] + wx_[n + 1] * p.x + wx_[n + 2] * p.y,
             wy_[n] + wy_[n + 1] * p.x + wy_[n + 2] * p.y};
    for (std::size_t i = 0; i < n; ++i) {
        const double dx = p.x - from_[i].x, dy = p.y - from_[i].y;
        const double k = Kernel(dx * dx + dy * dy);
        out.x += wx_[i] * k;
        out.y += wy_[i] * k;
    }
    return out;
}

}  // namespace places
