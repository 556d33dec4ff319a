// Exploring a sweep's states from both ends. A state is packed into a few 64-bit words, five bits
// per open number (a residual is at most 26); a number keeps its field from the group that opens
// it to the group that closes it (and leaves it 0), so a move is one addition per word:
// key + opened values - mines * (a one in every field the group touches).
#include "solver/state_graph.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <new>

#if defined(__linux__)
#include <sys/mman.h>
#endif

namespace zendrix {

namespace {

constexpr int kFieldBits = 5;
constexpr int kFieldsPerWord = 12;
// Up to 48 numbers open at once; a component wider than that is far beyond any budget anyway.
constexpr int kMaxWords = 4;
constexpr uint32_t kNone = std::numeric_limits<uint32_t>::max();

using Words = std::array<uint64_t, kMaxWords>;

struct FieldAt {
    int word = 0;
    int shift = 0;
};

FieldAt Locate(int slot) {
    return {slot / kFieldsPerWord, kFieldBits * (slot % kFieldsPerWord)};
}

int Field(const uint64_t* key, FieldAt at) {
    return static_cast<int>((key[at.word] >> at.shift) & 31);
}

uint64_t Mix(uint64_t z) {
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

template <int K>
uint64_t Hash(const uint64_t* key) {
    uint64_t h = key[0];
    for (int w = 1; w < K; ++w) h = Mix(h) + key[w];
    return Mix(h);
}

// What one group does to a state: the numbers it touches, where their residuals are, and the two
// masks of a move.
struct Touch {
    FieldAt field;  // of the number, unless it opens here
    int value;      // the number's residual when it opens here
    int after;      // its squares still to come after this group
    int most;       // the most mines those squares can hold in a layout that fits
    int least;      // the fewest they can hold
    bool opens;     // this group is its first
    // Open numbers this group does not touch that share squares to come with this one: a number
    // needing r mines on its squares to come puts at least r - outside of them on the shared
    // ones, and at most `shared` there.
    struct Pair {
        FieldAt field;
        int outside;
        int shared;
    };
    std::vector<Pair> pairs;
};

struct StepPlan {
    int size = 0;
    std::vector<Touch> touches;
    Words open{};   // residuals of the numbers opening here (and not closing), in their fields
    Words lower{};  // a one in the field of every such number this group touches
};

// A sweep in the order of `sequence`, numbers opening at their first group in it and closing at
// their last. Fields freed by a closing number are reused by later ones.
struct Plan {
    std::vector<StepPlan> steps;
    std::vector<int> slot;  // per number; -1 when it never stays open
    int slots = 0;
};

Plan MakePlan(const Component& component, const std::vector<int>& sequence) {
    const int constraints = static_cast<int>(component.constraintValue.size());
    const int steps = static_cast<int>(sequence.size());
    std::vector<int> first(constraints, -1), last(constraints, -1), left(constraints, 0);
    for (int step = 0; step < steps; ++step) {
        const int group = sequence[step];
        for (int c : component.groupConstraints[group]) {
            if (first[c] < 0) first[c] = step;
            last[c] = step;
            left[c] += component.groupSize[group];
        }
    }
    // The squares two numbers share, for the bounds below.
    struct Shared {
        int other;
        int squares;
        int ahead = 0;  // of `squares`, those after the step being planned
    };
    std::vector<std::vector<Shared>> shared(constraints);
    std::vector<std::vector<int>> stepsOf(constraints);
    std::vector<int> total(constraints, 0);
    for (int step = 0; step < steps; ++step) {
        const int group = sequence[step];
        for (int c : component.groupConstraints[group]) {
            total[c] += component.groupSize[group];
            stepsOf[c].push_back(step);
        }
    }
    // Per number, for each of its steps in turn, where the other numbers of that group are in
    // its list.
    std::vector<std::vector<int>> sharedOn(constraints);
    std::vector<int> indexOf(constraints, -1);
    for (int c = 0; c < constraints; ++c) {
        auto& list = shared[c];
        for (int step : stepsOf[c]) {
            const int group = sequence[step];
            for (int d : component.groupConstraints[group]) {
                if (d == c) continue;
                if (indexOf[d] < 0) {
                    indexOf[d] = static_cast<int>(list.size());
                    list.push_back({d, 0, 0});
                }
                list[indexOf[d]].squares += component.groupSize[group];
                sharedOn[c].push_back(indexOf[d]);
            }
        }
        for (Shared& sh : list) {
            sh.ahead = sh.squares;
            indexOf[sh.other] = -1;
        }
    }
    std::vector<int> touchedAt(constraints, -1);  // the last step that touched the number
    std::vector<size_t> taken(constraints, 0);    // of sharedOn[c]
    Plan plan;
    plan.slot.assign(constraints, -1);
    plan.steps.resize(steps);
    std::vector<char> used;
    for (int step = 0; step < steps; ++step) {
        const int group = sequence[step];
        const auto& touched = component.groupConstraints[group];
        StepPlan& sp = plan.steps[step];
        sp.size = component.groupSize[group];
        for (int c : touched) {
            touchedAt[c] = step;
            for (size_t k = 1; k < touched.size(); ++k) {
                shared[c][sharedOn[c][taken[c]++]].ahead -= sp.size;
            }
        }
        for (int c : component.groupConstraints[group]) {
            left[c] -= sp.size;
            Touch touch{{}, component.constraintValue[c], left[c], left[c], 0, first[c] == step,
                        {}};
            for (const Shared& sh : shared[c]) {
                if (left[c] == 0) break;
                const int d = sh.other;
                if (first[d] > step) {
                    // Wholly ahead, d needs its mines: at least value - (its squares outside
                    // c's) of them lie on c's squares to come, and c's squares it sees hold at
                    // most its value. (Summing over several such numbers with disjoint shares
                    // gained nothing measurable.)
                    const int value = component.constraintValue[d];
                    touch.least = std::max(touch.least, value - (total[d] - sh.squares));
                    touch.most =
                        std::min(touch.most, left[c] - sh.squares + std::min(value, sh.squares));
                    continue;
                }
                if (first[d] == step || last[d] <= step || plan.slot[d] < 0 ||
                    plan.slot[d] >= kMaxWords * kFieldsPerWord || touchedAt[d] == step) {
                    continue;
                }
                const int common = sh.ahead;
                if (common > 0)
                    touch.pairs.push_back({Locate(plan.slot[d]), left[d] - common, common});
            }
            if (touch.opens && last[c] == step) {
                // Decided by this group alone: it takes exactly the number's mines.
                sp.touches.push_back(std::move(touch));
                continue;
            }
            if (touch.opens) {
                const auto unused = std::find(used.begin(), used.end(), 0);
                plan.slot[c] = static_cast<int>(unused - used.begin());
                if (unused == used.end()) used.push_back(0);
                used[plan.slot[c]] = 1;
                plan.slots = std::max(plan.slots, plan.slot[c] + 1);
            }
            touch.field = Locate(plan.slot[c]);
            if (plan.slot[c] < kMaxWords * kFieldsPerWord) {
                const uint64_t one = uint64_t{1} << touch.field.shift;
                if (touch.opens)
                    sp.open[touch.field.word] += one * static_cast<uint64_t>(touch.value);
                sp.lower[touch.field.word] += one;
            }
            sp.touches.push_back(std::move(touch));
        }
        for (int c : component.groupConstraints[group]) {
            if (last[c] == step && first[c] != step) used[plan.slot[c]] = 0;
        }
    }
    return plan;
}

// Storage is kept between explorations on this thread: a page faulted in cost far more than the
// work done in it on the development machine. Each end's layers lie one after another in flat
// arrays that only ever grow to the largest exploration so far, which the budget bounds.
struct EndStorage {
    std::vector<uint32_t> start;    // per layer: per state its first move, then the layer's end
    std::vector<uint8_t> jlo;       // per layer, per state: the mines of its first move
    std::vector<uint32_t> live;     // per layer, per state: its number among the live states
    std::vector<uint32_t> targets;  // per move: the state it leads to in the next layer
    std::vector<uint64_t> keys, nextKeys;  // of the last layer, and of the one being built
};

// Zeroed bytes for a table. A large table is laid in 2 MB pages where the system offers them: on
// the development machine a 4 KB page touched for the first time cost about 10 µs, so a table of
// a few megabytes, grown on a hard position, took longer than the whole time limit.
class PageBuffer {
  public:
    PageBuffer() = default;
    PageBuffer(const PageBuffer&) = delete;
    PageBuffer& operator=(const PageBuffer&) = delete;
    ~PageBuffer() { std::free(data_); }

    unsigned char* data() { return data_; }
    size_t size() const { return size_; }
    void Zero(size_t from, size_t to) { std::memset(data_ + from, 0, to - from); }

    // At least `size` zero bytes; what was held before is gone.
    void Renew(size_t size) {
        constexpr size_t kLargePage = size_t{2} << 20;
        const size_t alignment = size >= kLargePage ? kLargePage : 64;
        const size_t rounded = (size + alignment - 1) / alignment * alignment;
        std::free(data_);
        data_ = static_cast<unsigned char*>(std::aligned_alloc(alignment, rounded));
        size_ = data_ != nullptr ? rounded : 0;
        if (data_ == nullptr) throw std::bad_alloc();
#if defined(__linux__) && defined(MADV_HUGEPAGE)
        if (alignment == kLargePage) madvise(data_, rounded, MADV_HUGEPAGE);
#endif
        std::memset(data_, 0, rounded);
    }

  private:
    unsigned char* data_ = nullptr;
    size_t size_ = 0;
};

struct TableStorage {
    PageBuffer slots;
    std::vector<unsigned char> moved;
    uint32_t stamp = 0;
    size_t slotSize = 0;  // of the slots the bytes hold
    size_t clean = 0;     // leading bytes that hold only slots of that size, or zeros
};

struct Storage {
    EndStorage ends[2];
    TableStorage tables[2];
};

Storage& Kept() {
    thread_local Storage storage;
    return storage;
}

// Open addressing over the keys of one layer; a slot holds a whole key, so that finding a state
// touches one place in memory. A slot belongs to the current layer when it carries the table's
// current stamp, so a new layer clears nothing. The same bytes serve keys of one to four words,
// whose slots differ in size: bytes last written as slots of another size could read as a slot
// carrying the current stamp (a key's word landing on the stamp), so they are cleared before
// they are used with the new size.
template <int K>
class Table {
  public:
    struct Slot {
        uint64_t key[K];
        uint32_t id;
        uint32_t stamp;
    };

    explicit Table(TableStorage& storage) : storage_(storage) {}

    void Reset(size_t expected) {
        size_t capacity = 16;
        while (capacity < expected * 2) capacity *= 2;
        Use(capacity);
        count_ = 0;
    }
    uint32_t Count() const { return count_; }

    void Prefetch(uint64_t hash) const { __builtin_prefetch(&slots_[hash & mask_]); }

    // The state of the key, added (and its key appended to `keys`) when new.
    uint32_t FindOrAdd(const uint64_t* key, uint64_t hash, std::vector<uint64_t>& keys) {
        if ((count_ + 1) * 2 > mask_ + 1) Grow();
        for (size_t at = hash & mask_;; at = (at + 1) & mask_) {
            Slot& slot = slots_[at];
            if (slot.stamp != stamp_) {
                std::memcpy(slot.key, key, sizeof slot.key);
                slot.id = count_;
                slot.stamp = stamp_;
                keys.insert(keys.end(), key, key + K);
                return count_++;
            }
            if (std::memcmp(slot.key, key, sizeof slot.key) == 0) return slot.id;
        }
    }

    uint32_t Find(const uint64_t* key, uint64_t hash) const {
        for (size_t at = hash & mask_;; at = (at + 1) & mask_) {
            const Slot& slot = slots_[at];
            if (slot.stamp != stamp_) return kNone;
            if (std::memcmp(slot.key, key, sizeof slot.key) == 0) return slot.id;
        }
    }

  private:
    // Nothing in the slots is needed past this call: a new layer or a grown table starts empty.
    void Use(size_t capacity) {
        PageBuffer& bytes = storage_.slots;
        const size_t needed = capacity * sizeof(Slot);
        if (storage_.slotSize != sizeof(Slot)) {
            storage_.slotSize = sizeof(Slot);
            storage_.clean = 0;
        }
        if (bytes.size() < needed) {
            // At least twice the size, so that a table growing step by step is laid out anew
            // only a few times.
            bytes.Renew(std::max(needed, bytes.size() * 2));
            storage_.clean = bytes.size();
        }
        if (storage_.clean < needed) {
            bytes.Zero(storage_.clean, needed);
            storage_.clean = needed;
        }
        slots_ = reinterpret_cast<Slot*>(bytes.data());
        mask_ = capacity - 1;
        if (++storage_.stamp == 0) {
            bytes.Zero(0, bytes.size());
            storage_.stamp = 1;
        }
        stamp_ = storage_.stamp;
    }

    void Grow() {
        std::vector<unsigned char>& moved = storage_.moved;
        if (moved.size() < count_ * sizeof(Slot)) moved.resize(count_ * sizeof(Slot));
        Slot* kept = reinterpret_cast<Slot*>(moved.data());
        size_t n = 0;
        for (size_t at = 0; at <= mask_; ++at) {
            if (slots_[at].stamp == stamp_) kept[n++] = slots_[at];
        }
        Use((mask_ + 1) * 2);
        for (size_t k = 0; k < n; ++k) {
            size_t at = Hash<K>(kept[k].key) & mask_;
            while (slots_[at].stamp == stamp_) at = (at + 1) & mask_;
            slots_[at] = kept[k];
            slots_[at].stamp = stamp_;
        }
    }

    TableStorage& storage_;
    Slot* slots_ = nullptr;
    size_t mask_ = 0;
    uint32_t stamp_ = 0;
    uint32_t count_ = 0;
};

struct Layer {
    uint32_t states = 0;
    size_t first = 0;  // its first state in jlo and live
    size_t start = 0;  // its first value in start (states + 1 of them)
};

// One end's exploration: its plan, its layers so far, and the keys and table of the last.
template <int K>
struct End {
    End(const Plan& p, EndStorage& s, TableStorage& t) : plan(p), store(s), table(t) {}

    const Plan& plan;
    EndStorage& store;
    std::vector<Layer> layers;
    Table<K> table;
    double growth = 2;  // of the last step, to size the next table

    int Done() const { return static_cast<int>(layers.size()) - 1; }
    uint32_t LastStates() const { return layers.back().states; }
    // The moves of state e of layer q: targets[Start(q, e) .. Start(q, e + 1)).
    uint32_t Start(int q, uint32_t e) const { return store.start[layers[q].start + e]; }
    uint32_t Jlo(int q, uint32_t e) const { return store.jlo[layers[q].first + e]; }
    uint32_t& Live(int q, uint32_t e) { return store.live[layers[q].first + e]; }
    uint32_t Live(int q, uint32_t e) const { return store.live[layers[q].first + e]; }
};

template <int K>
class Explorer {
  public:
    Explorer(const Component& component, const Plan& left, const Plan& right,
             const WorkLimit& limit)
        : component_(component),
          left_(left, Kept().ends[0], Kept().tables[0]),
          right_(right, Kept().ends[1], Kept().tables[1]),
          limit_(limit) {}

    // Explores until the ends meet; false beyond the limit. `empty`: no layout fits.
    bool Run(size_t& explored, bool& empty) {
        const int steps = static_cast<int>(component_.order.size());
        for (End<K>* end : {&left_, &right_}) {
            EndStorage& store = end->store;
            store.start.clear();
            store.jlo.clear();
            store.targets.clear();
            store.keys.assign(K, 0);
            end->layers.push_back({1, 0, 0});
            end->table.Reset(1);
            end->table.FindOrAdd(store.keys.data(), Hash<K>(store.keys.data()), store.nextKeys);
            store.nextKeys.clear();
        }
        explored_ = 2;
        empty = false;
        while (left_.Done() + right_.Done() < steps) {
            End<K>& end = left_.LastStates() <= right_.LastStates() ? left_ : right_;
            const bool stepped = Step(end);
            explored = explored_;
            if (!stepped) return false;
            if (end.LastStates() == 0) {
                empty = true;
                return true;
            }
        }
        return true;
    }

    // After Run: the states through which the ends meet, and back from there the states of each
    // end that lead to them; then the moves between live states, by cut of the sweep order.
    void Collect(std::vector<uint32_t>& states, std::vector<std::vector<StateGraph::Edge>>& edges) {
        const int steps = static_cast<int>(component_.order.size());
        const int meet = left_.Done();
        states.assign(steps + 1, 0);
        edges.assign(steps, {});
        for (End<K>* end : {&left_, &right_}) {
            end->store.live.assign(end->layers.back().first + end->LastStates(), kNone);
        }
        states[meet] = Meet(meet);
        for (int cut = meet - 1; cut >= 0; --cut) states[cut] = MarkLive(left_, cut);
        for (int cut = meet + 1; cut <= steps; ++cut) states[cut] = MarkLive(right_, steps - cut);
        for (int step = 0; step < meet; ++step) {
            for (uint32_t e = 0; e < left_.layers[step].states; ++e) {
                const uint32_t from = left_.Live(step, e);
                if (from == kNone) continue;
                for (uint32_t m = left_.Start(step, e); m < left_.Start(step, e + 1); ++m) {
                    const uint32_t to = left_.Live(step + 1, left_.store.targets[m]);
                    if (to != kNone) {
                        edges[step].push_back(
                            {from, to, left_.Jlo(step, e) + m - left_.Start(step, e)});
                    }
                }
            }
        }
        for (int step = meet; step < steps; ++step) {
            // The right end took this group from cut step + 1 (its layer q) to cut step.
            const int q = steps - 1 - step;
            for (uint32_t e = 0; e < right_.layers[q].states; ++e) {
                const uint32_t to = right_.Live(q, e);
                if (to == kNone) continue;
                for (uint32_t m = right_.Start(q, e); m < right_.Start(q, e + 1); ++m) {
                    const uint32_t from = right_.Live(q + 1, right_.store.targets[m]);
                    if (from != kNone) {
                        edges[step].push_back(
                            {from, to, right_.Jlo(q, e) + m - right_.Start(q, e)});
                    }
                }
            }
        }
    }

  private:
    bool Step(End<K>& end) {
        const StepPlan& sp = end.plan.steps[end.Done()];
        EndStorage& store = end.store;
        const Layer cur = end.layers.back();
        // Sized for the growth of the last step, but never beyond what the budget lets the
        // exploration hold: the table's storage is kept, and an oversized one costs its pages.
        const double expected = cur.states * std::clamp(end.growth, 1.0, 4.0) * 1.25;
        const size_t left = limit_.budget - std::min(limit_.budget, explored_);
        end.table.Reset(static_cast<size_t>(std::min(expected, static_cast<double>(left))) + 1);
        store.nextKeys.clear();
        store.start.resize(cur.start + cur.states + 1);
        store.jlo.resize(cur.first + cur.states);
        uint32_t* start = store.start.data() + cur.start;
        uint8_t* jlo = store.jlo.data() + cur.first;
        std::vector<uint32_t>& targets = store.targets;
        // The lookups miss the cache; they are queued in small batches whose slots are fetched
        // ahead.
        constexpr int kBatch = 16;
        struct Pending {
            uint64_t key[K];
            uint64_t hash;
            size_t at;
        };
        Pending batch[kBatch];
        int queued = 0;
        auto flush = [&] {
            for (int p = 0; p < queued; ++p) {
                targets[batch[p].at] =
                    end.table.FindOrAdd(batch[p].key, batch[p].hash, store.nextKeys);
            }
            queued = 0;
        };
        uint64_t lower[K], open[K];
        for (int w = 0; w < K; ++w) {
            lower[w] = sp.lower[w];
            open[w] = sp.open[w];
        }
        for (uint32_t e = 0; e < cur.states; ++e) {
            if ((e & 63) == 63 && limit_.Exceeded(explored_ + end.table.Count())) return false;
            const uint64_t* key = store.keys.data() + static_cast<size_t>(e) * K;
            int jl = 0, jh = sp.size;
            for (const Touch& t : sp.touches) {
                const int r = t.opens ? t.value : Field(key, t.field);
                jh = std::min(jh, r - t.least);
                jl = std::max(jl, r - t.most);
                for (const Touch::Pair& p : t.pairs) {
                    const int other = Field(key, p.field);
                    jh = std::min(jh, r - (other - p.outside));
                    jl = std::max(jl, r - (t.after - p.shared) - std::min(other, p.shared));
                }
            }
            start[e] = static_cast<uint32_t>(targets.size());
            if (jl > jh) {
                jlo[e] = 0;
                continue;
            }
            jlo[e] = static_cast<uint8_t>(jl);
            uint64_t k[K];
            for (int w = 0; w < K; ++w) {
                k[w] = key[w] + open[w] - static_cast<uint64_t>(jl) * lower[w];
            }
            size_t at = targets.size();
            targets.resize(at + static_cast<size_t>(jh - jl + 1));
            for (int j = jl; j <= jh; ++j) {
                if (queued == kBatch) flush();
                Pending& p = batch[queued++];
                std::memcpy(p.key, k, sizeof k);
                p.hash = Hash<K>(k);
                p.at = at++;
                end.table.Prefetch(p.hash);
                for (int w = 0; w < K; ++w) k[w] -= lower[w];
            }
        }
        flush();
        start[cur.states] = static_cast<uint32_t>(targets.size());
        const uint32_t states = end.table.Count();
        end.growth =
            std::clamp(states / std::max(1.0, static_cast<double>(cur.states)), 0.25, 64.0);
        explored_ += states;
        store.keys.swap(store.nextKeys);
        end.layers.push_back({states, cur.first + cur.states, cur.start + cur.states + 1});
        return !limit_.Exceeded(explored_);
    }

    // Matches the last layers of the two ends: a state of the left end needing r mines of a number
    // meets the state of the right end needing value - r. Numbers the pairs on both sides.
    uint32_t Meet(int meet) {
        struct Open {
            FieldAt left, right;
            int value;
        };
        std::vector<Open> opens;
        const int constraints = static_cast<int>(component_.constraintValue.size());
        std::vector<int> first(constraints, -1), last(constraints, -1);
        for (int step = 0; step < static_cast<int>(component_.order.size()); ++step) {
            for (int c : component_.groupConstraints[component_.order[step]]) {
                if (first[c] < 0) first[c] = step;
                last[c] = step;
            }
        }
        for (int c = 0; c < constraints; ++c) {
            if (first[c] < meet && last[c] >= meet) {
                opens.push_back({Locate(left_.plan.slot[c]), Locate(right_.plan.slot[c]),
                                 component_.constraintValue[c]});
            }
        }
        // The smaller side's states are looked up in the larger side's table.
        const bool fromLeft = left_.LastStates() <= right_.LastStates();
        End<K>& from = fromLeft ? left_ : right_;
        End<K>& into = fromLeft ? right_ : left_;
        uint32_t pairs = 0;
        for (uint32_t e = 0; e < from.LastStates(); ++e) {
            const uint64_t* key = from.store.keys.data() + static_cast<size_t>(e) * K;
            uint64_t other[K] = {};
            for (const Open& o : opens) {
                const FieldAt here = fromLeft ? o.left : o.right;
                const FieldAt there = fromLeft ? o.right : o.left;
                other[there.word] += static_cast<uint64_t>(o.value - Field(key, here))
                                     << there.shift;
            }
            const uint32_t match = into.table.Find(other, Hash<K>(other));
            if (match == kNone) continue;
            from.Live(from.Done(), e) = pairs;
            into.Live(into.Done(), match) = pairs;
            ++pairs;
        }
        return pairs;
    }

    // A state of layer q is live when one of its moves leads to a live state of layer q + 1;
    // numbers the live ones and returns how many there are.
    static uint32_t MarkLive(End<K>& end, int q) {
        uint32_t live = 0;
        for (uint32_t e = 0; e < end.layers[q].states; ++e) {
            for (uint32_t m = end.Start(q, e); m < end.Start(q, e + 1); ++m) {
                if (end.Live(q + 1, end.store.targets[m]) != kNone) {
                    end.Live(q, e) = live++;
                    break;
                }
            }
        }
        return live;
    }

    const Component& component_;
    End<K> left_, right_;
    WorkLimit limit_;
    size_t explored_ = 0;
};

template <int K>
bool Explore(const Component& component, const Plan& left, const Plan& right,
             const WorkLimit& limit, size_t& explored, std::vector<uint32_t>& states,
             std::vector<std::vector<StateGraph::Edge>>& edges) {
    Explorer<K> explorer(component, left, right, limit);
    bool empty = false;
    if (!explorer.Run(explored, empty)) return false;
    if (empty) {
        states.assign(component.order.size() + 1, 0);
        edges.assign(component.order.size(), {});
        return true;
    }
    explorer.Collect(states, edges);
    return true;
}

}  // namespace

bool StateGraph::Build(const Component& component, const WorkLimit& limit) {
    const Plan left = MakePlan(component, component.order);
    const std::vector<int> reversed(component.order.rbegin(), component.order.rend());
    const Plan right = MakePlan(component, reversed);
    const int words = (std::max(left.slots, right.slots) + kFieldsPerWord - 1) / kFieldsPerWord;
    explored_ = 0;
    bool built = false;
    switch (words) {
        case 0:
        case 1:
            built = Explore<1>(component, left, right, limit, explored_, states_, edges_);
            break;
        case 2:
            built = Explore<2>(component, left, right, limit, explored_, states_, edges_);
            break;
        case 3:
            built = Explore<3>(component, left, right, limit, explored_, states_, edges_);
            break;
        case 4:
            built = Explore<4>(component, left, right, limit, explored_, states_, edges_);
            break;
        default:
            break;
    }
    if (!built) {
        states_.clear();
        edges_.clear();
    }
    return built;
}

}  // namespace zendrix
