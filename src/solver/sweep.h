// Exact counting of the layouts of one component of the frontier over the live states of its sweep
// (state_graph.h): the groups of interchangeable squares are taken one after another, and a layer
// holds, per live state, the number of partial layouts for every count of mines placed so far. A
// backward pass with a weight per final mine count then gives, for every group, the weighted
// number of layouts in which one given square of it holds a mine.
//
// CountMode counts exactly, in packed limbs no wider than a layer's counts can get (a count of
// layouts of s squares is at most 2^s); FeasibleMode only asks whether a layout exists.
#pragma once

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstring>
#include <stdexcept>
#include <type_traits>
#include <vector>

#include "solver/big_unsigned.h"
#include "solver/state_graph.h"

namespace zendrix {

struct CountMode {
    using Limb = uint64_t;
    using Value = BigUnsigned;
};
struct FeasibleMode {
    using Limb = uint8_t;
    using Value = uint8_t;
};

namespace sweep_kernels {

__extension__ typedef unsigned __int128 Wide;

[[noreturn]] inline void Overflow() {
    throw std::overflow_error("sweep count beyond its width");
}

// to[0..tw) += from[0..fw) * m, with fw <= tw.
inline void AddScaled(uint64_t* to, int tw, const uint64_t* from, int fw, uint64_t m) {
    uint64_t carry = 0;
    int k = 0;
    for (; k < fw; ++k) {
        const Wide t = Wide{from[k]} * m + to[k] + carry;
        to[k] = static_cast<uint64_t>(t);
        carry = static_cast<uint64_t>(t >> 64);
    }
    for (; carry != 0; ++k) {
        if (k >= tw) Overflow();
        const Wide t = Wide{to[k]} + carry;
        to[k] = static_cast<uint64_t>(t);
        carry = static_cast<uint64_t>(t >> 64);
    }
}
inline void AddScaled(uint8_t* to, int, const uint8_t* from, int, uint64_t m) {
    *to |= static_cast<uint8_t>(*from && m);
}

// acc[0..aw) += a[0..an) * b[0..bn)
inline void AddProduct(uint64_t* acc, int aw, const uint64_t* a, int an, const uint64_t* b,
                       int bn) {
    while (an > 0 && a[an - 1] == 0) --an;
    while (bn > 0 && b[bn - 1] == 0) --bn;
    for (int i = 0; i < an; ++i) {
        uint64_t carry = 0;
        int k = i;
        for (int j = 0; j < bn; ++j, ++k) {
            if (k >= aw) Overflow();
            const Wide t = Wide{a[i]} * b[j] + acc[k] + carry;
            acc[k] = static_cast<uint64_t>(t);
            carry = static_cast<uint64_t>(t >> 64);
        }
        for (; carry != 0; ++k) {
            if (k >= aw) Overflow();
            const Wide t = Wide{acc[k]} + carry;
            acc[k] = static_cast<uint64_t>(t);
            carry = static_cast<uint64_t>(t >> 64);
        }
    }
}
inline void AddProduct(uint8_t* acc, int, const uint8_t* a, int, const uint8_t* b, int) {
    *acc |= static_cast<uint8_t>(*a && *b);
}

inline bool IsZero(const uint64_t* v, int w) {
    for (int k = 0; k < w; ++k)
        if (v[k] != 0) return false;
    return true;
}
inline bool IsZero(const uint8_t* v, int) {
    return *v == 0;
}

// C(n, k) for the small n of a group (at most 26 squares).
inline uint64_t SmallBinomial(int n, int k) {
    static const auto kTable = [] {
        std::vector<std::vector<uint64_t>> t(33);
        for (int i = 0; i <= 32; ++i) {
            t[i].assign(i + 1, 1);
            for (int j = 1; j < i; ++j) t[i][j] = t[i - 1][j - 1] + t[i - 1][j];
        }
        return t;
    }();
    if (k < 0 || k > n) return 0;
    return kTable[n][k];
}

}  // namespace sweep_kernels

// How wide the sweep gets in this order: the largest number of open constraints, then their sum.
inline std::pair<int, long> SweepWidth(const Component& component, const std::vector<int>& order) {
    const int constraints = static_cast<int>(component.constraintValue.size());
    std::vector<int> first(constraints, -1), last(constraints, -1);
    for (int step = 0; step < static_cast<int>(order.size()); ++step) {
        for (int c : component.groupConstraints[order[step]]) {
            if (first[c] < 0) first[c] = step;
            last[c] = step;
        }
    }
    std::vector<int> delta(order.size() + 1, 0);
    for (int c = 0; c < constraints; ++c) {
        ++delta[first[c]];
        --delta[last[c] + 1];
    }
    int width = 0, widest = 0;
    long sum = 0;
    for (size_t step = 0; step < order.size(); ++step) {
        width += delta[step];
        widest = std::max(widest, width);
        sum += width;
    }
    return {widest, sum};
}

template <class Mode>
class Sweep {
  public:
    using Limb = typename Mode::Limb;
    using Value = typename Mode::Value;
    static constexpr bool kCount = std::is_same_v<Limb, uint64_t>;

