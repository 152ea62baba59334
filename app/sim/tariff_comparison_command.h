// ruvometer-sim --tarifvergleich DIR TARIFDATEI VON BIS: the connections recorded in DIR between
// two dates, re-rated under another tariff file, printed for scripts.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace ruvo::sim {

// Runs the comparison with the arguments after the option; gives the exit status (0 done, 1 a
// file cannot be read, 2 the arguments are wrong). The rows go to `out`, one connection a line
// with tab-separated fields, then a line with the totals; failures go to `err`.
int RunTariffComparison(const std::vector<std::string>& arguments, std::ostream& out,
                        std::ostream& err);

}  // namespace ruvo::sim
