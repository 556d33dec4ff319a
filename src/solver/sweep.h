// Exact counting of the layouts of one component of the frontier by a sweep: the groups of
// interchangeable squares are taken one after another, and the layouts seen so far are merged by
// what still matters, the mines each open number still needs. A layer holds, per such state, the
// number of partial layouts for every count of mines placed so far. A backward pass with a weight
// per final mine count then gives, for every group, the weighted number of layouts in which one
// given square of it holds a mine.
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
    static constexpr size_t kAlwaysCountedCells = 1 << 14;

    Sweep() = default;
    Sweep(const Sweep&) = delete;
    Sweep& operator=(const Sweep&) = delete;
    ~Sweep() { RecycleLayers(); }

    // Counts the component's layouts. False when the work would exceed cellBudget counts or run
    // past the deadline.
    bool Forward(const Component& component, size_t cellBudget,
                 std::chrono::steady_clock::time_point deadline =
                     std::chrono::steady_clock::time_point::max()) {
        const bool timed = deadline != std::chrono::steady_clock::time_point::max();
        // Small counts always finish: a moment of the machine's attention elsewhere must not turn
        // an easy position into an estimate.
        size_t cells = 1;
        auto late = [&] { return timed && cells > kAlwaysCountedCells; };
        component_ = &component;
        const int steps = static_cast<int>(component.order.size());
        const int constraints = static_cast<int>(component.constraintValue.size());
        std::vector<int> first(constraints, -1), last(constraints, -1), left(constraints, 0);
        for (int step = 0; step < steps; ++step) {
            const int group = component.order[step];
            for (int c : component.groupConstraints[group]) {
                if (first[c] < 0) first[c] = step;
                last[c] = step;
                left[c] += component.groupSize[group];
            }
        }
        RecycleLayers();
        layers_.push_back(TakeLayer());
        Layer& start = layers_[0];
        start.squares = 0;
        start.lo = {0};
        start.hi = {0};
        start.offset = {0, 1};
        start.stride = 1;
        start.values.assign(1, Limb{1});

        std::vector<int> active;  // constraint of each slot of the current layer
        std::vector<int> slotOf(constraints, -1), nextSlotOf(constraints, -1);
        std::vector<uint8_t> key, pendingKeys;
        for (int step = 0; step < steps; ++step) {
            const int group = component.order[step];
            const int size = component.groupSize[group];
            const auto& touched = component.groupConstraints[group];
            // The next layer's slots: the open constraints that stay open, then those opening
            // here and staying open.
            std::vector<int> next;
            std::vector<int> source;  // slot in the current layer, or -1 for a new constraint
            for (int c : active) {
                if (last[c] != step) {
                    next.push_back(c);
                    source.push_back(slotOf[c]);
                }
            }
            for (int c : touched) {
                if (first[c] == step && last[c] != step) {
                    next.push_back(c);
                    source.push_back(-1);
                }
            }
            const int width = static_cast<int>(next.size());
            struct Touch {
                int current;  // slot now, or -1 when the constraint opens here
                int value;
                int after;  // squares left to it after this group
            };
            std::vector<Touch> touches;
            for (int c : touched) {
                left[c] -= size;
                touches.push_back(
                    {first[c] == step ? -1 : slotOf[c], component.constraintValue[c], left[c]});
            }
            for (int s = 0; s < width; ++s) nextSlotOf[next[s]] = s;
            std::vector<int> lowered;  // next slots of the constraints this group touches
            for (int c : touched) {
                if (nextSlotOf[c] >= 0) lowered.push_back(nextSlotOf[c]);
            }
            for (int c : next) nextSlotOf[c] = -1;
            std::vector<uint64_t> weight(width);
            for (int s = 0; s < width; ++s) weight[s] = Mix(0x9E3779B97F4A7C15ull * (s + 1));
            uint64_t loweredWeight = 0;
            for (int s : lowered) loweredWeight += weight[s];

            Layer& cur = layers_[step];
            Layer following = TakeLayer();
            following.width = width;
            following.squares = cur.squares + size;
            const int entries = cur.Entries();
            // The lookup structures of the layer being built come from the thread's scratch
            // buffers, and go back there once the next layer is built.
            following.table.swap(Scratch().table);
            following.keys.swap(Scratch().keys);
            following.Reserve(entries * 2);
            cur.jlo.assign(entries, 0);
            cur.transStart.assign(entries + 1, 0);
            cur.targets.clear();
            cur.targets.reserve(static_cast<size_t>(entries) * std::min(size + 1, 4));
            // The lookups of the next states miss the cache; they are queued in small batches
            // whose table slots are fetched ahead.
            constexpr int kBatch = 32;
            pendingKeys.resize(static_cast<size_t>(kBatch) * std::max(width, 1));
            struct Pending {
                uint64_t hash;
                int entry;
                int j;
            };
            Pending pending[kBatch];
            int queued = 0;
            auto flush = [&] {
                for (int p = 0; p < queued; ++p) {
                    const uint32_t target = following.Find(
                        pendingKeys.data() + static_cast<size_t>(p) * width, pending[p].hash);
                    const int e = pending[p].entry, j = pending[p].j;
                    following.lo[target] =
                        static_cast<int16_t>(std::min<int>(following.lo[target], cur.lo[e] + j));
                    following.hi[target] =
                        static_cast<int16_t>(std::max<int>(following.hi[target], cur.hi[e] + j));
                    cur.targets.push_back(target);
                }
                queued = 0;
            };
            key.resize(width);
            // One step can multiply the states many times over: the limits are watched within it.
            auto overrun = [&] {
                return cells + following.Entries() > cellBudget ||
                       (late() && std::chrono::steady_clock::now() > deadline);
            };
            for (int e = 0; e < entries; ++e) {
                if ((e & 63) == 63 && overrun()) {
                    Recycle(std::move(following));
                    RecycleLayers();
                    return false;
                }
                cur.transStart[e] = static_cast<uint32_t>(cur.targets.size() + queued);
                const uint8_t* k = cur.Key(e);
                int jl = 0, jh = size;
                for (const Touch& t : touches) {
                    const int r = t.current >= 0 ? k[t.current] : t.value;
                    jh = std::min(jh, r);
                    jl = std::max(jl, r - t.after);
                }
                if (jl > jh) continue;
                cur.jlo[e] = static_cast<uint8_t>(jl);
                uint64_t hash = 0;
                for (int s = 0; s < width; ++s) {
                    key[s] = static_cast<uint8_t>(
                        source[s] >= 0 ? k[source[s]] : component.constraintValue[next[s]]);
                    hash += key[s] * weight[s];
                }
                for (int s : lowered) key[s] = static_cast<uint8_t>(key[s] - jl);
                hash -= static_cast<uint64_t>(jl) * loweredWeight;
                for (int j = jl; j <= jh; ++j) {
                    if (queued == kBatch) flush();
                    if (width > 0) {
                        std::memcpy(pendingKeys.data() + static_cast<size_t>(queued) * width,
                                    key.data(), width);
                    }
                    pending[queued++] = {hash, e, j};
                    following.Prefetch(hash);
                    for (int s : lowered) --key[s];
                    hash -= loweredWeight;
                }
            }
            flush();
            cur.transStart[entries] = static_cast<uint32_t>(cur.targets.size());

            // Values: every partial layout carried over with j more mines, C(size, j) times.
            const int nextEntries = following.Entries();
            following.offset.assign(nextEntries + 1, 0);
            for (int e = 0; e < nextEntries; ++e) {
                following.offset[e + 1] =
                    following.offset[e] + (following.hi[e] - following.lo[e] + 1);
            }
            cells += following.offset[nextEntries];
            if (cells > cellBudget || (late() && std::chrono::steady_clock::now() > deadline)) {
                Recycle(std::move(following));
                RecycleLayers();
                return false;
            }
            following.stride = kCount ? following.squares / 64 + 1 : 1;
            following.values.assign(
                static_cast<size_t>(following.offset[nextEntries]) * following.stride, Limb{0});
            const int fromStride = cur.stride, toStride = following.stride;
            for (int e = 0; e < entries; ++e) {
                if ((e & 63) == 63 && late() && std::chrono::steady_clock::now() > deadline) {
                    Recycle(std::move(following));
                    RecycleLayers();
                    return false;
                }
                const int span = cur.hi[e] - cur.lo[e] + 1;
                const Limb* from = cur.Value(cur.offset[e]);
                int j = cur.jlo[e];
                for (uint32_t t = cur.transStart[e]; t < cur.transStart[e + 1]; ++t, ++j) {
                    const uint32_t target = cur.targets[t];
                    const uint64_t ways = sweep_kernels::SmallBinomial(size, j);
                    Limb* to = following.Value(following.offset[target] +
                                               (cur.lo[e] + j - following.lo[target]));
                    for (int a = 0; a < span; ++a) {
                        sweep_kernels::AddScaled(to + a * toStride, toStride, from + a * fromStride,
                                                 fromStride, ways);
                    }
                }
            }
            // Only the values and transitions of a finished layer are needed later.
            cur.table.clear();
            cur.keys.clear();
            Scratch().table.swap(cur.table);
            Scratch().keys.swap(cur.keys);
            for (int c : active) slotOf[c] = -1;
            active = next;
            for (int s = 0; s < width; ++s) slotOf[active[s]] = s;
            layers_.push_back(std::move(following));
        }
        // Every constraint has closed: one state remains, unless nothing fits.
        counts_.assign(static_cast<size_t>(component.SquareCount()) + 1, Value{});
        const Layer& end = layers_.back();
        if (end.Entries() == 1) {
            for (int a = end.lo[0]; a <= end.hi[0]; ++a) {
                counts_[a] = ToValue(end.Value(a - end.lo[0]), end.stride);
            }
        }
        cells_ = cells;
        return true;
    }

    // counts[k]: the layouts of the component with k mines, k = 0..squares.
    const std::vector<Value>& Counts() const { return counts_; }
    size_t Cells() const { return cells_; }

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
        if (layers_.back().Entries() != 1) return perGroup;

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
        int afterStride = strideAt(steps);
        {
            const Layer& end = layers_.back();
            after.assign(end.values.size() / end.stride * afterStride, Limb{0});
            for (int a = end.lo[0]; a <= end.hi[0]; ++a) {
                FromValue(weight[a], after.data() + (a - end.lo[0]) * afterStride, afterStride);
            }
        }
        std::vector<Limb> withMine, withoutMine, mine, empty;
        for (int step = steps - 1; step >= 0; --step) {
            const Layer& cur = layers_[step];
            const Layer& following = layers_[step + 1];
            const int group = component.order[step];
            const int size = component.groupSize[group];
            const int hereStride = strideAt(step);
            here.assign(cur.values.size() / cur.stride * hereStride, Limb{0});
            withMine.resize(hereStride);
            withoutMine.resize(hereStride);
            mine.assign(totalStride, Limb{0});
            empty.assign(totalStride, Limb{0});
            for (int e = 0; e < cur.Entries(); ++e) {
                const int span = cur.hi[e] - cur.lo[e] + 1;
                for (int a = 0; a < span; ++a) {
                    Limb* total = here.data() + static_cast<size_t>(cur.offset[e] + a) * hereStride;
                    std::fill(withMine.begin(), withMine.end(), Limb{0});
                    std::fill(withoutMine.begin(), withoutMine.end(), Limb{0});
                    int j = cur.jlo[e];
                    for (uint32_t t = cur.transStart[e]; t < cur.transStart[e + 1]; ++t, ++j) {
                        const uint32_t target = cur.targets[t];
                        const Limb* w =
                            after.data() +
                            static_cast<size_t>(following.offset[target] +
                                                (cur.lo[e] + a + j - following.lo[target])) *
                                afterStride;
                        if (sweep_kernels::IsZero(w, afterStride)) continue;
                        sweep_kernels::AddScaled(total, hereStride, w, afterStride,
                                                 sweep_kernels::SmallBinomial(size, j));
                        if (j > 0) {
                            sweep_kernels::AddScaled(withMine.data(), hereStride, w, afterStride,
                                                     sweep_kernels::SmallBinomial(size - 1, j - 1));
                        }
                        if (!kCount && j < size) {
                            sweep_kernels::AddScaled(withoutMine.data(), hereStride, w, afterStride,
                                                     1);
                        }
                    }
                    const Limb* forward = cur.Value(cur.offset[e] + a);
                    sweep_kernels::AddProduct(mine.data(), totalStride, forward, cur.stride,
                                              withMine.data(), hereStride);
                    if (!kCount) {
                        sweep_kernels::AddProduct(empty.data(), totalStride, forward, cur.stride,
                                                  withoutMine.data(), hereStride);
                    }
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
    static uint64_t Mix(uint64_t z) {
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
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
        int width = 0;    // open constraints
        int squares = 0;  // squares of the groups swept before this layer
        int stride = 1;   // limbs per value
        std::vector<uint8_t> keys;
        std::vector<int16_t> lo, hi;   // the mine counts so far that a state holds
        std::vector<uint32_t> offset;  // entries + 1, in values
        std::vector<Limb> values;
        // Open addressing; a slot holds the state's hash and its entry + 1 (0: empty), so that
        // most probes touch nothing else.
        struct Slot {
            uint64_t hash;
            uint64_t entry;
        };
        std::vector<Slot> table;
        // Transitions to the next layer: entry e goes with jlo[e] + t mines to targets[...].
        std::vector<uint8_t> jlo;
        std::vector<uint32_t> transStart;
        std::vector<uint32_t> targets;

        int Entries() const { return static_cast<int>(lo.size()); }
        size_t Bytes() const {
            return keys.capacity() + (lo.capacity() + hi.capacity()) * sizeof(int16_t) +
                   (offset.capacity() + transStart.capacity() + targets.capacity()) *
                       sizeof(uint32_t) +
                   values.capacity() * sizeof(Limb) + table.capacity() * sizeof(Slot) +
                   jlo.capacity();
        }
        void Clear() {
            width = squares = 0;
            stride = 1;
            keys.clear();
            lo.clear();
            hi.clear();
            offset.clear();
            values.clear();
            table.clear();
            jlo.clear();
            transStart.clear();
            targets.clear();
        }
        const uint8_t* Key(int e) const { return keys.data() + static_cast<size_t>(e) * width; }
        Limb* Value(size_t cell) { return values.data() + cell * stride; }
        const Limb* Value(size_t cell) const { return values.data() + cell * stride; }
        void Reserve(int entries) {
            size_t capacity = 16;
            while (capacity < static_cast<size_t>(entries) * 2) capacity *= 2;
            table.assign(capacity, Slot{0, 0});
            keys.reserve(static_cast<size_t>(entries) * width);
            lo.reserve(entries);
            hi.reserve(entries);
        }
        void Prefetch(uint64_t hash) const {
            __builtin_prefetch(&table[Mix(hash) & (table.size() - 1)]);
        }
        uint32_t Find(const uint8_t* key, uint64_t hash) {
            if ((lo.size() + 1) * 2 > table.size()) Grow();
            const size_t mask = table.size() - 1;
            for (size_t slot = Mix(hash) & mask;; slot = (slot + 1) & mask) {
                const Slot& at = table[slot];
                if (at.entry == 0) {
                    if (width > 0) keys.insert(keys.end(), key, key + width);
                    lo.push_back(INT16_MAX);
                    hi.push_back(INT16_MIN);
                    const uint32_t e = static_cast<uint32_t>(lo.size() - 1);
                    table[slot] = {hash, e + uint64_t{1}};
                    return e;
                }
                if (at.hash == hash) {
                    const int e = static_cast<int>(at.entry - 1);
                    if (width == 0 || std::memcmp(Key(e), key, width) == 0) {
                        return static_cast<uint32_t>(e);
                    }
                }
            }
        }
        void Grow() {
            std::vector<Slot>& bigger = Scratch().grown;
            bigger.assign(table.size() * 2, Slot{0, 0});
            const size_t mask = bigger.size() - 1;
            for (const Slot& at : table) {
                if (at.entry == 0) continue;
                size_t slot = Mix(at.hash) & mask;
                while (bigger[slot].entry != 0) slot = (slot + 1) & mask;
                bigger[slot] = at;
            }
            table.swap(bigger);
        }
    };

    // Layers are large and many; their storage is kept for the next sweep on this thread rather
    // than handed back to the system and faulted in again page by page (which cost more than the
    // counting itself on the development machine).
    struct ScratchBuffers {
        std::vector<typename Layer::Slot> table, grown;
        std::vector<uint8_t> keys;
        std::vector<Limb> after, here;  // the backward pass's two layers
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
        layer.Clear();
        return layer;
    }
    // At most about 32 MB are kept; beyond that a layer's storage goes back to the system.
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