    Sweep() = default;
    Sweep(const Sweep&) = delete;
    Sweep& operator=(const Sweep&) = delete;
    ~Sweep() { RecycleLayers(); }

    // Counts the component's layouts. False when the exploration would hold more than cellBudget
    // states, the count more than cellBudget partial counts, or either run past the deadline.
    bool Forward(const Component& component, size_t cellBudget,
                 std::chrono::steady_clock::time_point deadline =
                     std::chrono::steady_clock::time_point::max()) {
        component_ = &component;
        RecycleLayers();
        cells_ = 0;
        counts_.assign(static_cast<size_t>(component.SquareCount()) + 1, Value{});
        const WorkLimit limit{cellBudget, deadline};
        if (!graph_.Build(component, limit)) return false;
        const int steps = graph_.Steps();
        if (graph_.States(0) == 0) return true;  // no layout fits

        layers_.push_back(TakeLayer());
        Layer& start = layers_[0];
        start.squares = 0;
        start.lo.assign(1, 0);
        start.hi.assign(1, 0);
        start.offset.assign({0, 1});
        start.stride = 1;
        start.values.assign(1, Limb{1});
        size_t cells = 1;
        for (int step = 0; step < steps; ++step) {
            const int size = component.groupSize[component.order[step]];
            const auto& edges = graph_.Edges(step);
            layers_.push_back(TakeLayer());
            const Layer& cur = layers_[step];
            Layer& next = layers_[step + 1];
            next.squares = cur.squares + size;
            const uint32_t states = graph_.States(step + 1);
            next.lo.assign(states, INT16_MAX);
            next.hi.assign(states, INT16_MIN);
            for (const StateGraph::Edge& edge : edges) {
                const int j = static_cast<int>(edge.mines);
                next.lo[edge.to] =
                    static_cast<int16_t>(std::min<int>(next.lo[edge.to], cur.lo[edge.from] + j));
                next.hi[edge.to] =
                    static_cast<int16_t>(std::max<int>(next.hi[edge.to], cur.hi[edge.from] + j));
            }
            next.offset.assign(states + 1, 0);
            for (uint32_t e = 0; e < states; ++e) {
                next.offset[e + 1] = next.offset[e] + (next.hi[e] - next.lo[e] + 1);
            }
            cells += next.offset[states];
            if (limit.Exceeded(cells)) {
                RecycleLayers();
                return false;
            }
            // Values: every partial layout carried over with j more mines, C(size, j) times.
            next.stride = kCount ? next.squares / 64 + 1 : 1;
            next.values.assign(static_cast<size_t>(next.offset[states]) * next.stride, Limb{0});
            const int fromStride = cur.stride, toStride = next.stride;
            next.moveCells = 0;
            for (const StateGraph::Edge& edge : edges) {
                next.moveCells += static_cast<size_t>(cur.hi[edge.from] - cur.lo[edge.from] + 1);
            }
            for (size_t m = 0; m < edges.size(); ++m) {
                if ((m & 255) == 255 && limit.Exceeded(cells)) {
                    RecycleLayers();
                    return false;
                }
                const StateGraph::Edge& edge = edges[m];
                const int j = static_cast<int>(edge.mines);
                const int span = cur.hi[edge.from] - cur.lo[edge.from] + 1;
                const uint64_t ways = sweep_kernels::SmallBinomial(size, j);
                const Limb* from = cur.Value(cur.offset[edge.from]);
                Limb* to =
                    next.Value(next.offset[edge.to] + (cur.lo[edge.from] + j - next.lo[edge.to]));
                for (int a = 0; a < span; ++a) {
                    sweep_kernels::AddScaled(to + a * toStride, toStride, from + a * fromStride,
                                             fromStride, ways);
                }
            }
        }
        // Every number has closed: one state remains.
        const Layer& end = layers_.back();
        for (int a = end.lo[0]; a <= end.hi[0]; ++a) {
            counts_[a] = ToValue(end.Value(a - end.lo[0]), end.stride);
        }
        cells_ = cells;
        return true;
    }

