#include "sim/process_share.h"

#include <cstdlib>
#include <limits>
#include <type_traits>
#include <vector>

#ifdef TAVEXO_SIM_MPI
#include <mpi.h>
#endif

namespace tavexo::sim {

bool StartedByMpiLauncher() {
    // Open MPI's mpirun, the PMI of MPICH and Slurm, and PMIx each leave
    // their mark in the environment of the processes they start.
    for (const char* name : {"OMPI_COMM_WORLD_SIZE", "PMI_SIZE", "PMIX_RANK"}) {
        if (std::getenv(name) != nullptr) return true;
    }
    return false;
}

#ifdef TAVEXO_SIM_MPI

ProcessShare::ProcessShare(int& argc, char**& argv) {
    if (!StartedByMpiLauncher()) return;
    MPI_Init(&argc, &argv);
    joined_ = true;
    MPI_Comm_rank(MPI_COMM_WORLD, &rank_);
    MPI_Comm_size(MPI_COMM_WORLD, &size_);
}

ProcessShare::~ProcessShare() {
    if (joined_) MPI_Finalize();
}

void ProcessShare::Combine(SimReport& report) const {
    if (size_ == 1) return;
    std::vector<uint64_t> counters;
    std::vector<double> sums;
    const auto flatten = [&](auto& field) {
        using Field = std::remove_reference_t<decltype(field)>;
        if constexpr (std::is_same_v<Field, double>) {
            sums.push_back(field);
        } else {
            counters.push_back(static_cast<uint64_t>(field));
        }
    };
    report.tally.VisitFields(flatten);
    std::vector<uint64_t> counterTotals(counters.size());
    std::vector<double> sumTotals(sums.size());
    MPI_Reduce(counters.data(), counterTotals.data(), static_cast<int>(counters.size()),
               MPI_UINT64_T, MPI_SUM, 0, MPI_COMM_WORLD);
    MPI_Reduce(sums.data(), sumTotals.data(), static_cast<int>(sums.size()), MPI_DOUBLE, MPI_SUM, 0,
               MPI_COMM_WORLD);

    // The earliest block that ended early, and its note from the process
    // that played it.
    struct {
        long block;
        int rank;
    } mine{report.noteBlock >= 0 ? static_cast<long>(report.noteBlock)
                                 : std::numeric_limits<long>::max(),
           rank_},
        first{};
    MPI_Allreduce(&mine, &first, 1, MPI_LONG_INT, MPI_MINLOC, MPI_COMM_WORLD);
    std::string note;
    if (first.block != std::numeric_limits<long>::max()) {
        int length = rank_ == first.rank ? static_cast<int>(report.note.size()) : 0;
        MPI_Bcast(&length, 1, MPI_INT, first.rank, MPI_COMM_WORLD);
        note = rank_ == first.rank ? report.note : std::string(static_cast<size_t>(length), ' ');
        MPI_Bcast(note.data(), length, MPI_CHAR, first.rank, MPI_COMM_WORLD);
    }
    double longest = 0.0;
    MPI_Reduce(&report.seconds, &longest, 1, MPI_DOUBLE, MPI_MAX, 0, MPI_COMM_WORLD);
    if (rank_ != 0) return;

    size_t nextCounter = 0, nextSum = 0;
    const auto unflatten = [&](auto& field) {
        using Field = std::remove_reference_t<decltype(field)>;
        if constexpr (std::is_same_v<Field, double>) {
            field = sumTotals[nextSum++];
        } else {
            field = static_cast<Field>(counterTotals[nextCounter++]);
        }
    };
    report.tally.VisitFields(unflatten);
    report.note = note;
    report.noteBlock = first.block != std::numeric_limits<long>::max() ? first.block : -1;
    report.seconds = longest;
}

uint64_t ProcessShare::AgreedSeed(uint64_t seed) const {
    if (size_ > 1) MPI_Bcast(&seed, 1, MPI_UINT64_T, 0, MPI_COMM_WORLD);
    return seed;
}

int ProcessShare::AgreedExitCode(int code) const {
    if (size_ > 1) MPI_Bcast(&code, 1, MPI_INT, 0, MPI_COMM_WORLD);
    return code;
}

#else

ProcessShare::ProcessShare(int&, char**&) {}
ProcessShare::~ProcessShare() = default;
void ProcessShare::Combine(SimReport&) const {}
uint64_t ProcessShare::AgreedSeed(uint64_t seed) const {
    return seed;
}
int ProcessShare::AgreedExitCode(int code) const {
    return code;
}

#endif

}  // namespace tavexo::sim
