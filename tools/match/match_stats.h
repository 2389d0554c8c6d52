// The figures of a match: score, Elo difference with its 95% interval, and
// the spread of thinking times.
#pragma once

#include <vector>

namespace kumora::match {

struct EloEstimate {
  double elo = 0;     // of A over B
  double margin = 0;  // half the width of the 95% interval
  double low = 0, high = 0;
};

// From wins, draws and losses of A.  The score behind the point estimate is
// kept half a game away from 0 and 100%; the interval is Wilson's, so that it
// stays finite and honest when A wins or loses every game.
EloEstimate elo_estimate(int wins, int draws, int losses);

// The Elo difference that a score (0..1) means.
double elo_of_score(double score);

struct TimeSummary {
  double mean = 0, p99 = 0, max = 0;
  double median = 0;
};

TimeSummary summarise_times(std::vector<double> ms);

}  // namespace kumora::match