    // counts[k]: the layouts of the component with k mines, k = 0..squares.
    const std::vector<Value>& Counts() const { return counts_; }
    // The partial counts held, and the states the exploration held (live or not).
    size_t Cells() const { return cells_; }
    size_t Explored() const { return graph_.Explored(); }

    // About how many limb operations Backward(weight) takes when the largest weight has this many
    // bits: each partial count carried by a move is weighed twice, each one held is multiplied
    // once.
    size_t BackwardWork(int weightBits) const {
        if (!kCount || layers_.empty()) return 0;
        const int squares = component_->SquareCount();
        size_t work = 0;
        for (size_t step = 0; step + 1 < layers_.size(); ++step) {
            const Layer& cur = layers_[step];
            const Layer& next = layers_[step + 1];
            const size_t afterStride = (squares - next.squares + weightBits) / 64 + 1;
            const size_t hereStride = (squares - cur.squares + weightBits) / 64 + 1;
            work += next.moveCells * 2 * afterStride +
                    cur.offset.back() * static_cast<size_t>(cur.stride) * hereStride;
        }
        return work;
    }

    struct PerGroup {
        std::vector<Value> mine;   // weighted layouts with a mine on one given square of the group
        std::vector<Value> empty;  // the same with that square empty (only for feasibility)
    };

    // weight[k] weighs every layout of k mines (the ways to complete it outside the component).
    PerGroup Backward(const std::vector<Value>& weight) const {
        const Component& component = *component_;
        const int steps = static_cast<int>(component.order.size());
        const int squares = component.SquareCount();
        PerGroup perGroup;
        perGroup.mine.assign(component.groupSize.size(), Value{});
        if (!kCount) perGroup.empty.assign(component.groupSize.size(), Value{});
        if (layers_.size() != static_cast<size_t>(steps) + 1) return perGroup;

        // Weights of a layer's states: at most 2^(squares still to come) times the largest weight.
        int weightBits = 0;
        if constexpr (kCount) {
            for (const Value& w : weight) weightBits = std::max(weightBits, w.BitWidth());
        }
        auto strideAt = [&](int step) {
            return kCount ? (squares - layers_[step].squares + weightBits) / 64 + 1 : 1;
        };
        const int totalStride = kCount ? (squares + weightBits) / 64 + 1 : 1;

        auto& buffers = Scratch();
        std::vector<Limb>& after = buffers.after;
        std::vector<Limb>& here = buffers.here;
        std::vector<Limb>& withMine = buffers.withMine;
        std::vector<Limb>& withoutMine = buffers.withoutMine;
        int afterStride = strideAt(steps);
        {
            const Layer& end = layers_.back();
            after.assign(static_cast<size_t>(end.offset.back()) * afterStride, Limb{0});
            for (int a = end.lo[0]; a <= end.hi[0]; ++a) {
                FromValue(weight[a], after.data() + (a - end.lo[0]) * afterStride, afterStride);
            }
        }
        std::vector<Limb> mine, empty;
        for (int step = steps - 1; step >= 0; --step) {
            const Layer& cur = layers_[step];
            const Layer& next = layers_[step + 1];
            const int group = component.order[step];
            const int size = component.groupSize[group];
            const int hereStride = strideAt(step);
            const size_t cells = cur.offset.back();
            here.assign(cells * hereStride, Limb{0});
            withMine.assign(cells * hereStride, Limb{0});
            if (!kCount) withoutMine.assign(cells * hereStride, Limb{0});
            for (const StateGraph::Edge& edge : graph_.Edges(step)) {
                const int j = static_cast<int>(edge.mines);
                const int span = cur.hi[edge.from] - cur.lo[edge.from] + 1;
                const size_t fromCell = cur.offset[edge.from];
                const size_t toCell =
                    next.offset[edge.to] + (cur.lo[edge.from] + j - next.lo[edge.to]);
                const uint64_t ways = sweep_kernels::SmallBinomial(size, j);
                const uint64_t waysWithMine = sweep_kernels::SmallBinomial(size - 1, j - 1);
                for (int a = 0; a < span; ++a) {
                    const Limb* w = after.data() + (toCell + a) * afterStride;
                    if (sweep_kernels::IsZero(w, afterStride)) continue;
                    const size_t at = (fromCell + a) * hereStride;
                    sweep_kernels::AddScaled(here.data() + at, hereStride, w, afterStride, ways);
                    if (j > 0) {
                        sweep_kernels::AddScaled(withMine.data() + at, hereStride, w, afterStride,
                                                 waysWithMine);
                    }
                    if (!kCount && j < size) {
                        sweep_kernels::AddScaled(withoutMine.data() + at, hereStride, w,
                                                 afterStride, 1);
                    }
                }
            }
            mine.assign(totalStride, Limb{0});
            if (!kCount) empty.assign(totalStride, Limb{0});
            for (size_t cell = 0; cell < cells; ++cell) {
                const Limb* forward = cur.Value(cell);
                sweep_kernels::AddProduct(mine.data(), totalStride, forward, cur.stride,
                                          withMine.data() + cell * hereStride, hereStride);
                if (!kCount) {
                    sweep_kernels::AddProduct(empty.data(), totalStride, forward, cur.stride,
                                              withoutMine.data() + cell * hereStride, hereStride);
                }
            }
            perGroup.mine[group] = ToValue(mine.data(), totalStride);
            if (!kCount) perGroup.empty[group] = ToValue(empty.data(), totalStride);
            after.swap(here);
            afterStride = hereStride;
        }
        return perGroup;
    }

