// The states a sweep over one component of the frontier passes through, only those that lie on a
// way from the first cut to the last. The groups are taken in the component's order; after each
// group, a state is what still matters for the groups to come: the mines each open number still
// needs. Most states that a sweep from one end reaches cannot be completed (on the hardest
// positions of real games often more than 90 %); a sweep from the other end never reaches them.
// So the states are explored from both ends of the order at once, always extending the end that
// holds fewer, until the two ends meet; only states through which they meet are kept, with the
// moves between them. Counting then runs over these alone (sweep.h). Each end drops at once the
// states that the numbers still ahead rule out, alone or paired with another open number.
#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace zendrix {

// Squares in reach of exactly the same numbers form a group; a group of g squares with j mines
// stands for C(g, j) layouts.
struct Component {
    std::vector<int> groupSize;
    std::vector<std::vector<int>> groupConstraints;  // constraint ids, 0..constraintCount-1
    std::vector<int> constraintValue;                // mines the constraint still needs
    std::vector<int> order;                          // the order in which groups are swept
    int SquareCount() const {
        int n = 0;
        for (int g : groupSize) n += g;
        return n;
    }
};

// How much work a step may do: a number of units (states, partial counts) and a deadline. The
// deadline is only watched once the work is beyond a size that always finishes, so that a moment
// of the machine's attention elsewhere never turns an easy position into an estimate.
struct WorkLimit {
    static constexpr size_t kAlwaysFinished = size_t{1} << 14;
    size_t budget = SIZE_MAX;
    std::chrono::steady_clock::time_point deadline = std::chrono::steady_clock::time_point::max();

    bool Exceeded(size_t work) const {
        return work > budget || (work > kAlwaysFinished &&
                                 deadline != std::chrono::steady_clock::time_point::max() &&
                                 std::chrono::steady_clock::now() > deadline);
    }
};

class StateGraph {
  public:
    // A move from a state at one cut to a state at the next, putting `mines` mines on the group
    // between them.
    struct Edge {
        uint32_t from;
        uint32_t to;
        uint32_t mines;
    };

    // False when the exploration would hold more than limit.budget states or run past the
    // deadline. A component no layout fits gives a graph without states.
    bool Build(const Component& component, const WorkLimit& limit);

    int Steps() const { return static_cast<int>(edges_.size()); }
    // The live states at cut 0..Steps(): 1 at both ends unless no layout fits.
    uint32_t States(int cut) const { return states_[cut]; }
    // The moves over group order[step], from cut step to cut step + 1.
    const std::vector<Edge>& Edges(int step) const { return edges_[step]; }
    // All states the exploration held, live or not.
    size_t Explored() const { return explored_; }

  private:
    std::vector<uint32_t> states_;
    std::vector<std::vector<Edge>> edges_;
    size_t explored_ = 0;
};

}  // namespace zendrix
