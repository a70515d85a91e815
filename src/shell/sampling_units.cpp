#include "shell/sampling_units.h"

#include <cmath>

namespace vernalt {

void SubtotalCollector::close(int level) {
    Run& run = runs_[std::size_t(level)];
    if (run.open) {
        result_.units[std::size_t(level)].push_back(run.sums);
        result_.transects[std::size_t(level)].push_back(run.transectNumber);
    }
    run = Run{};
}

void SubtotalCollector::add(const UnitRecord& record) {
    if (transectNumber_ < 0 || record.transect != lastTransect_ || record.stratum != lastStratum_) {
        ++transectNumber_;
        lastTransect_ = record.transect;
        lastStratum_ = record.stratum;
    }
    for (int level = 0; level < LevelCount; ++level) {
        const CellKey value = record.levels[std::size_t(level)];
        Run& run = runs_[std::size_t(level)];
        if (value == EmptyCell) { // no unit: the run before it ends here
            close(level);
            continue;
        }
        if (!run.open || run.value != value || run.transect != record.transect ||
            run.stratum != record.stratum) {
            close(level);
            run.open = true;
            run.value = value;
            run.transect = record.transect;
            run.stratum = record.stratum;
            run.transectNumber = transectNumber_;
        }
        for (std::size_t w = 0; w < run.sums.size(); ++w) {
            // A sum that would overflow keeps its value (the addition is skipped).
            const double sum = run.sums[w] + record.flags[w];
            if (std::isfinite(sum))
                run.sums[w] = sum;
        }
    }
}

SheetSubtotals SubtotalCollector::finish() {
    for (int level = 0; level < LevelCount; ++level)
        close(level);
    SheetSubtotals done = std::move(result_);
    result_ = SheetSubtotals{};
    transectNumber_ = -1;
    return done;
}

SheetSubtotals sumUnits(std::span<const UnitRecord> records) {
    SubtotalCollector collector;
    for (const UnitRecord& r : records)
        collector.add(r);
    return collector.finish();
}

} // namespace vernalt
