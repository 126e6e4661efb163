#include "BoardPicture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <sstream>
#include <vector>

namespace tesseron::test {

namespace {

bool ParseCell(const std::string& tok, Cell& out) {
    out = Cell{0, DirNone, 0};
    if (tok == ".") return true;
    std::size_t i = 0;
    bool exploding = false;
    if (i < tok.size() && tok[i] == '*') {
        exploding = true;
        ++i;
    }
    int colour = 0;
    const std::size_t digits = i;
    while (i < tok.size() && tok[i] >= '0' && tok[i] <= '9') colour = colour * 10 + (tok[i++] - '0');
    if (i == digits || colour < 1 || colour > MaxColors) return false;
    uint8_t dir = DirNone;
    if (i < tok.size()) {
        switch (tok[i]) {
        case '>':
            dir = DirRight;
            ++i;
            break;
        case '^':
            dir = DirUp;
            ++i;
            break;
        case '<':
            dir = DirLeft;
            ++i;
            break;
        case 'v':
            dir = DirDown;
            ++i;
            break;
        default: break;
        }
    }
    uint8_t rest = 0;
    if (i < tok.size() && tok[i] == '=') {
        rest = 1;
        ++i;
    }
    if (i != tok.size()) return false;
    out = Cell{static_cast<int8_t>(exploding ? -colour : colour), dir, rest};
    return true;
}

std::string CellText(const Cell& c, bool withRest) {
    if (c.Color == 0) return ".";
    std::string s;
    if (c.Color < 0) s += '*';
    s += std::to_string(c.Color < 0 ? -c.Color : c.Color);
    static const char arrows[] = {'\0', '>', '^', '<', 'v'};
    if (c.Dir >= DirRight && c.Dir <= DirDown)
        s += arrows[c.Dir];
    else if (c.Dir != DirNone)
        s += "?" + std::to_string(c.Dir);
    if (withRest && c.AtRest != 0) s += '=';
    return s;
}

}  // namespace

void SetZone(Board& board, const std::string& picture) {
    for (int x = 0; x < BoardSize; ++x)
        for (int y = 0; y < BoardSize; ++y) board.at(x, y) = Cell{0, DirNone, 0};
    std::istringstream lines(picture);
    std::string line;
    std::vector<std::vector<std::string>> rows;
    // Sparse form: "y: cells" names its row, and every row not named stays empty.
    std::vector<std::vector<std::string>> sparse(ZoneSize, std::vector<std::string>(ZoneSize, "."));
    bool isSparse = false;
    while (std::getline(lines, line)) {
        std::istringstream words(line);
        std::vector<std::string> row;
        for (std::string w; words >> w;) row.push_back(w);
        if (row.empty()) continue;
        if (row[0].size() >= 2 && row[0].back() == ':') {
            const int y = std::atoi(row[0].c_str());
            row.erase(row.begin());
            if (y < 1 || y > ZoneSize || (!isSparse && !rows.empty())) {
                ADD_FAILURE() << "bad row label in board picture: " << line;
                return;
            }
            isSparse = true;
            sparse[y - 1] = row;
        } else if (isSparse) {
            ADD_FAILURE() << "unlabelled row in a sparse board picture: " << line;
            return;
        } else {
            rows.push_back(row);
        }
    }
    if (isSparse) rows = sparse;
    if (rows.size() != ZoneSize) {
        ADD_FAILURE() << "board picture has " << rows.size() << " rows, not 10";
        return;
    }
    Board parsed{};
    for (int y = 1; y <= ZoneSize; ++y) {
        if (rows[y - 1].size() != ZoneSize) {
            ADD_FAILURE() << "board picture row " << y << " has " << rows[y - 1].size() << " cells, not 10";
            return;
        }
        for (int x = 1; x <= ZoneSize; ++x)
            if (!ParseCell(rows[y - 1][x - 1], parsed.at(x, y))) {
                ADD_FAILURE() << "bad cell '" << rows[y - 1][x - 1] << "' at (" << x << ", " << y << ")";
                return;
            }
    }
    board = parsed;
}

Board BoardFrom(const std::string& picture) {
    Board b{};
    SetZone(b, picture);
    return b;
}

std::string ZonePicture(const Board& board, bool withRest) {
    std::string out;
    for (int y = 1; y <= ZoneSize; ++y) {
        for (int x = 1; x <= ZoneSize; ++x) {
            std::string t = CellText(board.at(x, y), withRest);
            if (x < ZoneSize) t.resize(std::max<std::size_t>(t.size() + 1, 5), ' ');
            out += t;
        }
        out += '\n';
    }
    return out;
}

std::string Canonical(const std::string& picture, bool withRest) { return ZonePicture(BoardFrom(picture), withRest); }

int BricksInZone(const Board& board) {
    int n = 0;
    for (int x = 1; x <= ZoneSize; ++x)
        for (int y = 1; y <= ZoneSize; ++y) n += board.at(x, y).Color != 0;
    return n;
}

int BricksInRing(const Board& board) {
    int n = 0;
    for (int i = 0; i < BoardSize; ++i) {
        n += board.at(i, 0).Color != 0;
        n += board.at(i, BoardSize - 1).Color != 0;
    }
    for (int i = 1; i < BoardSize - 1; ++i) {
        n += board.at(0, i).Color != 0;
        n += board.at(BoardSize - 1, i).Color != 0;
    }
    return n;
}

}  // namespace tesseron::test