  private:
    static Value ToValue(const Limb* limbs, int stride) {
        if constexpr (kCount) {
            return BigUnsigned::FromLimbs(limbs, stride);
        } else {
            return *limbs;
        }
    }
    static void FromValue(const Value& value, Limb* limbs, int stride) {
        if constexpr (kCount) {
            value.ToLimbs(limbs, stride);
        } else {
            *limbs = value;
        }
    }

    struct Layer {
        int squares = 0;               // squares of the groups swept before this layer
        int stride = 1;                // limbs per value
        size_t moveCells = 0;          // the partial counts carried into this layer, over all moves
        std::vector<int16_t> lo, hi;   // the mine counts so far that a state holds
        std::vector<uint32_t> offset;  // states + 1, in values
        std::vector<Limb> values;

        size_t Bytes() const {
            return (lo.capacity() + hi.capacity()) * sizeof(int16_t) +
                   offset.capacity() * sizeof(uint32_t) + values.capacity() * sizeof(Limb);
        }
        Limb* Value(size_t cell) { return values.data() + cell * stride; }
        const Limb* Value(size_t cell) const { return values.data() + cell * stride; }
    };

    // Layers' storage is kept for the next sweep on this thread rather than handed back to the
    // system and faulted in again page by page (which cost more than the counting itself on the
    // development machine); at most about 32 MB of it.
    struct ScratchBuffers {
        std::vector<Limb> after, here, withMine, withoutMine;  // the backward pass's layers
    };
    static ScratchBuffers& Scratch() {
        thread_local ScratchBuffers scratch;
        return scratch;
    }
    static std::vector<Layer>& Spare() {
        thread_local std::vector<Layer> spare;
        return spare;
    }
    static size_t& SpareBytes() {
        thread_local size_t bytes = 0;
        return bytes;
    }
    static Layer TakeLayer() {
        auto& spare = Spare();
        if (spare.empty()) return Layer{};
        Layer layer = std::move(spare.back());
        spare.pop_back();
        SpareBytes() -= layer.Bytes();
        layer.squares = 0;
        layer.stride = 1;
        return layer;
    }
    static void Recycle(Layer&& layer) {
        const size_t bytes = layer.Bytes();
        if (SpareBytes() + bytes > (size_t{32} << 20)) return;
        SpareBytes() += bytes;
        Spare().push_back(std::move(layer));
    }
    void RecycleLayers() {
        for (Layer& layer : layers_) Recycle(std::move(layer));
        layers_.clear();
    }

    const Component* component_ = nullptr;
    StateGraph graph_;
    std::vector<Layer> layers_;
    std::vector<Value> counts_;
    size_t cells_ = 0;
};

namespace sweep_values {
inline bool IsZero(const BigUnsigned& v) {
    return v.IsZero();
}
inline bool IsZero(uint8_t v) {
    return v == 0;
}
inline void AddProduct(BigUnsigned& to, const BigUnsigned& a, const BigUnsigned& b) {
    to.AddProduct(a, b);
}
inline void AddProduct(uint8_t& to, uint8_t a, uint8_t b) {
    to |= static_cast<uint8_t>(a && b);
}
}  // namespace sweep_values

}  // namespace zendrix
