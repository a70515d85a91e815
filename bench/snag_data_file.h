// The generated snag data file the import benchmarks read: eight subsegments to
// a transect, three records per subsegment, four strata, five species, the
// texts of a real survey (about 38.7 MB for a million records).
#pragma once

#include "bench_support.h"

#include <QString>
#include <cstdio>

namespace vernalt::bench {

// The file of `records` records in folder(), written once per size.
inline QString snagDataFile(int records) {
    static const char* const header =
        "STRATUM,LOCATION,TRANSECT,SEGMENT,SUBSEGMENT,WIDTH10,WIDTH20,WIDTH30,WIDTH40,DISTANCE,"
        "SPECIES,CLASS,DBH,HEIGHT,CAVITY,FORAGE,QUALIFYING,FOREST,DISTRICT,SUBWATERSHED,OBSERVER,"
        "DATE\n";
    static const char* const species[] = {"PSME", "ABGR", "THPL", "PIPO", "LAOC"};
    static const char* const observers[] = {"JD", "O'Neil", "MK"};
    return generatedFile(
        QStringLiteral("snags%1.csv").arg(records), header, records,
        [](int i, char* line, std::size_t size) {
            const int transect = i / 24 + 1;
            const int subsegment = i / 3 % 8 + 1;
            return std::snprintf(
                line, size,
                "%d,L%d,%d,%d,%d,%d,%d,1,1,%.1f,%s,%d,%.1f,%d,%d,%d,%d,Gifford Pinchot,Cowlitz "
                "Valley,Upper Lewis,%s,6/%d/2024\n",
                transect % 4 + 1, transect % 9, transect, (subsegment + 1) / 2, subsegment,
                i % 5 == 0, i % 3 != 0, (i * 37 % 400) / 10.0, species[i % 5], i % 5 + 1,
                10 + (i * 13 % 900) / 10.0, 5 + i % 40, i % 7 == 0, i % 4 == 0, i % 2,
                observers[i % 3], i % 28 + 1);
        });
}

} // namespace vernalt::bench
