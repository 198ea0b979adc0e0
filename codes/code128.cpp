#include "codes/code128.h"

#include <array>
#include <string_view>

namespace {

// The Code 128 symbol character table of ISO/IEC 15417: bar and space widths, bar first.
constexpr std::array<std::string_view, 107> kRows = {
    "212222", "222122", "222221", "121223", "121322", "131222", "122213", "122312", "132212", "221213",  //   0
    "221312", "231212", "112232", "122132", "122231", "113222", "123122", "123221", "223211", "221132",  //  10
    "221231", "213212", "223112", "312131", "311222", "321122", "321221", "312212", "322112", "322211",  //  20
    "212123", "212321", "232121", "111323", "131123", "131321", "112313", "132113", "132311", "211313",  //  30
    "231113", "231311", "112133", "112331", "132131", "113123", "113321", "133121", "313121", "211331",  //  40
    "231131", "213113", "213311", "213131", "311123", "311321", "331121", "312113", "312311", "332111",  //  50
    "314111", "221411", "431111", "111224", "111422", "121124", "121421", "141122", "141221", "112214",  //  60
    "112412", "122114", "122411", "142112", "142211", "241211", "221114", "413111", "241112", "134111",  //  70
    "111242", "121142", "121241", "114212", "124112", "124211", "411212", "421112", "421211", "212141",  //  80
    "214121", "412121", "111143", "111341", "131141", "114113", "114311", "411113", "411311", "113141",  //  90
    "114131", "311141", "411131", "211412", "211214", "211232", "2331112",                                // 100
};

constexpr int moduleSum(std::string_view row)
{
    int sum = 0;
    for (char c : row) {
        sum += c - '0';
    }
    return sum;
}

constexpr bool digitsOneToFour(std::string_view row)
{
    for (char c : row) {
        if (c < '1' || c > '4') {
            return false;
        }
    }
    return true;
}

constexpr bool symbolRowsWellFormed()
{
    for (int v = 0; v <= 105; ++v) {
        if (kRows[v].size() != 6 || moduleSum(kRows[v]) != 11 || !digitsOneToFour(kRows[v])) {
            return false;
        }
    }
    return true;
}

constexpr bool rowsDistinct()
{
    for (std::size_t a = 0; a < kRows.size(); ++a) {
        for (std::size_t b = a + 1; b < kRows.size(); ++b) {
            if (kRows[a] == kRows[b]) {
                return false;
            }
        }
    }
    return true;
}

static_assert(symbolRowsWellFormed(), "rows 0 to 105 are six widths totalling 11 modules");
static_assert(kRows[kStop] == "2331112", "the stop row includes its final bar");
static_assert(rowsDistinct(), "every symbol character has its own pattern");
static_assert(kRows[0] == "212222" && kRows[103] == "211412" && kRows[kStartB] == "211214"
              && kRows[kStartC] == "211232");

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool hasCodeSetBValue(char c)
{
    return c >= '!' && c <= '~';
}

} // namespace

std::vector<Segment> splitIntoSegments(const QByteArray& text)
{
    std::vector<Segment> segments;
    QByteArray pending;
    int run = 0; // length of the run of digits ending at the current byte

    for (qsizetype i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (!isDigit(c)) {
            // A run of four or more digits before this byte goes into code set C; an odd run
            // leaves its last digit to the text that follows.
            if (run >= 4) {
                if (run % 2 == 0) {
                    segments.push_back({CodeSet::C, pending});
                    pending.clear();
                } else {
                    segments.push_back({CodeSet::C, pending.left(pending.size() - 1)});
                    pending = pending.right(1);
                }
            }
            run = 0;
        } else {
            if (run == 0 && !pending.isEmpty()) {
                segments.push_back({CodeSet::B, pending});
                pending.clear();
            }
            ++run;
        }
        pending.append(c);
        if (i == text.size() - 1) {
            segments.push_back({run >= 5 ? CodeSet::C : CodeSet::B, pending});
        }
    }

    // An odd run of three or more digits at the end cannot be all pairs: a digits-only text gives
    // its last digit to code set B, otherwise the first digit joins the text before the run.
    if (run % 2 == 1 && run >= 3) {
        if (segments.size() == 1) {
            Segment& only = segments.back();
            const QByteArray last = only.payload.right(1);
            only.payload.chop(1);
            segments.push_back({CodeSet::B, last});
        } else {
            Segment& last = segments.back();
            Segment& before = segments[segments.size() - 2];
            before.payload.append(last.payload[0]);
            last.payload.remove(0, 1);
            last.codeSet = CodeSet::C;
        }
    }
    return segments;
}

std::vector<int> code128Values(const QByteArray& text)
{
    QByteArray encodable;
    encodable.reserve(text.size());
    for (char c : text) {
        if (hasCodeSetBValue(c)) {
            encodable.append(c);
        }
    }

    const std::vector<Segment> segments = splitIntoSegments(encodable);
    std::vector<int> values;
    values.reserve(encodable.size() + 2 * segments.size() + 3);

    CodeSet inForce = segments.empty() || segments.front().codeSet == CodeSet::C ? CodeSet::C : CodeSet::B;
    const int start = inForce == CodeSet::C ? kStartC : kStartB;
    values.push_back(start);
    long long weighted = start;
    long long position = 0;
    auto add = [&](int value) {
        ++position;
        weighted += position * value;
        values.push_back(value);
    };

    for (const Segment& segment : segments) {
        if (segment.codeSet != inForce) {
            add(segment.codeSet == CodeSet::C ? kCodeC : kCodeB);
            inForce = segment.codeSet;
        }
        const QByteArray& p = segment.payload;
        if (segment.codeSet == CodeSet::B) {
            for (char c : p) {
                add(static_cast<unsigned char>(c) - 32);
            }
        } else {
            for (qsizetype i = 0; i + 1 < p.size(); i += 2) {
                add((p[i] - '0') * 10 + (p[i + 1] - '0'));
            }
        }
    }

    values.push_back(static_cast<int>(weighted % 103));
    values.push_back(kStop);
    return values;
}

QByteArray code128Row(int value)
{
    if (value < 0 || value >= static_cast<int>(kRows.size())) {
        return {};
    }
    return QByteArray(kRows[value].data(), static_cast<qsizetype>(kRows[value].size()));
}

ModulePattern encodeCode128(const QByteArray& text)
{
    const std::vector<int> values = code128Values(text);
    ModulePattern pattern;
    pattern.reserve(static_cast<qsizetype>(values.size()) * 6 + 1);
    for (int value : values) {
        const std::string_view row = kRows[value];
        pattern.append(row.data(), static_cast<qsizetype>(row.size()));
    }
    return pattern;
}
