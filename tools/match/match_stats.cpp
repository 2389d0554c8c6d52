#include "tools/match/match_stats.h"

#include <algorithm>
#include <cmath>

namespace kumora::match {

double elo_of_score(double score) { return -400.0 * std::log10(1.0 / score - 1.0); }

EloEstimate elo_estimate(int wins, int draws, int losses) {
  EloEstimate estimate;
  const double n = wins + draws + losses;
  if (n == 0) return estimate;
  const double half_game = 0.5 / n;
  const double score = (wins + 0.5 * draws) / n;
  auto kept = [&](double s) { return std::clamp(s, half_game, 1.0 - half_game); };
  constexpr double Z = 1.959964;
  const double z2 = Z * Z;
  const double centre = (score + z2 / (2 * n)) / (1 + z2 / n);
  const double spread = Z * std::sqrt(score * (1 - score) / n + z2 / (4 * n * n)) / (1 + z2 / n);
  estimate.elo = elo_of_score(kept(score));
  estimate.low = elo_of_score(kept(centre - spread));
  estimate.high = elo_of_score(kept(centre + spread));
  estimate.margin = std::max(estimate.elo - estimate.low, estimate.high - estimate.elo);
  return estimate;
}

TimeSummary summarise_times(std::vector<double> ms) {
  TimeSummary summary;
  if (ms.empty()) return summary;
  std::sort(ms.begin(), ms.end());
  double sum = 0;
  for (double t : ms) sum += t;
  summary.mean = sum / ms.size();
  summary.median = ms[ms.size() / 2];
  summary.p99 = ms[std::min(ms.size() - 1, static_cast<size_t>(std::ceil(0.99 * ms.size())) - 1)];
  summary.max = ms.back();
  return summary;
}

}  // namespace kumora::match
