#pragma once

#include <cstdint>
#include <string>

#include "sim/simulator.h"

namespace tavexo::sim {

// A simulation shared by several processes (MPI ranks, on one machine or
// many): each plays its share of the seed's blocks, and the first adds up
// all tallies. Every sum of a tally is exact (results are whole half units),
// so the total is the one process's total to the last bit, in whatever order
// the shares come in.
class ProcessShare {
  public:
    // Joins the processes when the program was started by an MPI launcher
    // (mpirun, srun); otherwise, or without MPI built in, it is a share of
    // one. Call once, first thing in main.
    ProcessShare(int& argc, char**& argv);
    ~ProcessShare();
    ProcessShare(const ProcessShare&) = delete;
    ProcessShare& operator=(const ProcessShare&) = delete;

    int Rank() const { return rank_; }
    int Size() const { return size_; }
    bool First() const { return rank_ == 0; }

    // This process's blocks: every Size()-th from Rank() on.
    void ShareBlocks(SimControl& control) const {
        control.blockOffset = rank_;
        control.blockStride = size_;
    }

    // Adds the processes' reports up in the first process (the others'
    // reports are left as they are): tallies summed, the earliest note, the
    // longest time.
    void Combine(SimReport& report) const;

    // The first process's seed for all (one drawn from entropy differs).
    uint64_t AgreedSeed(uint64_t seed) const;

    // The same exit code for all processes, as the first decides it.
    int AgreedExitCode(int code) const;

  private:
    int rank_ = 0;
    int size_ = 1;
    bool joined_ = false;
};

// Whether this process was started by an MPI launcher.
bool StartedByMpiLauncher();

}  // namespace tavexo::sim
