#include "stats/statistics_summary.h"

#include <array>
#include <string>

namespace tavexo {

namespace {

// The counter shown in each detail column; columns 5 and 6 hold money.
constexpr int WON_COLUMN = 5;
constexpr int LOST_COLUMN = 6;

uint32_t CounterOf(const TBucketStats& s, int column) {
    switch (column) {
        case 1:
            return s.games;
        case 2:
            return s.wins;
        case 3:
            return s.losses;
        case 4:
            return s.pushes;
        case 7:
            return s.busts;
        case 8:
            return s.blackjacks;
        case 9:
            return s.splitWon;
        case 10:
            return s.splitLost;
        case 11:
            return s.splitPush;
        case 12:
            return s.doubleWon;
        case 13:
            return s.doubleLost;
        case 14:
            return s.doublePush;
        case 15:
            return s.surrenderDealerMade;
        case 16:
            return s.surrenderDealerBust;
        case 17:
            return s.insuranceWon;
        case 18:
            return s.insuranceLost;
        case 19:
            return s.dealerBlackjacks;
        case 20:
            return s.dealerBusts;
        default:
            return 0;
    }
}

float F(uint32_t n) {
    return static_cast<float>(n);
}

void WriteCounts(TextGrid& grid, int row, const TBucketStats& s, const TextFormat& format) {
    for (int c = 1; c <= 20; ++c) {
        if (c == WON_COLUMN) {
            grid.SetCell(c, row, format.FormatMoney(s.wonMoney, 1));
        } else if (c == LOST_COLUMN) {
            grid.SetCell(c, row, format.FormatMoney(s.lostMoney, 1));
        } else {
            grid.SetCell(c, row, std::to_string(CounterOf(s, c)));
        }
    }
}

}  // namespace

void WriteDetailStatistics(TextGrid& grid, const BucketTable& stats, int box,
                           const TextFormat& format) {
    const TBucketStats total = stats.BoxTotal(box);
    WriteCounts(grid, 1, total, format);
    for (int c = 1; c <= 20; ++c) {
        std::string text;
        if (c == WON_COLUMN) {
            text = FormatPercent(format, total.wonMoney, total.wonMoney);
        } else if (c == LOST_COLUMN) {
            text = FormatPercent(format, total.lostMoney, total.lostMoney);
        } else {
            text = FormatPercent(format, F(total.games), F(CounterOf(total, c)));
        }
        grid.SetCell(c, 2, text);
    }
    for (int bucket = 1; bucket <= BUCKET_COUNT; ++bucket) {
        const TBucketStats& s = stats.At(box, bucket);
        WriteCounts(grid, 2 * bucket + 1, s, format);
        const int row = 2 * bucket + 2;
        for (int c = 1; c <= 20; ++c) {
            std::string text;
            if (c == 1) {
                text = FormatPercent(format, F(total.games), F(s.games));
            } else if (c == WON_COLUMN) {
                text = FormatPercent(format, total.wonMoney, s.wonMoney);
            } else if (c == LOST_COLUMN) {
                text = FormatPercent(format, total.lostMoney, s.lostMoney);
            } else {
                text = FormatPercent(format, F(s.games), F(CounterOf(s, c)));
            }
            grid.SetCell(c, row, text);
        }
    }
}

}  // namespace tavexo
