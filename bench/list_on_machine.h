// The connection list window and its behaviour on a fake machine whose data folder holds a year
// of N records, as the connection list's benchmarks use it.
#pragma once

#include "bench/bench_support.h"
#include "features/connection_list.h"
#include "window_models/connection_list_window.h"

namespace ruvo::bench {

class ListOnMachine {
public:
    explicit ListOnMachine(int records)
        : machine_(BenchStart(), folder_.directory()),
          process_(machine_),
          unreadable_(machine_.windowSystem),
          list_(window_, process_.platform(), unreadable_,
                [this] { return folder_.file(kBenchDatabase); }) {
        WriteBytes(folder_.file(kBenchDatabase), YearDatabase(records));
    }

    ConnectionListWindow& window() { return window_; }
    ConnectionList& list() { return list_; }
    bool beeped() const { return !machine_.sound.beeps().empty(); }

private:
    TempFolder folder_;
    fake::FakeMachine machine_;
    fake::FakeProcess process_;
    ConnectionListWindow window_;
    UnreadableRecords unreadable_;
    ConnectionList list_;
};

}  // namespace ruvo::bench
